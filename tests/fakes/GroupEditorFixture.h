// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/FieldText.h"
#include "fakes/EditorInput.h"
#include "fakes/Form1Fixture.h"
#include "store/Columns.h"
#include "store/Statements.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <vector>

namespace fakes {

// A main window whose group editor is driven by scripts that type and click as a user would.
class GroupEditorFixture : public Form1Fixture {
  protected:
    using Driver = std::function<void(QDialog*)>;

    // Long texts are pasted in, as typing them key by key would take long.
    static void paste(QDialog* editor, const char* name, const QString& text) {
        field(editor, name)->setText(text);
    }
    static QColor swatch(QDialog* editor) {
        return field(editor, "Text4")->palette().color(QPalette::Base);
    }

    // The next editor that opens is handed to this driver.
    void whenEditorOpens(Driver driver) { platform.modal.drivers.push_back(std::move(driver)); }

    // Adds a category through the Add button and the editor.
    void addThroughEditor(const QString& name, const QString& description = {}) {
        whenEditorOpens([=](QDialog* editor) {
            type(editor, "Text1", name);
            type(editor, "Text2", description);
            click(editor, "PushButton3");
        });
        clickButton(1);
    }

    std::vector<store::GroupRow> storedGroups() {
        std::vector<store::GroupRow> rows;
        store::ResultSet rs = store::selectAllGroups(db());
        for (; !rs.eof(); rs.moveNext()) {
            rows.push_back(store::readGroupRow(rs));
        }
        return rows;
    }
    QStringList storedGroupNames() {
        QStringList names;
        for (const store::GroupRow& row : storedGroups()) {
            names << QString::fromStdString(row.groupcaption);
        }
        return names;
    }
    // The captions filed under a group name exactly as given.
    QStringList storedCaptionsOf(const QString& group) {
        QStringList captions;
        store::ResultSet rs = db().query(
            "select itemcaption from tblItems where groupcaption = ? collate binary order by 1",
            {group.toStdString()});
        for (; !rs.eof(); rs.moveNext()) {
            captions << common::fieldText(rs, store::column::itemcaption);
        }
        return captions;
    }

    QStringList categoryNames() {
        QStringList names;
        QTreeWidgetItem* root = form.TreeView1()->topLevelItem(0);
        for (int i = 0; root && i < root->childCount(); ++i) {
            names << root->child(i)->text(0);
        }
        return names;
    }
    // The selected node's text, "" when none is selected.
    QString selectedNode() {
        QTreeWidgetItem* node = form.TreeView1()->currentItem();
        return node ? node->text(0) : QString();
    }

    // Makes every write of this kind on this table fail, as a full disk would.
    void failWrites(const char* when, const char* table) {
        db().execute(std::string("CREATE TRIGGER fail_") + when + "_" + table + " BEFORE " + when +
                     " ON " + table + " BEGIN SELECT RAISE(FAIL, 'disk full'); END");
    }

    QStringList applicationErrors() {
        QStringList texts;
        for (const ShownMessage& m : platform.messages.shown) {
            if (m.title == "Application Error") {
                texts << m.text;
            }
        }
        return texts;
    }
    QStringList plainMessages() {
        QStringList texts;
        for (const ShownMessage& m : platform.messages.shown) {
            if (m.title != "Application Error") {
                texts << m.text;
            }
        }
        return texts;
    }
};

} // namespace fakes

// SPDX-License-Identifier: GPL-3.0-or-later
#include "groups/Form2.h"

#include "common/ColourSwatch.h"
#include "common/ErrorTrap.h"
#include "common/FieldText.h"
#include "common/LayoutDirection.h"
#include "common/QtColour.h"
#include "groups/GroupRules.h"
#include "groups/GroupStore.h"
#include "store/Columns.h"
#include "store/Statements.h"
#include "ui_Form2.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include <QCoreApplication>

namespace groups {

namespace {

const QString kAddCaption = QStringLiteral("Add");

} // namespace

Form2::Form2(common::CommandContext& context) : common::EditorWindow(context) {
    Ui::Form2 form;
    form.setupUi(this);
    common::mirrorForLayoutDirection(this);
    text1_ = form.Text1;
    text2_ = form.Text2;
    text3_ = form.Text3;
    text4_ = form.Text4;
    buttons_ = {form.PushButton1, form.PushButton2, form.PushButton3, form.PushButton4};
    labels_ = {form.Label1_0, form.Label1_1, form.Label1_2, form.Label1_3};
    prepareControls();

    // The design widths fit the captions in the designer's font; where this desktop's font runs
    // wider, a label grows to the right rather than cut its colon off.
    for (QLabel* label : labels_) {
        label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    }
    text1_->setFocus();

    connect(buttons_[0], &QPushButton::clicked, this, [this] { PushButton1_Click(); });
    connect(buttons_[1], &QPushButton::clicked, this, [this] { PushButton2_Click(); });
    connect(buttons_[2], &QPushButton::clicked, this, [this] { PushButton3_Click(); });
    connect(buttons_[3], &QPushButton::clicked, this, [this] { PushButton4_Click(); });
    finishLoad(QStringLiteral("Form2.Form_Load"));
}

void Form2::loadGroup(const store::ResultSet& rs) {
    mGroupName = common::fieldText(rs, store::column::groupcaption);
    text1_->setText(mGroupName);
    text2_->setText(common::fieldText(rs, store::column::groupdescription));
    text3_->setText(common::fieldText(rs, store::column::backgroundimage));
    text4_->setColour(common::colourFromCode(rs.field(store::column::grouptextcolor).toInt32()));
    setSaveCaption(QCoreApplication::translate("Vantory", "Update"));
    setWindowTitle(QCoreApplication::translate("Vantory", "Edit Group"));
}

void Form2::setSaveCaption(const QString& caption) {
    buttons_[2]->setText(caption);
    buttons_[2]->setAccessibleName(caption);
}

bool Form2::isAddMode() const {
    return buttons_[2]->text() == kAddCaption;
}

void Form2::PushButton1_Click() {
    common::Trap trap(context().services.messages, this, QStringLiteral("Form2.PushButton1_Click"));
    QString picture;
    trap.step(100, [&] {
        picture = context().services.dialogs.openFile(
            this, QCoreApplication::translate("Vantory", "Select Background Image"),
            QCoreApplication::translate("Vantory",
                                        "Picture Files (*.bmp;*.jpg;*.gif)|*.bmp;*.jpg;*.gif|"));
    });
    if (!picture.isEmpty()) {
        text3_->setText(picture);
    }
}

void Form2::PushButton2_Click() {
    common::Trap trap(context().services.messages, this, QStringLiteral("Form2.PushButton2_Click"));
    std::optional<QColor> chosen;
    // The dialog opens at the swatch's colour; a cancel leaves the swatch alone.
    trap.step(100, [&] {
        chosen = context().services.dialogs.chooseColour(
            this, QCoreApplication::translate("Vantory", "Select Color"), text4_->colour());
    });
    if (chosen) {
        text4_->setColour(*chosen);
    }
}

void Form2::PushButton3_Click() {
    common::Globals& globals = context().globals;
    common::Trap trap(context().services.messages, this, QStringLiteral("Form2.PushButton3_Click"));
    const QString name = text1_->text();
    const QString description = text2_->text();
    if (const std::optional<QString> refusal = groupInputRefusal(name, description)) {
        tell(*refusal);
        return;
    }
    const bool adding = isAddMode();
    if (adding) {
        // Kept before the lookup: the add command looks for this name even after a refusal.
        globals.gNewGroupName = name;
    }
    // An edit that keeps the name exactly as it was needs no lookup.
    if (adding || name != mGroupName) {
        const std::optional<QString> editedName =
            adding ? std::nullopt : std::optional<QString>(mGroupName);
        std::optional<QString> refusal;
        // When the lookup fails the error box has been shown: nothing is written and the editor
        // stays open.
        if (!trap.step(
                100, [&] { refusal = takenNameRefusal(globals.connection(), name, editedName); })) {
            return;
        }
        if (refusal) {
            tell(*refusal);
            return;
        }
    }
    const store::GroupRow row{name.toStdString(), description.toStdString(),
                              text3_->text().toStdString(),
                              common::codeFromColour(text4_->colour())};
    writeAndClose(
        trap, 102,
        [&] {
            if (adding) {
                store::insertGroup(globals.connection(), row);
            } else {
                updateGroupWithShortcuts(globals.connection(), mGroupName, row);
            }
        },
        104, [&] { context().window.loadGroups(); });
}

void Form2::PushButton4_Click() {
    reject();
}

} // namespace groups

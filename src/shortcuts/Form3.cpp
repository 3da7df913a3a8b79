// SPDX-License-Identifier: GPL-3.0-or-later
#include "shortcuts/Form3.h"

#include "common/ColourSwatch.h"
#include "common/ErrorTrap.h"
#include "common/FieldText.h"
#include "common/LayoutDirection.h"
#include "common/QtColour.h"
#include "common/TextFit.h"
#include "common/Twips.h"
#include "shortcuts/AddFolder.h"
#include "store/Codes.h"
#include "store/Columns.h"
#include "store/Statements.h"
#include "ui_Form3.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <stdexcept>

#include <QCoreApplication>

namespace shortcuts {

namespace {

// The window states in the order they are stored.
const char* const kOpenAs[] = {QT_TRANSLATE_NOOP("Vantory", "Normal"),
                               QT_TRANSLATE_NOOP("Vantory", "Minimized"),
                               QT_TRANSLATE_NOOP("Vantory", "Maximized")};

} // namespace

// What choosing a kind does to the rest of the window.
struct Form3::KindLayout {
    const char* targetCaption;
    bool browse;
    int targetWidthTwips;
    bool targetLocked;
    bool parameters;
    bool openAs;
    bool normal; // chooses "Normal" in the "Open As:" list
};

Form3::Form3(common::CommandContext& context) : ShortcutEditor(context) {
    Ui::Form3 form;
    form.setupUi(this);
    common::mirrorForLayoutDirection(this);
    frame1_ = form.Frame1;
    options_ = {form.Option1, form.Option2, form.Option3, form.Option4};
    text5_ = form.Text5;
    combo1_ = form.Combo1;
    takeSharedControls();
    for (QRadioButton* option : options_) {
        // Only the chosen kind is a tab stop, so Tab enters the kinds on it and the arrow keys
        // move among them. (Qt itself keeps the tab stop on the kind that last had focus, and
        // before any had focus on all four, so Tab came in on "Folder".)
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        connect(option, &QRadioButton::toggled, option, [option](bool on) {
            option->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
        });
    }

    // The kind buttons act when they become selected, by mouse, keyboard or from code.
    void (Form3::*handlers[])() = {&Form3::Option1_Click, &Form3::Option2_Click,
                                   &Form3::Option3_Click, &Form3::Option4_Click};
    for (int i = 0; i < 4; ++i) {
        connect(options_[i], &QRadioButton::toggled, this, [this, handler = handlers[i]](bool on) {
            if (on) {
                (this->*handler)();
            }
        });
    }

    Text1()->setFocus();

    Form_Load();
}

void Form3::Form_Load() {
    const QString location = QStringLiteral("Form3.Form_Load");
    finishLoad(location);
    common::Trap trap(context().services.messages, this, location);
    trap.step(108, [&] {
        for (const char* state : kOpenAs) {
            combo1_->addItem(QCoreApplication::translate("Vantory", state));
        }
    });
    trap.step(110, [&] { combo1_->setCurrentIndex(-1); });
    trap.step(112, [&] { Option2_Click(); });
}

void Form3::applyKind(const KindLayout& layout) {
    const QString caption = QCoreApplication::translate("Vantory", layout.targetCaption);
    setCaption(Label1(2), caption);
    // The target box is announced by its label's words.
    Text3()->setAccessibleName(caption.chopped(1));
    PushButton1()->setVisible(layout.browse);
    common::resizeKeepingLeadingEdge(Text3(),
                                     {common::twips(layout.targetWidthTwips), Text3()->height()});
    Text3()->setReadOnly(layout.targetLocked);
    Text3()->clear();
    Label1(4)->setEnabled(layout.parameters);
    text5_->setEnabled(layout.parameters);
    combo1_->setEnabled(layout.openAs);
    if (layout.normal) {
        combo1_->setCurrentIndex(0);
    }
    // The new caption may need the room the last one did not.
    common::fitTexts(this);
}

void Form3::Option1_Click() {
    applyKind({QT_TRANSLATE_NOOP("Vantory", "Folder Path:"), true, 3855, true, false, true, false});
}

void Form3::Option2_Click() {
    applyKind({QT_TRANSLATE_NOOP("Vantory", "File Path:"), true, 3855, true, true, true, false});
}

void Form3::Option3_Click() {
    applyKind(
        {QT_TRANSLATE_NOOP("Vantory", "URL Address:"), false, 4455, false, false, false, true});
}

void Form3::Option4_Click() {
    applyKind(
        {QT_TRANSLATE_NOOP("Vantory", "Email Address:"), false, 4455, false, false, false, true});
}

std::int16_t Form3::selectedKind() const {
    const std::int16_t kinds[] = {store::kind::Folder, store::kind::Application, store::kind::Url,
                                  store::kind::Email};
    for (int i = 0; i < 4; ++i) {
        if (options_[i]->isChecked()) {
            return kinds[i];
        }
    }
    return store::kind::Application;
}

void Form3::selectKind(std::int16_t kind) {
    if (kind >= store::kind::Folder && kind <= store::kind::Email) {
        Option(kind)->setChecked(true);
    }
}

void Form3::setOpenAs(int state) {
    if (state < -1 || state >= combo1_->count()) {
        throw std::out_of_range("Invalid property value");
    }
    combo1_->setCurrentIndex(state);
}

void Form3::PushButton1_Click() {
    platform::Services& services = context().services;
    common::Trap trap(services.messages, this, QStringLiteral("Form3.PushButton1_Click"));
    if (Option(1)->isChecked()) {
        QString folder;
        trap.step(100, [&] {
            folder = AddFolder::BrowseForFolder(
                services.dialogs, this, QCoreApplication::translate("Vantory", "Save Folder"),
                QString());
        });
        if (folder.isEmpty()) {
            return;
        }
        trap.step(104, [&] {
            services.settings.setValue(QStringLiteral("Vantory"), QStringLiteral("LastFolderDot"),
                                       folder);
        });
        // Folder targets always end with the separator.
        trap.step(106, [&] { Text3()->setText(folder.endsWith(u'/') ? folder : folder + u'/'); });
    } else if (Option(2)->isChecked()) {
        QString file;
        trap.step(108, [&] {
            file = services.dialogs.openFile(
                this, QCoreApplication::translate("Vantory", "Select Application File"),
                QCoreApplication::translate("Vantory", "Application Files (*.exe)|*.exe|"));
        });
        if (!file.isEmpty()) {
            trap.step(112, [&] { Text3()->setText(file); });
        }
    }
}

void Form3::loadShortcut(const store::ResultSet& rs, common::Trap& trap) {
    const auto text = [&rs](const char* column) { return common::fieldText(rs, column); };
    trap.step(130, [&] { mGroupSelected = text(store::column::groupcaption); });
    trap.step(132, [&] { mItemCaption = text(store::column::itemcaption); });
    trap.step(134, [&] { setOpenAs(rs.field(store::column::openas).toInt16()); });
    // The kind's layout clears the target, so the kind comes before the fields; URL and Mail
    // choose "Normal" here, whatever window state was stored.
    trap.step(136, [&] { selectKind(rs.field(store::column::itemtype).toInt16()); });
    trap.step(138, [&] { Text1()->setText(text(store::column::itemcaption)); });
    trap.step(140, [&] { Text2()->setText(text(store::column::itemdescription)); });
    trap.step(142, [&] { Text3()->setText(text(store::column::itempath)); });
    trap.step(144, [&] { text5_->setText(text(store::column::itemparameter)); });
    trap.step(146, [&] {
        Text4()->setColour(
            common::colourFromCode(rs.field(store::column::itemtextcolor).toInt32()));
    });
    trap.step(148, [&] { showAsEdit(); });
}

namespace {

store::ItemRow rowOf(const Form3& form) {
    store::ItemRow row;
    row.groupcaption = form.mGroupSelected.toStdString();
    row.itemcaption = form.Text1()->text().toStdString();
    row.itemdescription = form.Text2()->text().toStdString();
    row.itempath = form.Text3()->text().toStdString();
    row.itemparameter = form.Text5()->text().toStdString();
    row.itemtype = form.selectedKind();
    row.itemtextcolor = common::codeFromColour(form.Text4()->colour());
    row.openas = static_cast<std::int16_t>(form.Combo1()->currentIndex());
    return row;
}

} // namespace

void Form3::insertRow(store::Connection& db) {
    store::insertItem(db, rowOf(*this));
}

void Form3::updateRow(store::Connection& db) {
    store::updateItem(db, mItemCaption.toStdString(), rowOf(*this));
}

} // namespace shortcuts

// SPDX-License-Identifier: GPL-3.0-or-later
#include "groups/Form2.h"

#include "common/ColourSwatch.h"
#include "common/ErrorTrap.h"
#include "common/Messages.h"
#include "common/QtColour.h"
#include "common/Twips.h"
#include "groups/GroupRules.h"
#include "groups/GroupStore.h"
#include "store/Statements.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace groups {

namespace {

const QString kAddCaption = QStringLiteral("Add");

} // namespace

Form2::Form2(common::CommandContext& context)
    : common::EditorWindow(context, QStringLiteral("Form2"), QStringLiteral("Add Group"), 4680,
                           3300) {
    buildControls();
    finishLoad(QStringLiteral("Form2.Form_Load"));
}

void Form2::buildControls() {
    using common::twipsRect;
    text1_ = addText(QStringLiteral("Text1"), QStringLiteral("Group Name"),
                     twipsRect(120, 360, 4440, 345), false);
    text2_ = addText(QStringLiteral("Text2"), QStringLiteral("Description"),
                     twipsRect(120, 1080, 4440, 345), false);
    text3_ = addText(QStringLiteral("Text3"), QStringLiteral("Background Image"),
                     twipsRect(120, 1800, 3840, 345), true);
    buttons_[0] = addButton(QStringLiteral("PushButton1"), QStringLiteral("..."),
                            twipsRect(4080, 1800, 480, 345));
    // Three dots say little to a screen reader.
    buttons_[0]->setAccessibleName(QStringLiteral("Select Background Image"));
    text4_ = addSwatch(QStringLiteral("Text4"), QStringLiteral("Group Text Color"),
                       twipsRect(1680, 2280, 615, 405));
    buttons_[1] = addButton(QStringLiteral("PushButton2"), QStringLiteral("Select Color"),
                            twipsRect(2400, 2280, 2160, 405));
    buttons_[2] =
        addSaveButton(QStringLiteral("PushButton3"), kAddCaption, twipsRect(120, 2790, 2160, 405));
    buttons_[3] = addButton(QStringLiteral("PushButton4"), QStringLiteral("Cancel"),
                            twipsRect(2400, 2790, 2160, 405));

    labels_[0] = addLabel(QStringLiteral("Label1_0"), QStringLiteral("Group Name:"),
                          twipsRect(120, 120, 1095, 225), text1_);
    labels_[1] = addLabel(QStringLiteral("Label1_1"), QStringLiteral("Description:"),
                          twipsRect(120, 840, 1020, 225), text2_);
    labels_[2] = addLabel(QStringLiteral("Label1_2"), QStringLiteral("Background Image:"),
                          twipsRect(120, 1560, 1650, 225), text3_);
    labels_[3] = addLabel(QStringLiteral("Label1_3"), QStringLiteral("Group Text Color:"),
                          twipsRect(120, 2345, 1470, 225), text4_);

    // The design widths fit the captions in the designer's font; where this desktop's font runs
    // wider, a label grows to the right rather than cut its colon off.
    for (QLabel* label : labels_) {
        label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    }

    QWidget* const order[] = {text1_, text2_,      text3_,      buttons_[0],
                              text4_, buttons_[1], buttons_[2], buttons_[3]};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    text1_->setFocus();

    connect(buttons_[0], &QPushButton::clicked, this, [this] { PushButton1_Click(); });
    connect(buttons_[1], &QPushButton::clicked, this, [this] { PushButton2_Click(); });
    connect(buttons_[2], &QPushButton::clicked, this, [this] { PushButton3_Click(); });
    connect(buttons_[3], &QPushButton::clicked, this, [this] { PushButton4_Click(); });
}

void Form2::setSaveCaption(const QString& caption) {
    buttons_[2]->setText(caption);
    buttons_[2]->setAccessibleName(caption);
}

bool Form2::isAddMode() const {
    return buttons_[2]->text() == kAddCaption;
}

void Form2::tell(const QString& text) {
    common::tell(context().services, context().globals, this, text);
}

void Form2::PushButton1_Click() {
    common::Trap trap(context().services.messages, this, QStringLiteral("Form2.PushButton1_Click"));
    QString picture;
    trap.step(100, [&] {
        picture = context().services.dialogs.openFile(
            this, QStringLiteral("Select Background Image"),
            QStringLiteral("Picture Files (*.bmp;*.jpg;*.gif)|*.bmp;*.jpg;*.gif|"));
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
        chosen = context().services.dialogs.chooseColour(this, QStringLiteral("Select Color"),
                                                         text4_->colour());
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
        bool taken = false;
        // When the lookup fails the error box has been shown: nothing is written and the editor
        // stays open.
        if (!trap.step(100,
                       [&] { taken = groupNameTaken(globals.connection(), name, editedName); })) {
            return;
        }
        if (taken) {
            tell(QStringLiteral("Group Name already exists."));
            return;
        }
    }
    const store::GroupRow row{name.toStdString(), description.toStdString(),
                              text3_->text().toStdString(),
                              common::codeFromColour(text4_->colour())};
    const bool written = trap.step(102, [&] {
        if (adding) {
            store::insertGroup(globals.connection(), row);
        } else {
            updateGroupWithShortcuts(globals.connection(), mGroupName, row);
        }
    });
    if (!written) {
        // The error box has been shown; the input stays for another try or a cancel.
        return;
    }
    trap.step(104, [&] { context().window.loadGroups(); });
    accept();
}

void Form2::PushButton4_Click() {
    reject();
}

} // namespace groups

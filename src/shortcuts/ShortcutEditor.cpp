// SPDX-License-Identifier: GPL-3.0-or-later
#include "shortcuts/ShortcutEditor.h"

#include "common/ColourSwatch.h"
#include "common/ErrorTrap.h"
#include "common/Messages.h"
#include "shortcuts/ShortcutRules.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace shortcuts {

namespace {

const QString kAdd = QStringLiteral("Add");

} // namespace

ShortcutEditor::ShortcutEditor(common::CommandContext& context, const QString& objectName,
                               int widthTwips, int heightTwips, const EditorPlaces& places)
    : EditorWindow(context, objectName, QStringLiteral("Add Shortcut"), widthTwips, heightTwips) {
    text1_ = addText(QStringLiteral("Text1"), QStringLiteral("Caption"), places.text1, false);
    addLabel1(0, QStringLiteral("Caption:"), places.label0, text1_);
    text2_ = addText(QStringLiteral("Text2"), QStringLiteral("Description"), places.text2, false);
    addLabel1(1, QStringLiteral("Description:"), places.label1, text2_);
    text3_ = addText(QStringLiteral("Text3"), QStringLiteral("Folder Path"), places.text3, true);
    addLabel1(2, QStringLiteral("Folder Path:"), places.label2, text3_);
    pushButton1_ = addButton(QStringLiteral("PushButton1"), QStringLiteral("..."), places.browse);
    pushButton1_->setAccessibleName(QStringLiteral("Browse"));

    frame2_ = new QGroupBox(QStringLiteral("Font Color"), this);
    frame2_->setObjectName(QStringLiteral("Frame2"));
    frame2_->setGeometry(places.frame2);
    frame2_->installEventFilter(this);
    frame2_->setMouseTracking(true);
    text4_ = addSwatch(QStringLiteral("Text4"), QStringLiteral("Font Color"), {});
    putInFrame(text4_, frame2_, places.swatch);
    pushButton2_ = addButton(QStringLiteral("PushButton2"), QStringLiteral("Select Color"), {});
    putInFrame(pushButton2_, frame2_, places.colourButton);

    pushButton3_ = addSaveButton(QStringLiteral("PushButton3"), kAdd, places.save);
    pushButton4_ =
        addButton(QStringLiteral("PushButton4"), QStringLiteral("Cancel"), places.cancel);

    connect(pushButton1_, &QPushButton::clicked, this, [this] { PushButton1_Click(); });
    connect(pushButton2_, &QPushButton::clicked, this, [this] { PushButton2_Click(); });
    connect(pushButton3_, &QPushButton::clicked, this, [this] { PushButton3_Click(); });
    connect(pushButton4_, &QPushButton::clicked, this, [this] { PushButton4_Click(); });
}

QLabel* ShortcutEditor::addLabel1(int index, const QString& text, const QRect& place,
                                  QWidget* buddy) {
    QLabel* label = addLabel(QStringLiteral("Label1_%1").arg(index), text, place, buddy);
    setCaption(label, text);
    labels_.insert(index, label);
    return label;
}

void ShortcutEditor::setCaption(QLabel* label, const QString& text) {
    label->setText(text);
    // Captions may need more room in this desktop's fonts than the design gave them.
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
}

void ShortcutEditor::putInFrame(QWidget* control, QGroupBox* frame, const QRect& place) {
    control->setParent(frame);
    control->setGeometry(place);
}

void ShortcutEditor::tell(const QString& text) {
    common::tell(context().services, context().globals, this, text);
}

bool ShortcutEditor::isAddMode() const {
    return pushButton3_->text() == kAdd;
}

void ShortcutEditor::showAsEdit() {
    pushButton3_->setText(QStringLiteral("Update"));
    pushButton3_->setAccessibleName(pushButton3_->text());
    setWindowTitle(QStringLiteral("Edit Shortcut"));
}

void ShortcutEditor::PushButton2_Click() {
    common::Trap trap(context().services.messages, this,
                      objectName() + QStringLiteral(".PushButton2_Click"));
    std::optional<QColor> chosen;
    // The dialog opens at the swatch's colour; a cancel leaves the swatch as it was.
    trap.step(100, [&] {
        chosen = context().services.dialogs.chooseColour(this, QStringLiteral("Select Color"),
                                                         text4_->colour());
    });
    if (chosen) {
        trap.step(102, [&] { text4_->setColour(*chosen); });
    }
}

void ShortcutEditor::PushButton3_Click() {
    common::Trap trap(context().services.messages, this,
                      objectName() + QStringLiteral(".PushButton3_Click"));
    const QString caption = text1_->text();
    if (const std::optional<QString> refusal =
            inputRefusal(caption, text2_->text(), text3_->text())) {
        tell(*refusal);
        return;
    }
    common::Globals& globals = context().globals;
    if (isAddMode()) {
        if (trap.test(110, [&] {
                return captionTakenInCategory(globals.connection(), caption, mGroupSelected);
            })) {
            tell(QStringLiteral("Caption already exists in [") + mGroupSelected +
                 QStringLiteral("] group."));
            return;
        }
        // A write that fails keeps the editor open with everything the user typed.
        if (!trap.step(112, [&] { insertRow(globals.connection()); })) {
            return;
        }
    } else {
        if (caption != mItemCaption && trap.test(114, [&] {
                return captionTakenByAnother(globals.connection(), caption, mGroupSelected,
                                             mItemCaption);
            })) {
            tell(QStringLiteral("Caption already exists."));
            return;
        }
        if (!trap.step(116, [&] { updateRow(globals.connection()); })) {
            return;
        }
    }
    trap.step(118, [&] { context().window.loadItems(); });
    accept();
}

void ShortcutEditor::PushButton4_Click() {
    reject();
}

} // namespace shortcuts

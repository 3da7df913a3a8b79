// SPDX-License-Identifier: GPL-3.0-or-later
#include "shortcuts/ShortcutEditor.h"

#include "common/ColourSwatch.h"
#include "common/ErrorTrap.h"
#include "common/LayoutDirection.h"
#include "shortcuts/ShortcutRules.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include <QCoreApplication>

namespace shortcuts {

namespace {

const QString kAdd = QStringLiteral("Add");

} // namespace

ShortcutEditor::ShortcutEditor(common::CommandContext& context) : EditorWindow(context) {}

void ShortcutEditor::takeSharedControls() {
    const auto control = [this]<class Control>(Control*& into, const char* name) {
        into = findChild<Control*>(QString::fromLatin1(name));
        Q_ASSERT(into);
    };
    control(text1_, "Text1");
    control(text2_, "Text2");
    control(text3_, "Text3");
    control(text4_, "Text4");
    control(frame2_, "Frame2");
    control(pushButton1_, "PushButton1");
    control(pushButton2_, "PushButton2");
    control(pushButton3_, "PushButton3");
    control(pushButton4_, "PushButton4");
    prepareControls();
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->objectName().startsWith(u"Label1_")) {
            setCaption(label, label->text());
            labels_.insert(label->objectName().mid(7).toInt(), label);
        }
    }

    connect(pushButton1_, &QPushButton::clicked, this, [this] { PushButton1_Click(); });
    connect(pushButton2_, &QPushButton::clicked, this, [this] { PushButton2_Click(); });
    connect(pushButton3_, &QPushButton::clicked, this, [this] { PushButton3_Click(); });
    connect(pushButton4_, &QPushButton::clicked, this, [this] { PushButton4_Click(); });
}

void ShortcutEditor::setCaption(QLabel* label, const QString& text) {
    label->setText(text);
    // Captions may need more room in this desktop's fonts than the design gave them.
    common::resizeKeepingLeadingEdge(
        label, {std::max(label->width(), label->sizeHint().width()), label->height()});
}

bool ShortcutEditor::isAddMode() const {
    return pushButton3_->text() == kAdd;
}

void ShortcutEditor::showAsEdit() {
    pushButton3_->setText(QCoreApplication::translate("Vantory", "Update"));
    pushButton3_->setAccessibleName(pushButton3_->text());
    setWindowTitle(QCoreApplication::translate("Vantory", "Edit Shortcut"));
}

void ShortcutEditor::PushButton2_Click() {
    common::Trap trap(context().services.messages, this,
                      objectName() + QStringLiteral(".PushButton2_Click"));
    std::optional<QColor> chosen;
    // The dialog opens at the swatch's colour; a cancel leaves the swatch as it was.
    trap.step(100, [&] {
        chosen = context().services.dialogs.chooseColour(
            this, QCoreApplication::translate("Vantory", "Select Color"), text4_->colour());
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
    const bool adding = isAddMode();
    if (adding && trap.test(110, [&] {
            return captionTakenInCategory(globals.connection(), caption, mGroupSelected);
        })) {
        tell(QCoreApplication::translate("Vantory", "Caption already exists in [%1] group.")
                 .arg(mGroupSelected));
        return;
    }
    if (!adding && caption != mItemCaption && trap.test(114, [&] {
            return captionTakenByAnother(globals.connection(), caption, mGroupSelected,
                                         mItemCaption);
        })) {
        tell(QCoreApplication::translate("Vantory", "Caption already exists."));
        return;
    }
    writeAndClose(
        trap, adding ? 112 : 116,
        [&] {
            if (adding) {
                insertRow(globals.connection());
            } else {
                updateRow(globals.connection());
            }
        },
        118, [&] { context().window.loadItems(); });
}

void ShortcutEditor::PushButton4_Click() {
    reject();
}

} // namespace shortcuts

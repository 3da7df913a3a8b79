// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/CommandContext.h"

#include <QCursor>
#include <QDialog>
#include <QRect>
#include <QString>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace common {

class ColourSwatch;

// What the three editor windows share: a fixed-size modal dialog laid out in twips, centred on
// the screen, in Arial 9 pt bold on the button face, with the product icon, the hand pointer
// over its push buttons, Enter pressing its save button and Escape closing it like its Cancel
// button. Each editor builds its controls with the helpers below, then calls finishLoad() for
// its load steps.
class EditorWindow : public QDialog {
    Q_OBJECT

  public:
    // The window's client area in twips.
    EditorWindow(CommandContext& context, const QString& objectName, const QString& caption,
                 int widthTwips, int heightTwips);

    CommandContext& context() { return context_; }

  protected:
    // A label placed in twips that a screen reader announces for its buddy field.
    QLabel* addLabel(const QString& objectName, const QString& text, const QRect& where,
                     QWidget* buddy);
    // A one-line text box.
    QLineEdit* addText(const QString& objectName, const QString& accessibleName, const QRect& where,
                       bool readOnly);
    // A push button captioned in Arial 11.25 pt bold. Enter presses it while it has focus.
    QPushButton* addButton(const QString& objectName, const QString& caption, const QRect& where);
    // The save button ("Add" / "Update"): Enter anywhere else presses it, as a click would.
    QPushButton* addSaveButton(const QString& objectName, const QString& caption,
                               const QRect& where);
    // The locked box that shows the chosen caption colour and reads it out.
    ColourSwatch* addSwatch(const QString& objectName, const QString& accessibleName,
                            const QRect& where);

    // The load steps every editor shares: the hand pointer from the program folder when it is
    // there, the button face, the product icon. Runs under the editor's load trap (location).
    void finishLoad(const QString& location);

    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Names a control, puts it in place and lets the pointer rule watch it.
    void place(QWidget* control, const QString& objectName, const QRect& where);

    CommandContext& context_;
    std::optional<QCursor> hand_;
    bool centred_ = false;
};

} // namespace common

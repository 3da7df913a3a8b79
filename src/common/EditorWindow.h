// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/CommandContext.h"
#include "common/ErrorTrap.h"

#include <QCursor>
#include <QDialog>
#include <QString>
#include <optional>

namespace common {

// What the three editor windows share: a fixed-size modal dialog, centred on the screen, in
// Arial 9 pt bold on the button face, with the product icon, the hand pointer over its push
// buttons, Enter pressing its save button and Escape closing it like its Cancel button. Each
// editor's controls come from its Designer form; after setting the form up it calls
// prepareControls(), then finishLoad() for its load steps.
class EditorWindow : public QDialog {
    Q_OBJECT

  public:
    explicit EditorWindow(CommandContext& context);

    CommandContext& context() { return context_; }

  protected:
    // Tells the user something in the program's plain OK box over the editor.
    void tell(const QString& text);

    // The end of every editor's save: the write, then the main window showing it, then the
    // editor closes. A write that fails has shown its error box and keeps the editor open with
    // everything the user typed.
    void writeAndClose(Trap& trap, int writeLabel, Statement<void> write, int showLabel,
                       Statement<void> show);

    // Gives the form's controls their exact fonts and lets the pointer rule watch each of them.
    void prepareControls();

    // The load steps every editor shares: the hand pointer from the program folder when it is
    // there, the button face, the product icon. Runs under the editor's load trap (location).
    void finishLoad(const QString& location);

    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    CommandContext& context_;
    std::optional<QCursor> hand_;
    bool centred_ = false;
};

} // namespace common

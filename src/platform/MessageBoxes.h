// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace platform {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Exclamation, Question, Information, Critical };
enum class MessageAnswer { Ok, Yes, No };

// Modal message boxes: the one way the program shows a message; nothing else in platform/ shows
// one of its own. Texts are plain text and keep their CR LF line breaks; the desktop shows them
// as line breaks. The caller gives the title (the application title where the box names none
// of its own). show() returns once the user has answered and never throws; a box closed
// without a button counts as Ok, or as No for a Yes/No question.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(QWidget* owner, const QString& text, const QString& title,
                               MessageButtons buttons, MessageIcon icon) = 0;
};

} // namespace platform

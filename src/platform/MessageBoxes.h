// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace platform {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Exclamation, Question, Information, Critical };
enum class MessageAnswer { Ok, Yes, No };

// Modal message boxes. Texts keep their CR LF line breaks; the desktop shows them as line breaks.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(QWidget* owner, const QString& text, const QString& title,
                               MessageButtons buttons, MessageIcon icon) = 0;
};

} // namespace platform

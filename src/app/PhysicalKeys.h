// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QKeyEvent>
#include <QtGlobal>

namespace app {

// The key codes of the letter keys by where they sit on the keyboard, as this desktop reports
// them in QKeyEvent::nativeScanCode(): the X key code (the kernel's key number + 8), which X11
// and Wayland alike pass on whatever layout is active. Indexed from A to Z.
inline constexpr quint32 kLetterKeyCodes[26] = {
    38, 56, 54, 40, 26, 41, 42, 43, 31, 44, 45, 46, 58, // A to M
    57, 32, 33, 24, 27, 39, 28, 30, 55, 25, 53, 29, 52, // N to Z
};

// True when the key pressed is this letter (Qt::Key_A to Qt::Key_Z). A key that types a Latin
// letter, a digit or a sign decides by what it types, so Dvorak or AZERTY users press the L
// they see. A key that types a letter of another script (Russian, Greek) decides by its place:
// Ctrl+L then works on the key that carries L on a Latin keyboard, whatever layout is active.
inline bool isLetterKey(const QKeyEvent& event, Qt::Key letter) {
    if (letter < Qt::Key_A || letter > Qt::Key_Z) {
        return false;
    }
    const int typed = event.key();
    if (typed == letter) {
        return true;
    }
    const bool otherScript = typed > 0 && typed <= 0x10FFFF && QChar::isLetter(char32_t(typed)) &&
                             QChar::script(char32_t(typed)) != QChar::Script_Latin;
    return otherScript && event.nativeScanCode() != 0 &&
           event.nativeScanCode() == kLetterKeyCodes[letter - Qt::Key_A];
}

} // namespace app

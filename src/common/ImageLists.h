// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace common {

// The program's pictures, numbered from 1 in the order
// "computer", "folder", "program", "url", "email". Each is one icon shared by every node and
// shortcut; it holds PNG drawings at several sizes and decodes one only when it is first shown.
// Throws std::out_of_range for a number outside 1 to 5.
QIcon imageListIcon(int number);

// The program's own icon, for its windows.
QIcon productIcon();

} // namespace common

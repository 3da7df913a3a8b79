#pragma once

#include <QIcon>

namespace common {

// The program's pictures, numbered from 1 in the order
// "computer", "folder", "program", "url", "email". The same drawings serve at 16 and 32 pixels.
// Throws std::out_of_range for a number outside 1 to 5.
QIcon imageListIcon(int number);
QIcon productIcon();

} // namespace common

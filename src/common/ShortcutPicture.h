#pragma once

#include <QIcon>
#include <QString>
#include <cstdint>

namespace common {

// The picture a shortcut shows wherever it is listed, by its stored kind and target: today the
// program's picture of its kind ("program" for a shortcut file); one of an unknown kind shows
// the "computer" picture.
QIcon shortcutPicture(std::int16_t kind, const QString& path);

} // namespace common

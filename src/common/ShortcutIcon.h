// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TargetIcons.h"

#include <QIcon>
#include <QString>
#include <cstdint>

namespace common {

// The number of a shortcut kind's picture: the kind plus one, except that a file opened by the
// desktop shows the program picture. Throws std::out_of_range for a kind without a picture.
int kindPicture(std::int16_t kind);

// What a shortcut's entry shows: the desktop's icon for its target where the desktop knows one,
// else the picture numbered `picture`. Web and mail addresses always show their pictures.
QIcon shortcutIcon(platform::TargetIcons& icons, std::int16_t kind, const QString& path,
                   int picture);

} // namespace common

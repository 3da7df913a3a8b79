// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ShortcutIcon.h"

#include "common/ImageLists.h"
#include "store/Codes.h"

namespace common {

int kindPicture(std::int16_t kind) {
    const int picture = kind == store::kind::ShellFile ? 3 : kind + 1;
    imageListIcon(picture); // throws for a kind without a picture
    return picture;
}

QIcon shortcutIcon(platform::TargetIcons& icons, std::int16_t kind, const QString& path,
                   int picture) {
    using Target = platform::TargetIcons::Target;
    const QIcon fallback = imageListIcon(picture);
    switch (kind) {
    case store::kind::Folder:
        return icons.icon(Target::Folder, path, fallback);
    case store::kind::Application:
        return icons.icon(Target::Application, path, fallback);
    case store::kind::ShellFile:
        return icons.icon(Target::File, path, fallback);
    default:
        return fallback;
    }
}

} // namespace common

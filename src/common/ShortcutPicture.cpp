#include "common/ShortcutPicture.h"

#include "common/ImageLists.h"
#include "store/Codes.h"

namespace common {

QIcon shortcutPicture(std::int16_t kind, const QString& path) {
    // The target will choose its own picture once the desktop's icons are asked for it.
    Q_UNUSED(path);
    if (kind == store::kind::ShellFile) {
        return imageListIcon(store::kind::Application + 1);
    }
    if (kind >= store::kind::Folder && kind <= store::kind::Email) {
        return imageListIcon(kind + 1);
    }
    return imageListIcon(1);
}

} // namespace common

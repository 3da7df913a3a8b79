#include "app/ImageLists.h"

#include <array>
#include <stdexcept>

// The pictures live in a resource file of a static library, which the linker keeps only when
// something asks for it.
static void ensurePictures() {
    static const bool ready = [] {
        Q_INIT_RESOURCE(vantory);
        return true;
    }();
    (void)ready;
}

namespace app {

QIcon imageListIcon(int number) {
    static const std::array<const char*, 5> keys = {"computer", "folder", "program", "url",
                                                    "email"};
    if (number < 1 || number > static_cast<int>(keys.size())) {
        throw std::out_of_range("Index out of bounds");
    }
    ensurePictures();
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(keys[number - 1])));
}

QIcon productIcon() {
    ensurePictures();
    return QIcon(QStringLiteral(":/icons/vantory.svg"));
}

} // namespace app

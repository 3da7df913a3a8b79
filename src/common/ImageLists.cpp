#include "common/ImageLists.h"

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

namespace common {

namespace {

QIcon picture(const char* key) {
    ensurePictures();
    const QString file = QStringLiteral(":/icons/%1.svg").arg(QLatin1String(key));
    // A selected node or shortcut keeps its true colours; the highlight behind it marks it.
    QIcon icon;
    icon.addFile(file, QSize(), QIcon::Normal);
    icon.addFile(file, QSize(), QIcon::Selected);
    return icon;
}

} // namespace

QIcon imageListIcon(int number) {
    // One icon per picture, shared by every node and shortcut, so each size is drawn once.
    static const std::array<QIcon, 5> icons = {picture("computer"), picture("folder"),
                                               picture("program"), picture("url"),
                                               picture("email")};
    if (number < 1 || number > static_cast<int>(icons.size())) {
        throw std::out_of_range("Index out of bounds");
    }
    return icons[static_cast<std::size_t>(number - 1)];
}

QIcon productIcon() {
    return picture("vantory");
}

} // namespace common

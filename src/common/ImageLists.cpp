// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ImageLists.h"

#include <QApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

// The pictures live in a resource file of a static library, which the linker keeps only when
// something asks for it.
static void ensurePictures() {
    static const bool ready = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    (void)ready;
}

namespace common {

namespace {

// One picture drawn at several sizes, as :/pictures/NAME/SIZE.png. Nothing is read until a
// size is asked for; each size is decoded once and kept, shared by every copy of the icon.
// QIcon::addFile per drawn size would not do: its engine tints a selected picture, gives no
// size larger than the largest drawing, and offers the window system every drawn size.
class PictureEngine : public QIconEngine {
  public:
    PictureEngine(QString name, std::vector<int> windowSizes)
        : shared_(std::make_shared<Shared>()) {
        shared_->folder = QStringLiteral(":/pictures/") + name;
        shared_->windowSizes = std::move(windowSizes);
    }

    QIconEngine* clone() const override { return new PictureEngine(*this); }

    QString key() const override { return QStringLiteral("VantoryPicture"); }

    // The drawings scale to any size, so every size asked for is given exactly.
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        return side > 0 ? QSize(side, side) : QSize();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        if (side <= 0) {
            return {};
        }
        // A selected picture keeps its true colours: the highlight behind it marks it.
        if (mode != QIcon::Disabled) {
            return normal(side);
        }
        QPixmap& disabled = shared_->disabled[side];
        if (disabled.isNull()) {
            disabled = disabledLook(normal(side));
        }
        return disabled;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        const int side = std::min(rect.width(), rect.height());
        QPixmap picture = pixmap(QSize(side, side) * ratio, mode, state);
        picture.setDevicePixelRatio(ratio);
        QRect place(0, 0, side, side);
        place.moveCenter(rect.center());
        painter->drawPixmap(place, picture);
    }

    // The sizes the window system is offered for a window icon (it asks for each one).
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        const std::vector<int>& drawn = drawnSizes();
        const std::vector<int>& wanted =
            shared_->windowSizes.empty() ? drawn : shared_->windowSizes;
        for (const int side : wanted) {
            if (std::find(drawn.begin(), drawn.end(), side) != drawn.end()) {
                sizes.append(QSize(side, side));
            }
        }
        return sizes;
    }

    bool isNull() override { return drawnSizes().empty(); }

  private:
    struct Shared {
        QString folder;
        std::vector<int> windowSizes;
        std::map<int, QPixmap> normal;
        std::map<int, QPixmap> disabled;
    };

    // The sizes every picture is drawn at, ascending, as the build drew them.
    static const std::vector<int>& drawnSizes() {
        static const std::vector<int> drawn = [] {
            std::vector<int> sizes{VANTORY_PICTURE_SIZE_LIST};
            std::sort(sizes.begin(), sizes.end());
            return sizes;
        }();
        return drawn;
    }

    QPixmap decoded(int side) const {
        ensurePictures();
        QImageReader reader(QStringLiteral("%1/%2.png").arg(shared_->folder).arg(side), "png");
        // The format is known: asked to tell it, Qt would load every image plugin to ask each.
        reader.setAutoDetectImageFormat(false);
        return QPixmap::fromImage(reader.read());
    }

    // The drawing made for this size, or the next larger one scaled down (the largest scaled
    // up when none is large enough).
    QPixmap normal(int side) {
        QPixmap& kept = shared_->normal[side];
        if (!kept.isNull()) {
            return kept;
        }
        const std::vector<int>& drawn = drawnSizes();
        if (drawn.empty()) {
            return {};
        }
        const auto fit = std::lower_bound(drawn.begin(), drawn.end(), side);
        const int source = fit != drawn.end() ? *fit : drawn.back();
        if (source == side) {
            kept = decoded(side);
        } else {
            QPixmap& larger = shared_->normal[source];
            if (larger.isNull()) {
                larger = decoded(source);
            }
            kept = larger.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        return kept;
    }

    // The style's own disabled look, as Qt's icons get it.
    static QPixmap disabledLook(const QPixmap& picture) {
        if (picture.isNull() ||
            qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
            return picture;
        }
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(QIcon::Disabled, picture, &option);
    }

    std::shared_ptr<Shared> shared_;
};

QIcon picture(const char* name, std::vector<int> windowSizes = {}) {
    return QIcon(new PictureEngine(QLatin1String(name), std::move(windowSizes)));
}

} // namespace

QIcon imageListIcon(int number) {
    // One icon per picture, shared by every node and shortcut, so each size is decoded once.
    static const std::array<QIcon, 5> icons = {picture("computer"), picture("folder"),
                                               picture("program"), picture("url"),
                                               picture("email")};
    if (number < 1 || number > static_cast<int>(icons.size())) {
        throw std::out_of_range("Index out of bounds");
    }
    return icons[static_cast<std::size_t>(number - 1)];
}

QIcon productIcon() {
    // The window system is given the sizes a task bar and a window switcher draw; larger ones
    // come from the installed icon theme through the desktop entry. Each size offered is drawn
    // and sent to the window system when the window opens.
    static const QIcon icon = picture("vantory", {16, 32, 48});
    return icon;
}

} // namespace common

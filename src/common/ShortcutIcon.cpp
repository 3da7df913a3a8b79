// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ShortcutIcon.h"

#include "common/ImageLists.h"
#include "store/Codes.h"

#include <QIconEngine>
#include <QPainter>
#include <algorithm>

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

bool kindHasFileTarget(std::int16_t kind) {
    return kind == store::kind::Folder || kind == store::kind::Application ||
           kind == store::kind::ShellFile;
}

bool targetIsMissing(std::int16_t kind, const QString& path, platform::FileKind found) {
    // What the file system did not answer for in time may well be there.
    if (found == platform::FileKind::Unanswered) {
        return false;
    }
    switch (kind) {
    case store::kind::Folder:
        return found == platform::FileKind::Missing;
    case store::kind::Application:
        return found != platform::FileKind::File;
    case store::kind::ShellFile:
        // Anything else (an address, a name the desktop finds) is the desktop's to judge.
        return path.startsWith(QLatin1Char('/')) && found == platform::FileKind::Missing;
    default:
        return false;
    }
}

bool targetIsMissing(platform::FileSystem& files, std::int16_t kind, const QString& path) {
    return kindHasFileTarget(kind) && targetIsMissing(kind, path, files.kindOf(path));
}

namespace {

// Draws the marked picture at whatever size the view asks for.
class MissingTargetEngine : public QIconEngine {
  public:
    explicit MissingTargetEngine(QIcon icon) : icon_(std::move(icon)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State state) override {
        icon_.paint(painter, rect, Qt::AlignCenter, QIcon::Disabled, state);
        // A red disc with a white cross in the lower right corner.
        const int side = std::max(6, rect.width() * 7 / 16);
        const QRect badge(rect.right() + 1 - side, rect.bottom() + 1 - side, side, side);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(0xC6, 0x28, 0x28));
        painter->drawEllipse(badge);
        QPen cross(Qt::white, std::max(1.5, side / 6.0), Qt::SolidLine, Qt::RoundCap);
        painter->setPen(cross);
        const QRectF inner =
            QRectF(badge).adjusted(side * 0.3, side * 0.3, -side * 0.3, -side * 0.3);
        painter->drawLine(inner.topLeft(), inner.bottomRight());
        painter->drawLine(inner.topRight(), inner.bottomLeft());
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return picture;
    }

    QIconEngine* clone() const override { return new MissingTargetEngine(icon_); }

  private:
    QIcon icon_;
};

} // namespace

QIcon missingTargetIcon(const QIcon& icon) {
    return QIcon(new MissingTargetEngine(icon));
}

} // namespace common

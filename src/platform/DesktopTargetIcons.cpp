// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopTargetIcons.h"

#include "platform/IconLookup.h"

#include <QIconEngine>
#include <QPainter>

namespace platform {

namespace {

// A target's icon that looks the target up when the icon is first drawn: the list lays its
// entries out by the fallback picture's size alone, so filling it reads no file, and only the
// entries that show are ever looked up.
class TargetIconEngine : public QIconEngine {
  public:
    TargetIconEngine(std::shared_ptr<IconLookup> lookup, TargetIcons::Target target, QString path,
                     QIcon fallback)
        : lookup_(std::move(lookup)), target_(target), path_(std::move(path)),
          fallback_(std::move(fallback)) {}

    QIconEngine* clone() const override { return new TargetIconEngine(*this); }
    QString key() const override { return QStringLiteral("VantoryTargetIcon"); }
    bool isNull() override { return false; }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return fallback_.actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return shown().pixmap(size, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        shown().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

  private:
    const QIcon& shown() {
        if (!shown_) {
            const QIcon found = lookup_->find(target_, path_);
            shown_ = found.isNull() ? fallback_ : found;
        }
        return *shown_;
    }

    std::shared_ptr<IconLookup> lookup_;
    TargetIcons::Target target_;
    QString path_;
    QIcon fallback_;
    std::optional<QIcon> shown_;
};

} // namespace

DesktopTargetIcons::DesktopTargetIcons() : lookup_(std::make_shared<IconLookup>()) {}

DesktopTargetIcons::~DesktopTargetIcons() = default;

QIcon DesktopTargetIcons::icon(Target target, const QString& path, const QIcon& fallback) {
    return QIcon(new TargetIconEngine(lookup_, target, path, fallback));
}

} // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopTargetIcons.h"

#include "platform/IconLookup.h"

#include <QIconEngine>
#include <QPainter>

namespace platform {

struct DesktopTargetIcons::State {
    State(TargetLookups::Locate locate, std::chrono::milliseconds timeLimit)
        : lookups(std::move(locate), timeLimit) {}
    TargetLookups lookups;
    IconLookup icons;
};

namespace {

// A target's icon that asks for the target to be looked up when the icon is first drawn: the
// list lays its entries out by the fallback picture's size alone, so filling it reads no file,
// and only the entries that show are ever looked up. Until the answer comes the fallback shows.
class TargetIconEngine : public QIconEngine {
  public:
    TargetIconEngine(std::shared_ptr<DesktopTargetIcons::State> state, TargetIcons::Target target,
                     QString path, QIcon fallback)
        : state_(std::move(state)), target_(target), path_(std::move(path)),
          fallback_(std::move(fallback)) {}

    QIconEngine* clone() const override { return new TargetIconEngine(*this); }
    QString key() const override { return QStringLiteral("VantoryTargetIcon"); }
    bool isNull() override { return false; }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return fallback_.actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return shown(nullptr).pixmap(size, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        QWidget* widget = painter->device()->devType() == QInternal::Widget
                              ? static_cast<QWidget*>(painter->device())
                              : nullptr;
        shown(widget).paint(painter, rect, Qt::AlignCenter, mode, state);
    }

  private:
    const QIcon& shown(QWidget* repaint) {
        if (!shown_) {
            const std::optional<IconSource> source =
                state_->lookups.answer(target_, path_, repaint);
            if (!source) {
                return fallback_;
            }
            const QIcon found = state_->icons.load(*source);
            shown_ = found.isNull() ? fallback_ : found;
        }
        return *shown_;
    }

    std::shared_ptr<DesktopTargetIcons::State> state_;
    TargetIcons::Target target_;
    QString path_;
    QIcon fallback_;
    std::optional<QIcon> shown_;
};

} // namespace

DesktopTargetIcons::DesktopTargetIcons(TargetLookups::Locate locate,
                                       std::chrono::milliseconds timeLimit)
    : state_(std::make_shared<State>(std::move(locate), timeLimit)) {}

DesktopTargetIcons::~DesktopTargetIcons() = default;

QIcon DesktopTargetIcons::icon(Target target, const QString& path, const QIcon& fallback) {
    return QIcon(new TargetIconEngine(state_, target, path, fallback));
}

bool DesktopTargetIcons::lookupsPending() const {
    return state_->lookups.pending();
}

} // namespace platform

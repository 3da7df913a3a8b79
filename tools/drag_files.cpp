// SPDX-License-Identifier: GPL-3.0-or-later
// Offers the files named on its command line for dragging, as a file manager does: a window
// listing them; a drag that starts anywhere in it carries all of them as text/uri-list. For
// trying file drops on a desktop without a file manager (the desktop checks use it).
//
//   drag_files FILE...

#include <QApplication>
#include <QDrag>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <cstdio>

namespace {

class DragSource : public QLabel {
  public:
    explicit DragSource(QList<QUrl> files) : files_(std::move(files)) {
        QStringList names;
        for (const QUrl& file : files_) {
            names << file.toLocalFile();
        }
        setTextFormat(Qt::PlainText);
        setText(names.join(QLatin1Char('\n')));
        setMargin(24);
        setWindowTitle(QStringLiteral("Drag files"));
    }

  protected:
    void mousePressEvent(QMouseEvent* event) override { start_ = event->position().toPoint(); }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (!(event->buttons() & Qt::LeftButton) ||
            (event->position().toPoint() - start_).manhattanLength() <
                QApplication::startDragDistance()) {
            return;
        }
        auto* drag = new QDrag(this);
        auto* data = new QMimeData;
        data->setUrls(files_);
        drag->setMimeData(data);
        const Qt::DropAction done = drag->exec(Qt::CopyAction | Qt::LinkAction, Qt::CopyAction);
        std::printf("drag ended: %s\n", done == Qt::IgnoreAction ? "refused" : "dropped");
        std::fflush(stdout);
    }

  private:
    QList<QUrl> files_;
    QPoint start_;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral("org.mellovan.DragFiles"));
    QList<QUrl> files;
    for (const QString& name : QApplication::arguments().mid(1)) {
        files << QUrl::fromLocalFile(QFileInfo(name).absoluteFilePath());
    }
    if (files.isEmpty()) {
        std::fprintf(stderr, "usage: drag_files FILE...\n");
        return 2;
    }
    DragSource source(files);
    source.resize(400, 200);
    source.show();
    return QApplication::exec();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopDialogs.h"

#include "platform/ExecutableFilter.h"
#include "platform/FileFilter.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>

namespace platform {

QString DesktopDialogs::openFile(QWidget* owner, const QString& title, const QString& filter) {
    const DesktopFileFilter desktop = toDesktopFileFilter(filter);
    QFileDialog dialog(owner, title);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(desktop.nameFilters);
    if (desktop.executablesOnly) {
        // Only Qt's own dialog can hide files by their permissions.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setProxyModel(new ExecutableFilter(&dialog));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return QDir::cleanPath(dialog.selectedFiles().constFirst());
}

std::optional<QColor> DesktopDialogs::chooseColour(QWidget* owner, const QString& title,
                                                   const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, owner, title);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return chosen;
}

QString DesktopDialogs::chooseFolder(QWidget* owner, const QString& title,
                                     const QString& startFolder) {
    const QString chosen = QFileDialog::getExistingDirectory(owner, title, startFolder);
    return chosen.isEmpty() ? QString() : QDir::cleanPath(chosen);
}

} // namespace platform

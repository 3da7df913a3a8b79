// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/MainHelpers.h"

#include "common/Painting.h"

#include "platform/Environment.h"
#include "platform/FileSystem.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>

namespace Main {

QString SpecialFolderPath(platform::Environment& env, int folder) {
    return env.specialFolderPath(folder).remove(QChar(u'\0')).trimmed();
}

bool FileExists(platform::FileSystem& files, const QString& path) {
    return files.exists(path);
}

QString StripExtension(const QString& text) {
    if (text.isEmpty()) {
        return text;
    }
    const qsizetype dot = text.lastIndexOf(u'.');
    return dot >= 1 ? text.left(dot) : text;
}

QString FileNameFromPath(const QString& text) {
    const qsizetype slash = text.lastIndexOf(QDir::separator());
    return slash < 0 ? text : text.mid(slash + 1);
}

namespace {

bool takesButtonFace(const QWidget* w) {
    return qobject_cast<const QGroupBox*>(w) || qobject_cast<const QLabel*>(w) ||
           qobject_cast<const QRadioButton*>(w) || qobject_cast<const QCheckBox*>(w);
}

} // namespace

void ApplyButtonFace(QWidget* window) {
    const QColor face = QApplication::palette().color(QPalette::Button);
    common::paintBackground(window, face);
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (takesButtonFace(child)) {
            common::paintBackground(child, face);
        }
    }
}

void ApplySkin(platform::FileSystem& files, const QString& programFolder, QWidget* mainWindow) {
    const QString skin = programFolder + QString::fromLatin1(kSkinFile);
    if (!files.isNormalFile(skin)) {
        return;
    }
    ApplyButtonFace(mainWindow);
    // A skin is a Qt style sheet for the main window.
    mainWindow->setStyleSheet(files.readText(skin));
}

QString ShortenTitle(const QString& productName) {
    // A name without a space has nowhere to be cut and stays whole.
    QString title = productName;
    do {
        const qsizetype space = title.lastIndexOf(u' ');
        if (space < 0) {
            break;
        }
        title = title.left(space);
    } while (title.size() > 40);
    return title;
}

} // namespace Main

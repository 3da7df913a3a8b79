// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace platform {
class Environment;
class FileSystem;
} // namespace platform

// Small helpers shared by the windows.
namespace Main {

// The path of a numbered special folder, "" when there is none.
QString SpecialFolderPath(platform::Environment& env, int folder);
// True for an existing file or folder; never fails.
bool FileExists(platform::FileSystem& files, const QString& path);
// The text without its last extension; a leading dot is not an extension.
QString StripExtension(const QString& text);
// The part of a path after its last separator.
QString FileNameFromPath(const QString& text);
// The skin file beside the program, relative to the program folder.
inline constexpr char kSkinFile[] = "/x/o.cjs";
// Dresses the main window from the skin file when there is one.
void ApplySkin(platform::FileSystem& files, const QString& programFolder, QWidget* mainWindow);
// Gives a window and its frames, labels, option buttons and check boxes the button-face colour.
void ApplyButtonFace(QWidget* window);
// The application title: the product name cut at spaces to 40 characters or fewer.
QString ShortenTitle(const QString& productName);

} // namespace Main

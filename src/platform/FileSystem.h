#pragma once

#include <QString>

namespace platform {

// The file system as the program sees it. Paths use "/" as separator.
// The throwing operations raise PlatformError with a message a user understands.
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // True for an existing file or folder; never throws.
    virtual bool exists(const QString& path) = 0;
    // True for an existing regular file, or a link to one: not a folder, named pipe, socket or
    // device. Never throws.
    virtual bool isNormalFile(const QString& path) = 0;
    // Creates a folder and every folder above it that is missing.
    virtual void createFolder(const QString& path) = 0;
    // Copies a file; never overwrites an existing target.
    virtual void copyFile(const QString& from, const QString& to) = 0;
    virtual QString readText(const QString& path) = 0;
};

} // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileSystem.h"

#include <chrono>
#include <memory>

namespace platform {

// How long the window waits for the file system to say what a path is: well under a second,
// so that a click on a target that never answers is told about before the user clicks again.
inline constexpr std::chrono::milliseconds kFileAnswerTimeLimit{400};

// Another file system asked beside the window's thread with a time limit, so that a path on a
// network mount that hangs, or one that is slow to wake, never holds the window: what did not
// answer in time is FileKind::Unanswered. A path in or under a folder that still holds an
// earlier, given-up question is Unanswered at once rather than waited on again. Making
// folders, copying and reading files are passed on as they are.
class TimedFileSystem : public FileSystem {
  public:
    explicit TimedFileSystem(std::shared_ptr<FileSystem> inner,
                             std::chrono::milliseconds timeLimit = kFileAnswerTimeLimit);
    ~TimedFileSystem() override;
    TimedFileSystem(const TimedFileSystem&) = delete;
    TimedFileSystem& operator=(const TimedFileSystem&) = delete;

    FileFacts inspect(const QString& path) override;
    FileKind kindOf(const QString& path) override;
    std::vector<FileKind> kindsOf(const QStringList& paths) override;
    void createFolder(const QString& path) override;
    void copyFile(const QString& from, const QString& to) override;
    QString readText(const QString& path) override;

  private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
    std::chrono::milliseconds timeLimit_;
};

} // namespace platform

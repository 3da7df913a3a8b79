// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace store {

// Opens `path` for reading without ever waiting on it (a named pipe, a device) and refuses
// anything but a regular file: the descriptor, or -1 with `why` set.
int openRegularFile(const std::filesystem::path& path, std::string& why);

// Copies every byte from the descriptor `from` (read from its start) into `to`, then flushes
// `to` to the disk; "" when done, else what went wrong.
std::string copyBytes(int from, int to);

// Copies the regular file `from` into `to`, replacing what `to` held; "" when done.
std::string copyFile(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace store

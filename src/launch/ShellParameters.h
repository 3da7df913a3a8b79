// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <variant>

namespace launch {

// Why a parameter text could not be split; GLib's own explanation.
struct ParameterError {
    QString reason;
    bool operator==(const ParameterError&) const = default;
};

// Splits a parameter text into program arguments by POSIX shell quoting: single and double
// quotes group words, a backslash takes the next character literally. Nothing is expanded or
// run: $(...), ;, |, ~, * and # reach the program as the characters they are. Empty or
// white-space-only text gives no arguments; an unclosed quote is an error.
std::variant<QStringList, ParameterError> splitParameters(const QString& text);

} // namespace launch

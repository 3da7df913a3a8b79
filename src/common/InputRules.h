// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <initializer_list>
#include <optional>

namespace common {

// One rule an editor applies to what was typed: whether the input breaks it, and what the user
// is told then, as a source text of the "Vantory" translations.
struct InputRule {
    bool broken;
    const char* message;
};

// The rules every editor shares: the catalogue's fields take no text that is too long and no
// quote mark.
InputRule tooLongRule(const QString& first, const QString& second);
InputRule quoteMarkRule(const QString& first, const QString& second);

// The translated message of the first rule the input breaks, in the order given; none when it
// breaks none.
std::optional<QString> firstBrokenRule(std::initializer_list<InputRule> rules);

} // namespace common

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <compare>
#include <cstdint>
#include <string>

namespace vsync {

// When a value was set, by hybrid logical time: wall-clock milliseconds, a counter for changes
// within one millisecond (or while the wall clock lags behind a time already seen), and the
// computer that set it, which breaks ties. Stamps compare in that order; the zero stamp is
// older than every real one.
struct Stamp {
    std::int64_t millis = 0;
    std::uint32_t counter = 0;
    std::string computer;

    auto operator<=>(const Stamp&) const = default;
    bool isZero() const { return millis == 0 && counter == 0 && computer.empty(); }
};

// Hands out stamps that never go backwards, even when the wall clock does, and that come after
// every stamp this computer has seen from the others.
class HybridClock {
  public:
    HybridClock(std::string computer, Stamp last) : computer_(std::move(computer)), last_(last) {}
    // A new stamp later than every stamp issued or witnessed so far.
    Stamp tick(std::int64_t wallMillis);
    // Moves the clock past a stamp set elsewhere.
    void witness(const Stamp& stamp);
    const Stamp& last() const { return last_; }

  private:
    std::string computer_;
    Stamp last_;
};

} // namespace vsync

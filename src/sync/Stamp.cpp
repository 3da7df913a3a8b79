// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/Stamp.h"

namespace vsync {

Stamp HybridClock::tick(std::int64_t wallMillis) {
    if (wallMillis > last_.millis) {
        last_ = {wallMillis, 0, computer_};
    } else {
        last_ = {last_.millis, last_.counter + 1, computer_};
    }
    return last_;
}

void HybridClock::witness(const Stamp& stamp) {
    if (stamp.millis > last_.millis ||
        (stamp.millis == last_.millis && stamp.counter > last_.counter)) {
        last_ = {stamp.millis, stamp.counter, computer_};
    }
}

} // namespace vsync

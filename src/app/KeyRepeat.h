// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyEvent>
#include <unordered_map>

namespace app {

// Tells the presses that a held key repeats from the user's own presses. Qt marks repeats
// (QKeyEvent::isAutoRepeat), but on X11 it misses some: there a repeat comes as a release and a
// press of the key at the same moment, and Qt only notices when both have already arrived. A
// press at the very moment of the same key's last release is therefore a repeat too.
class KeyRepeat {
  public:
    // Every key release the window sees.
    void noteRelease(const QKeyEvent& release) {
        if (release.timestamp() != 0) {
            releasedAt_[keyOf(release)] = release.timestamp();
        }
    }

    // True for a key press that only repeats a held key.
    bool isRepeat(const QKeyEvent& press) const {
        if (press.isAutoRepeat()) {
            return true;
        }
        const auto released = releasedAt_.find(keyOf(press));
        return press.timestamp() != 0 && released != releasedAt_.end() &&
               released->second == press.timestamp();
    }

  private:
    // The key by its place when the desktop tells it, else by what it types.
    static quint64 keyOf(const QKeyEvent& event) {
        return event.nativeScanCode() != 0 ? event.nativeScanCode()
                                           : (quint64(1) << 32) | quint32(event.key());
    }

    std::unordered_map<quint64, quint64> releasedAt_;
};

} // namespace app

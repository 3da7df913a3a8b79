#pragma once

#include <string>
#include <thread>

namespace store {

// Loads what opening the catalogue first needs (ICU's collation rules for the locale, SQLite's
// own set-up) on a thread of its own while the program builds its window, so that the open does
// not wait for it. Later collators for the locale come from ICU's cache. Joins when destroyed.
class WarmUp {
  public:
    explicit WarmUp(std::string collationLocale);
    ~WarmUp();
    WarmUp(const WarmUp&) = delete;
    WarmUp& operator=(const WarmUp&) = delete;

  private:
    std::thread thread_;
};

} // namespace store

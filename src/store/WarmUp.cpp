#include "store/WarmUp.h"

#include "store/NameCollator.h"
#include "store/StoreError.h"

#include <sqlite3.h>

namespace store {

WarmUp::WarmUp(std::string collationLocale)
    : thread_([locale = std::move(collationLocale)] {
          sqlite3_initialize();
          try {
              const NameCollator names(locale);
          } catch (const StoreError&) {
              // The open itself reports a locale that cannot be loaded.
          }
      }) {}

WarmUp::~WarmUp() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

} // namespace store

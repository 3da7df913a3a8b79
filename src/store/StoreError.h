// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// Marks an English message template for the translators (lupdate reads it as it reads
// QT_TRANSLATE_NOOP). The store never translates: the window that tells the user does.
#define STORE_TEXT(context, text) text

namespace store {

// A message for the user as a template and the values that fill its %1, %2, ...: paths, names
// and the system's own words, which are never translated.
struct Message {
    const char* text = nullptr; // marked with STORE_TEXT; none for a message of plain words
    std::vector<std::string> arguments;

    // The message in English.
    std::string english() const;
};

// A failure of the catalogue; what() is a message a user understands, message() the same for
// translating.
class StoreError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
    explicit StoreError(Message message)
        : std::runtime_error(message.english()), message_(std::move(message)) {}

    const Message& message() const { return message_; }

  private:
    Message message_;
};

inline StoreError catalogueNotOpen() {
    return StoreError(Message{STORE_TEXT("Vantory", "The catalogue is not open."), {}});
}

// The catalogue file is so damaged that not even its tables can be read.
class DamagedCatalogueError : public StoreError {
  public:
    using StoreError::StoreError;
};

// The catalogue is held by another running Vantory.
class CatalogueInUse : public StoreError {
  public:
    using StoreError::StoreError;
};

} // namespace store

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sync/State.h"

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vsync {

// The catalogue rows as they were when this computer last merged, by row id: what the program
// wrote, so that any later difference is a change made on this computer.
struct SeenRow {
    RowKind kind = RowKind::Category;
    std::vector<std::string> values;

    bool operator==(const SeenRow&) const = default;
};
using Seen = std::map<std::string, SeenRow>;

// What one file holds. A computer's file in the shared folder carries the identity and the
// state; the record kept on the computer itself adds what it last saw and merged.
struct StateDocument {
    std::string computer;     // the random id of the computer that wrote it
    std::string computerName; // its host name, for people
    State state;

    // Only in the computer's own record, never in the shared folder.
    Stamp clock = {};                      // the clock when it wrote
    std::string folder = {};               // the folder last merged with
    std::int64_t mergedAt = 0;             // wall-clock milliseconds of the last merge
    std::vector<std::string> sources = {}; // the computers' names that merge read
    std::uint64_t sharedCheck = 0;         // fileCheck() of the file it last wrote into the folder
    Seen seen = {};
};

enum class DocumentKind { Shared, Local };

// The text of a document: a first line naming the format and its version, one line per row in
// the order of their ids (so the same state always gives the same bytes), and a last line that
// counts the lines and checks their bytes, so that a file cut short or garbled is known as such.
std::string writeDocument(const StateDocument& document, DocumentKind kind);

class UnreadableFile : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};
// The file was written by a newer Vantory, in a format this one does not know.
class NewerFormat : public UnreadableFile {
  public:
    using UnreadableFile::UnreadableFile;
};

// A check of a file's bytes, to tell whether a file is still the one written.
std::uint64_t fileCheck(std::string_view bytes);

// Reads a document; throws NewerFormat, or UnreadableFile for anything torn or malformed.
StateDocument readDocument(std::string_view text, DocumentKind kind);

} // namespace vsync

// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/StateFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

namespace vsync {

namespace {

constexpr int kVersion = 1;

std::string_view formatName(DocumentKind kind) {
    return kind == DocumentKind::Shared ? "vantory-state" : "vantory-local";
}

} // namespace

std::uint64_t fileCheck(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

namespace {

// Values may hold any text: tab, line ends and backslash are escaped.
void appendEscaped(std::string& out, std::string_view value) {
    for (const char c : value) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
}

std::string unescaped(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            out += value[i];
            continue;
        }
        if (++i == value.size()) {
            throw UnreadableFile("a value ends in the middle of an escape");
        }
        switch (value[i]) {
        case '\\':
            out += '\\';
            break;
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            throw UnreadableFile("a value holds an unknown escape");
        }
    }
    return out;
}

// Each value after a tab, escaped: the fields of a line.
template <class Values> void appendFields(std::string& out, const Values& values) {
    for (const auto& value : values) {
        out += '\t';
        appendEscaped(out, value);
    }
}

void appendStamp(std::string& out, const Stamp& stamp) {
    if (stamp.isZero()) {
        out += '0';
        return;
    }
    out += std::to_string(stamp.millis);
    out += '.';
    out += std::to_string(stamp.counter);
    out += '.';
    out += stamp.computer;
}

template <typename Number> Number parseNumber(std::string_view text) {
    Number n{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        throw UnreadableFile("a number cannot be read");
    }
    return n;
}

Stamp parseStamp(std::string_view text) {
    if (text == "0") {
        return {};
    }
    const std::size_t first = text.find('.');
    const std::size_t second = text.find('.', first == std::string_view::npos ? 0 : first + 1);
    if (first == std::string_view::npos || second == std::string_view::npos ||
        second + 1 >= text.size()) {
        throw UnreadableFile("a time stamp cannot be read");
    }
    return {parseNumber<std::int64_t>(text.substr(0, first)),
            parseNumber<std::uint32_t>(text.substr(first + 1, second - first - 1)),
            std::string(text.substr(second + 1))};
}

std::vector<std::string_view> splitTabs(std::string_view line) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        parts.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) {
            return parts;
        }
        start = tab + 1;
    }
}

char kindLetter(RowKind kind) {
    return kind == RowKind::Category ? 'C' : 'S';
}

RowKind kindOf(std::string_view letter) {
    if (letter == "C") {
        return RowKind::Category;
    }
    if (letter == "S") {
        return RowKind::Shortcut;
    }
    throw UnreadableFile("a row of an unknown kind");
}

} // namespace

std::string writeDocument(const StateDocument& document, DocumentKind kind) {
    std::string out;
    out.reserve(document.state.size() * 200);
    std::size_t lines = 0;
    const auto endLine = [&] {
        out += '\n';
        ++lines;
    };
    out += formatName(kind);
    out += ' ';
    out += std::to_string(kVersion);
    endLine();
    out += "computer";
    appendFields(out, std::array<std::string_view, 2>{document.computer, document.computerName});
    endLine();
    if (kind == DocumentKind::Local) {
        out += "clock\t";
        appendStamp(out, document.clock);
        endLine();
        out += "folder\t";
        appendEscaped(out, document.folder);
        endLine();
        out += "written\t" + std::to_string(document.sharedCheck);
        endLine();
        out += "merged\t" + std::to_string(document.mergedAt);
        appendFields(out, document.sources);
        endLine();
    }
    for (const auto& [id, row] : document.state) {
        out += kindLetter(row.kind);
        out += '\t';
        out += id;
        out += '\t';
        appendStamp(out, row.deleted);
        for (const Field& field : row.fields) {
            out += '\t';
            appendStamp(out, field.stamp);
            out += '\t';
            appendEscaped(out, field.value);
        }
        endLine();
    }
    if (kind == DocumentKind::Local) {
        for (const auto& [id, row] : document.seen) {
            out += "V\t";
            out += kindLetter(row.kind);
            out += '\t';
            out += id;
            appendFields(out, row.values);
            endLine();
        }
    }
    char check[64];
    std::snprintf(check, sizeof check, "end\t%zu\t%016llx\n", lines,
                  static_cast<unsigned long long>(fileCheck(out)));
    out += check;
    return out;
}

StateDocument readDocument(std::string_view text, DocumentKind kind) {
    const std::string_view name = formatName(kind);
    if (text.substr(0, name.size() + 1) != std::string(name) + ' ') {
        throw UnreadableFile("it is not a Vantory state file");
    }
    const std::size_t firstEnd = text.find('\n');
    const int version = parseNumber<int>(text.substr(name.size() + 1, firstEnd - name.size() - 1));
    if (version > kVersion) {
        throw NewerFormat("it was written by a newer Vantory (format " + std::to_string(version) +
                          ")");
    }
    // The last line counts the lines before it and checks their bytes: a file cut short, or
    // changed by anything but Vantory, fails here before any of it is used.
    if (text.size() < 2 || text.back() != '\n') {
        throw UnreadableFile("it is cut short");
    }
    const std::size_t lastStart = text.rfind('\n', text.size() - 2) + 1;
    const std::vector<std::string_view> last =
        splitTabs(text.substr(lastStart, text.size() - lastStart - 1));
    const std::string_view body = text.substr(0, lastStart);
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(fileCheck(body)));
    if (last.size() != 3 || last[0] != "end" || last[2] != hash ||
        parseNumber<std::size_t>(last[1]) !=
            static_cast<std::size_t>(std::count(body.begin(), body.end(), '\n'))) {
        throw UnreadableFile("it is cut short or damaged");
    }

    StateDocument document;
    std::size_t start = firstEnd + 1;
    while (start < body.size()) {
        const std::size_t end = body.find('\n', start);
        const std::vector<std::string_view> parts = splitTabs(body.substr(start, end - start));
        start = end + 1;
        const std::string_view tag = parts[0];
        if (tag == "computer" && parts.size() == 3) {
            document.computer = unescaped(parts[1]);
            document.computerName = unescaped(parts[2]);
        } else if (tag == "clock" && parts.size() == 2) {
            document.clock = parseStamp(parts[1]);
        } else if (tag == "folder" && parts.size() == 2) {
            document.folder = unescaped(parts[1]);
        } else if (tag == "written" && parts.size() == 2) {
            document.sharedCheck = parseNumber<std::uint64_t>(parts[1]);
        } else if (tag == "merged" && parts.size() >= 2) {
            document.mergedAt = parseNumber<std::int64_t>(parts[1]);
            for (std::size_t i = 2; i < parts.size(); ++i) {
                document.sources.push_back(unescaped(parts[i]));
            }
        } else if ((tag == "C" || tag == "S") && parts.size() >= 3) {
            Row row;
            row.kind = kindOf(tag);
            if (parts.size() != 3 + 2 * fieldCount(row.kind)) {
                throw UnreadableFile("a row has the wrong number of fields");
            }
            row.deleted = parseStamp(parts[2]);
            row.fields.resize(fieldCount(row.kind));
            for (std::size_t i = 0; i < row.fields.size(); ++i) {
                row.fields[i] = {unescaped(parts[4 + 2 * i]), parseStamp(parts[3 + 2 * i])};
            }
            document.state.insert_or_assign(std::string(parts[1]), std::move(row));
        } else if (tag == "V" && parts.size() >= 3) {
            SeenRow row;
            row.kind = kindOf(parts[1]);
            if (parts.size() != 3 + fieldCount(row.kind)) {
                throw UnreadableFile("a row has the wrong number of fields");
            }
            for (std::size_t i = 3; i < parts.size(); ++i) {
                row.values.push_back(unescaped(parts[i]));
            }
            document.seen.insert_or_assign(std::string(parts[2]), std::move(row));
        } else {
            // Lines of kinds this version does not know come only from a newer one.
            throw UnreadableFile("a line cannot be read");
        }
    }
    if (document.computer.empty()) {
        throw UnreadableFile("it names no computer");
    }
    return document;
}

} // namespace vsync

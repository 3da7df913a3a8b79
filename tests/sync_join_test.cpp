// SPDX-License-Identifier: GPL-3.0-or-later
// States joined in any order, any number of times, agree; their files read back or are refused.

#include "sync/StateFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

using namespace vsync;

namespace {

Stamp at(std::int64_t millis, const char* computer, std::uint32_t counter = 0) {
    return {millis, counter, computer};
}

Row shortcutRow(const std::string& caption, const Stamp& stamp, const Stamp& deleted = {}) {
    Row row;
    row.kind = RowKind::Shortcut;
    row.fields.assign(shortcut::FieldCount, {"", stamp});
    row.fields[shortcut::Category] = {"g1", stamp};
    row.fields[shortcut::Caption] = {caption, stamp};
    row.deleted = deleted;
    return row;
}

// Three computers' views: the same rows changed, deleted and made anew, with ties on time.
std::array<State, 3> threeStates() {
    State a, b, c;
    a["s1"] = shortcutRow("Chess", at(10, "aa"));
    b["s1"] = shortcutRow("Chess", at(10, "aa"));
    b["s1"].fields[shortcut::Description] = {"by b", at(20, "bb")};
    c["s1"] = shortcutRow("Chess", at(10, "aa"), at(15, "cc"));
    c["s1"].fields[shortcut::Path] = {"/by/c", at(20, "cc")}; // same time as b: c breaks the tie
    a["s2"] = shortcutRow("Mines", at(30, "aa"), at(5, "bb"));
    b["s2"] = shortcutRow("Mines", at(1, "aa"), at(40, "bb"));
    c["s3"] = shortcutRow("Go", at(50, "cc", 3));
    a["s3"] = shortcutRow("Go!", at(50, "cc", 3)); // one stamp, two values: a forged history
    return {a, b, c};
}

TEST(SyncJoin, AnyOrderAndRepetitionGivesTheSameState) {
    std::array<State, 3> states = threeStates();
    std::array<int, 3> order{0, 1, 2};
    std::string first;
    State joined;
    do {
        joined.clear();
        for (const int i : order) {
            join(joined, states[i]);
            EXPECT_FALSE(join(joined, states[i])); // idempotent
        }
        // Associative: joining a join gives the same.
        State pair = states[order[1]];
        join(pair, states[order[2]]);
        State grouped = states[order[0]];
        join(grouped, pair);
        const std::string text = writeDocument({"x", "", joined}, DocumentKind::Shared);
        EXPECT_EQ(writeDocument({"x", "", grouped}, DocumentKind::Shared), text);
        if (first.empty()) {
            first = text;
        }
        EXPECT_EQ(text, first);
    } while (std::next_permutation(order.begin(), order.end()));

    const Row& chess = joined.at("s1");
    EXPECT_TRUE(chess.alive()); // changed after its deletion
    EXPECT_EQ(chess.fields[shortcut::Description].value, "by b");
    EXPECT_EQ(chess.fields[shortcut::Path].value, "/by/c");
    EXPECT_FALSE(joined.at("s2").alive()); // deleted after its last change
    EXPECT_EQ(joined.at("s3").fields[shortcut::Caption].value, "Go!");
}

TEST(SyncJoin, ClockNeverGoesBackAndPassesWhatItSaw) {
    HybridClock clock("me", {});
    const Stamp first = clock.tick(1000);
    const Stamp behind = clock.tick(900); // the wall clock went back
    EXPECT_GT(behind, first);
    clock.witness(at(5000, "other", 7));
    const Stamp after = clock.tick(1200);
    EXPECT_GT(after, at(5000, "other", 7));
    EXPECT_EQ(after.computer, "me");
}

TEST(SyncStateFile, ReadsBackExactlyAndRefusesWhatItCannotTrust) {
    StateDocument document{"c0ffee", "ann's laptop", threeStates()[1]};
    document.state["s1"].fields[shortcut::Description].value = "tab\there\nline \\ end";
    const std::string text = writeDocument(document, DocumentKind::Shared);
    const StateDocument back = readDocument(text, DocumentKind::Shared);
    EXPECT_EQ(back.computerName, "ann's laptop");
    EXPECT_EQ(writeDocument(back, DocumentKind::Shared), text);

    std::string newer = text;
    newer.replace(0, std::string("vantory-state 1").size(), "vantory-state 2");
    EXPECT_THROW(readDocument(newer, DocumentKind::Shared), NewerFormat);
    const struct {
        const char* what;
        std::string text;
    } damaged[] = {
        {"cut short", text.substr(0, text.size() / 2)},
        {"last line missing", text.substr(0, text.rfind("end\t"))},
        {"a byte changed",
         [&] {
             std::string t = text;
             t[t.find("Chess")] = 'K';
             return t;
         }()},
        {"empty", ""},
        {"another format", "{\"rows\": []}\n"},
        {"the computer's own record", writeDocument(document, DocumentKind::Local)},
    };
    for (const auto& file : damaged) {
        EXPECT_THROW(readDocument(file.text, DocumentKind::Shared), UnreadableFile) << file.what;
    }
}

} // namespace

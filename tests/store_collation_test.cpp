// SPDX-License-Identifier: GPL-3.0-or-later
// How the catalogue compares and sorts names: ICU rules for the reader's language.

#include "store/Connection.h"
#include "store/NameCollator.h"
#include "store/Statements.h"

#include "fakes/StoreFiles.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

using namespace store;
using namespace fakes;

namespace {

// Sets locale variables for one test and puts the old values back afterwards.
class LocaleEnvironment {
  public:
    LocaleEnvironment() {
        for (const char* name : kNames) {
            const char* value = std::getenv(name);
            saved_[name] = value ? std::optional<std::string>(value) : std::nullopt;
            ::unsetenv(name);
        }
    }
    ~LocaleEnvironment() {
        for (const auto& [name, value] : saved_) {
            if (value) {
                ::setenv(name.c_str(), value->c_str(), 1);
            } else {
                ::unsetenv(name.c_str());
            }
        }
    }
    void set(const char* name, const char* value) { ::setenv(name, value, 1); }

  private:
    static constexpr const char* kNames[] = {"LC_ALL", "LC_COLLATE", "LANG"};
    std::map<std::string, std::optional<std::string>> saved_;
};

std::vector<std::string> groupNamesIn(Connection& db) {
    std::vector<std::string> names;
    for (ResultSet rs = selectAllGroups(db); !rs.eof(); rs.moveNext()) {
        names.push_back(rs.field("groupcaption").text());
    }
    return names;
}

} // namespace

TEST(NameCollator, IgnoresCaseInEveryScriptButNotAccents) {
    const NameCollator root("");
    EXPECT_EQ(root.actualLocale(), "root");
    EXPECT_EQ(root.compare("Games", "gAMES"), 0);
    EXPECT_EQ(root.compare("ÄRZTE", "ärzte"), 0);
    EXPECT_EQ(root.compare("ΣΟΦΟΣ", "σοφος"), 0);
    EXPECT_EQ(root.compare("ΆΈΉ", "άέή"), 0);
    EXPECT_EQ(root.compare("МОСКВА ЁЛКА", "москва ёлка"), 0);
    EXPECT_EQ(root.compare("ՀԱՅ", "հայ"), 0);
    EXPECT_EQ(root.compare("ＡＢＣ", "ａｂｃ"), 0);
    EXPECT_EQ(root.compare("ＡＢＣ", "abc"), 0) << "full-width letters differ in width only";
    EXPECT_EQ(root.compare("", ""), 0);

    // Accents, spaces and punctuation count.
    EXPECT_NE(root.compare("Arzte", "Ärzte"), 0);
    EXPECT_NE(root.compare("Ά", "Α"), 0);
    EXPECT_NE(root.compare("a b", "ab"), 0);
    EXPECT_NE(root.compare("Straße", "STRASSE"), 0) << "sharp s differs from ss like an accent";

    EXPECT_LT(root.compare("apple", "Banana"), 0);
    EXPECT_GT(root.compare("Banana", "apple"), 0);
    EXPECT_LT(root.compare("abc", "ABCD"), 0);
    EXPECT_GT(root.compare("abcd", "ABC"), 0);
    EXPECT_LT(root.compare("", "a"), 0);
    EXPECT_LT(root.compare("ärzte", "Zahn"), 0) << "a reader's order, not code points";
    EXPECT_LT(root.compare("Ärzte", "éclair"), 0);
    EXPECT_LT(root.compare("Arzte", "Ärzte"), 0) << "the plain letter first";

    // Bytes that are not UTF-8 equal only themselves and never a character.
    EXPECT_EQ(root.compare("a\xFF", "A\xFF"), 0);
    EXPECT_LT(root.compare("\xFE", "\xFF"), 0);
    EXPECT_GT(root.compare("\xFF", "\xFE"), 0);
    EXPECT_NE(root.compare("\xFF", "\xEF\xBF\xBD"), 0) << "a bad byte is not U+FFFD itself";
    EXPECT_NE(root.compare("\xC3", "\xC3\x83"), 0);     // cut-short sequence
    EXPECT_NE(root.compare("\xC0\xC1", "A"), 0);        // overlong encoding
    EXPECT_NE(root.compare("\xED\xA0\x80", "\xED"), 0); // encoded surrogate
    EXPECT_GT(root.compare("a\xFF", "a\xC3\xBF"), 0);   // invalid sorts after letters
    EXPECT_EQ(root.compare("\xC3"
                           "A",
                           "\xC3"
                           "a"),
              0); // decoding resumes after it
}

TEST(NameCollator, FollowsTheReadersLanguage) {
    // German: umlauts sort with their base letter; letter case never matters.
    const NameCollator german("de_DE.UTF-8");
    EXPECT_EQ(german.actualLocale(), "root") << "German needs no rules beyond the root order";
    EXPECT_LT(german.compare("Ärzte", "Zoo"), 0);
    EXPECT_EQ(german.compare("ärzte", "Ärzte"), 0);
    EXPECT_LT(german.compare("Ärzte", "Bäcker"), 0);

    // Swedish: Ä is a letter of its own after Z.
    const NameCollator swedish("sv_SE");
    EXPECT_EQ(swedish.actualLocale(), "sv");
    EXPECT_GT(swedish.compare("Ärzte", "Zoo"), 0);
    EXPECT_EQ(swedish.compare("ärzte", "Ärzte"), 0);

    // Turkish pairs dotted İ with i and dotless I with ı. Elsewhere İ is I with a dot above, an
    // accent that counts, and ı a letter of its own.
    const NameCollator turkish("tr_TR.UTF-8");
    EXPECT_EQ(turkish.actualLocale(), "tr");
    EXPECT_EQ(turkish.compare("İstanbul", "istanbul"), 0);
    EXPECT_EQ(turkish.compare("ISPARTA", "ısparta"), 0);
    EXPECT_NE(turkish.compare("ISPARTA", "isparta"), 0);
    EXPECT_LT(turkish.compare("ılık", "ilik"), 0);
    const NameCollator root("C");
    EXPECT_NE(root.compare("İstanbul", "istanbul"), 0);
    EXPECT_EQ(root.compare("ISTANBUL", "istanbul"), 0);
    EXPECT_NE(root.compare("ISPARTA", "ısparta"), 0);
    EXPECT_NE(german.compare("İstanbul", "istanbul"), 0);

    // Greek: final sigma is a form of sigma, so a word compares equal whichever sigma it ends in,
    // in Greek and in every other language.
    for (const NameCollator* c : {&root, &german}) {
        EXPECT_EQ(c->compare("ΟΔΟΣ", "οδος"), 0);
        EXPECT_EQ(c->compare("ΟΔΟΣ", "οδοσ"), 0);
        EXPECT_EQ(c->compare("οδος", "οδοσ"), 0);
    }
    const NameCollator greek("el");
    EXPECT_EQ(greek.compare("ΟΔΟΣ", "οδοσ"), 0);
    EXPECT_NE(greek.compare("οδός", "οδος"), 0) << "the tonos counts";

    // Combining accents: precomposed and decomposed spellings are one name.
    EXPECT_EQ(root.compare("Caf\xC3\xA9", "CAFE\xCC\x81"), 0);
    EXPECT_EQ(root.compare("\xC3\x85ngstr\xC3\xB6m", "A\xCC\x8Angstro\xCC\x88m"), 0);
    EXPECT_NE(root.compare("Cafe", "CAFE\xCC\x81"), 0);
    EXPECT_EQ(root.compare("q\xCC\xA3\xCC\x87", "Q\xCC\x87\xCC\xA3"), 0)
        << "combining marks in either canonical order";

    // A locale ICU has no rules for falls back to the root order.
    EXPECT_EQ(NameCollator("xx_YY").actualLocale(), "root");
    EXPECT_EQ(NameCollator("POSIX").actualLocale(), "root");
}

TEST(NameCollator, QuickComparisonOrdersAsTheCollator) {
    // Every text of one or two printable ASCII characters, and of three from letters some
    // languages join or reorder ("ch" in Czech, "aa" in Danish, "y" in Lithuanian, I and i in
    // Turkish), case, digits and punctuation, which Thai ignores.
    std::vector<std::string> texts{""};
    for (int c = 0x20; c < 0x7f; ++c) {
        for (int d = 0x1f; d < 0x7f; ++d) {
            texts.push_back(d < 0x20 ? std::string(1, char(c)) : std::string{char(c), char(d)});
        }
    }
    for (char c : std::string("aAchyIiLz 1-.")) {
        for (const char* two : {"aa", "Ch", "cH", "yI", "i1", "L.", "z-", " z"}) {
            texts.push_back(std::string(two) + c);
        }
    }
    for (const char* locale : {"", "da", "cs", "lt", "tr", "hu", "cy", "th"}) {
        const NameCollator names(locale);
        std::vector<std::string> simple;
        std::copy_if(texts.begin(), texts.end(), std::back_inserter(simple),
                     [&names](const std::string& text) { return names.simple(text); });
        std::stable_sort(simple.begin(), simple.end(), [&names](const auto& a, const auto& b) {
            return names.compareSimple(a, b) < 0;
        });
        // Sorted quickly, each text after the one before as the collator has it: then all are.
        for (std::size_t i = 1; i < simple.size(); ++i) {
            const int full = names.compare(simple[i - 1], simple[i]);
            ASSERT_EQ(names.compareSimple(simple[i - 1], simple[i]), full < 0 ? -1 : full > 0)
                << locale << ": \"" << simple[i - 1] << "\" and \"" << simple[i] << "\"";
        }
        if (std::string(locale).empty()) {
            EXPECT_EQ(simple.size(), texts.size()) << "the root order takes all of them";
        }
    }
    EXPECT_FALSE(NameCollator("").simple("Caf\xC3\xA9"));
}

TEST(NameCollator, TakesTheLocaleFromTheEnvironment) {
    LocaleEnvironment environment;
    EXPECT_EQ(NameCollator::localeFromEnvironment(), "");
    environment.set("LANG", "de_DE.UTF-8");
    EXPECT_EQ(NameCollator::localeFromEnvironment(), "de_DE");
    environment.set("LC_COLLATE", "sv_SE.utf8@euro");
    EXPECT_EQ(NameCollator::localeFromEnvironment(), "sv_SE");
    environment.set("LC_ALL", "tr_TR");
    EXPECT_EQ(NameCollator::localeFromEnvironment(), "tr_TR");
    environment.set("LC_ALL", "");
    EXPECT_EQ(NameCollator::localeFromEnvironment(), "sv_SE") << "an empty variable is unset";
    environment.set("LC_COLLATE", "C.UTF-8");
    EXPECT_EQ(NameCollator::localeFromEnvironment(), "");
}

TEST(StoreCollation, CatalogueComparesAndSortsByTheLocale) {
    TempFolder folder;
    const std::string path = copyOf(blankTemplate(), folder, "names.mdb");
    {
        Connection db;
        db.open(path, {.collationLocale = "tr"});
        for (const char* name : {"Zoo", "İstanbul", "Ärzte", "apps", "CAFE\xCC\x81", "ΟΔΟΣ"}) {
            insertGroup(db, {name, "", "", 0});
        }
        EXPECT_FALSE(selectGroup(db, "istanbul").eof());
        EXPECT_TRUE(selectGroup(db, "ıstanbul").eof());
    }
    {
        Connection db;
        db.open(path, {.collationLocale = "de"});
        EXPECT_EQ(groupNamesIn(db), (std::vector<std::string>{"apps", "Ärzte", "CAFE\xCC\x81",
                                                              "İstanbul", "Zoo", "ΟΔΟΣ"}));
        EXPECT_FALSE(selectGroup(db, "ärzte").eof());
        EXPECT_TRUE(selectGroup(db, "istanbul").eof()) << "the dot above counts outside Turkish";
        EXPECT_FALSE(selectGroup(db, "Caf\xC3\xA9").eof()) << "precomposed finds decomposed";
        EXPECT_TRUE(selectGroup(db, "Cafe").eof());
        EXPECT_FALSE(selectGroup(db, "οδος").eof());
        EXPECT_FALSE(selectGroup(db, "οδοσ").eof());
        deleteGroup(db, "café");
        EXPECT_TRUE(selectGroup(db, "CAFÉ").eof());
    }
    {
        LocaleEnvironment environment;
        environment.set("LANG", "sv_SE.UTF-8");
        Connection db;
        db.open(path);
        EXPECT_EQ(groupNamesIn(db),
                  (std::vector<std::string>{"apps", "İstanbul", "Zoo", "Ärzte", "ΟΔΟΣ"}))
            << "the reader's language from the environment";
    }
    // The file stays a plain SQLite database without indexes that a changed NOCASE could break.
    sqlite3* plain = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.c_str(), &plain, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt* stmt = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(plain,
                                 "select (select count(*) from sqlite_schema where type='index'),"
                                 " (select count(*) from tblGroups where groupcaption='APPS')",
                                 -1, &stmt, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_step(stmt), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(stmt, 0), 0);
    EXPECT_EQ(sqlite3_column_int(stmt, 1), 1) << "the built-in NOCASE still folds A to Z";
    sqlite3_finalize(stmt);
    sqlite3_close(plain);
}

namespace {

// Names that sort in every interesting way: case, accents in both spellings, scripts, digits,
// spacing, and bytes that are not UTF-8.
const std::vector<std::string> kTrickyNames = {"",
                                               " ",
                                               "a",
                                               "A",
                                               "\xC3\xA1",
                                               "\xC3\x81",
                                               "a\xCC\x81",
                                               "b",
                                               "B",
                                               "ab",
                                               "a b",
                                               "a-b",
                                               "a_b",
                                               "\xC3\x84rzte",
                                               "Zoo",
                                               "zoo",
                                               "\xC4\xB0stanbul",
                                               "istanbul",
                                               "\xC4\xB1stanbul",
                                               "\xCE\x9F\xCE\x94\xCE\x9F\xCE\xA3",
                                               "\xCE\xBF\xCE\xB4\xCE\xBF\xCF\x82",
                                               "\xE6\x97\xA5\xE6\x9C\xAC",
                                               "10",
                                               "9",
                                               "document 00001.txt",
                                               "document 0001",
                                               "x\xFF",
                                               "x\xFE",
                                               "x\xC3",
                                               "x\xC3(",
                                               "\xE2\x82",
                                               "\xE2\x82\xAC",
                                               "x\xFF\xFF",
                                               "x",
                                               "\xF0\x9F\x98\x80",
                                               "e\xCC\x81\xCC\xA3",
                                               "e\xCC\xA3\xCC\x81",
                                               "stra\xC3\x9F"
                                               "e",
                                               "strasse"};

std::vector<std::string> itemCaptionsBySql(Connection& db, const std::string& group) {
    std::vector<std::string> captions;
    for (ResultSet rs = db.query("select itemcaption from tblItems where groupcaption=? "
                                 "order by itemcaption",
                                 {group});
         !rs.eof(); rs.moveNext()) {
        captions.push_back(rs.field("itemcaption").text());
    }
    return captions;
}

} // namespace

TEST(StoreCollation, ShortcutsAndCategoriesReadInTheOrderSqlWouldSortThem) {
    TempFolder folder;
    const std::string path = copyOf(blankTemplate(), folder, "order.mdb");
    Connection db;
    db.open(path, {.collationLocale = "de"});
    for (const std::string& name : kTrickyNames) {
        insertGroup(db, {name, "", "", 0});
        insertItem(db, {"All", name, "", "/", " ", 5, 0, 0});
    }

    // Names the collator holds equal ("a", "A") may come in either order; every name comes, and
    // each comes where SQLite's own sort puts its kind.
    const auto sameOrder = [&db](const std::vector<std::string>& mine,
                                 const std::vector<std::string>& sqls) {
        ASSERT_EQ(mine.size(), sqls.size());
        EXPECT_TRUE(std::is_permutation(mine.begin(), mine.end(), sqls.begin()));
        for (std::size_t i = 0; i < mine.size(); ++i) {
            EXPECT_EQ(db.compareNames(mine[i], sqls[i]), 0)
                << i << ": \"" << mine[i] << "\" where SQLite puts \"" << sqls[i] << "\"";
        }
    };
    std::vector<std::string> items;
    for (ResultSet rs = selectItemsOfGroup(db, "All"); !rs.eof(); rs.moveNext()) {
        items.push_back(rs.field("itemcaption").text());
    }
    sameOrder(items, itemCaptionsBySql(db, "All"));
    std::vector<std::string> groups;
    for (ResultSet rs = selectGroupNamesAndColours(db); !rs.eof(); rs.moveNext()) {
        groups.push_back(rs.field("groupcaption").text());
    }
    sameOrder(groups, groupNamesIn(db));

    // Values that are not text, in a table that holds anything, sort as SQLite sorts them.
    db.execute("create table anything (x)");
    for (const char* value : {"'b'", "3", "null", "2.5", "'A'", "-1", "'a\xCC\x81'", "1e300"}) {
        db.execute(std::string("insert into anything values (") + value + ")");
    }
    ResultSet mine = db.query("select x from anything");
    mine.sortBy("x",
                [&db](std::string_view a, std::string_view b) { return db.compareNames(a, b); });
    for (ResultSet sql = db.query("select x from anything order by x collate nocase"); !sql.eof();
         sql.moveNext(), mine.moveNext()) {
        ASSERT_FALSE(mine.eof());
        EXPECT_EQ(mine.field("x").isNull(), sql.field("x").isNull());
        EXPECT_EQ(mine.field("x").text(), sql.field("x").text());
    }
    EXPECT_TRUE(mine.eof());

    // Sorted by collation keys, as large lists are, the rows come in exactly the same order,
    // ties between names the collator holds equal included.
    db.execute("insert into anything select itemcaption from tblItems");
    const auto compare = [&db](std::string_view a, std::string_view b) {
        return db.compareNames(a, b);
    };
    ResultSet byCompare = db.query("select x from anything");
    byCompare.sortBy("x", compare);
    ResultSet byKey = db.query("select x from anything");
    byKey.sortBy("x", compare, [names = db.nameCollator()](std::string_view t, std::string& keys) {
        names->appendSortKey(t, keys);
    });
    // So do they with plain names compared from the table of places, the others by key.
    const auto names = db.nameCollator();
    ResultSet byPlaces = db.query("select x from anything");
    byPlaces.sortBy(
        "x", compare,
        [&names](std::string_view t, std::string& keys) { names->appendSortKey(t, keys); },
        {[&names](std::string_view t) { return names->simple(t); },
         [&names](std::string_view a, std::string_view b) { return names->compareSimple(a, b); }});
    for (; !byCompare.eof(); byCompare.moveNext(), byKey.moveNext(), byPlaces.moveNext()) {
        ASSERT_FALSE(byKey.eof());
        ASSERT_FALSE(byPlaces.eof());
        EXPECT_EQ(byKey.field("x").text(), byCompare.field("x").text());
        EXPECT_EQ(byPlaces.field("x").text(), byCompare.field("x").text());
    }
}

// The one table of the main window's keys, which both the shortcuts and the "Клавиши" window are
// made from.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "edition/key_table.h"
#include "edition/texts.h"

namespace rw {
namespace {

TEST(KeyTable, EveryCommandHasOneRowWithKeysAndATextInBothLanguages) {
    std::set<int> commands;
    for (const KeyRow& row : KeyRows(Edition::Latin)) {
        EXPECT_TRUE(commands.insert(static_cast<int>(row.command)).second)
            << "two rows for command " << static_cast<int>(row.command);
        EXPECT_FALSE(row.keys[0].empty()) << Text(row.text, kEnglish);
        EXPECT_STRNE(Text(row.text, kRussian), "");
        EXPECT_STRNE(Text(row.text, kEnglish), "");
    }
    EXPECT_EQ(commands.size(), static_cast<size_t>(KeyCommand::ShowOriginal) + 1);
    for (const KeyRow& row : KeyRows(Edition::Latin)) {
        EXPECT_EQ(KeyRowOf(row.command).command, row.command);
        EXPECT_EQ(KeyRowOf(row.command).keys, row.keys);
    }
}

// The Cyrillic edition has no symbol sets, so no keys for them.
TEST(KeyTable, OnlyTheLatinEditionHasTheSymbolSetKeys) {
    std::set<KeyCommand> cyrillic;
    for (const KeyRow& row : KeyRows(Edition::Cyrillic)) cyrillic.insert(row.command);
    EXPECT_EQ(cyrillic.count(KeyCommand::SymbolSet1), 0u);
    EXPECT_EQ(cyrillic.count(KeyCommand::SymbolSet2), 0u);
    EXPECT_EQ(cyrillic.count(KeyCommand::UpperCase), 1u);
    EXPECT_EQ(cyrillic.size() + 2, KeyRows(Edition::Latin).size());
}

// One key for two commands would do neither: Qt calls such a shortcut ambiguous and drops it.
// The keys of the whole window reach the thumbnail strip and the grid too; the strip's and the
// grid's own keys never meet.
TEST(KeyTable, NoKeyIsGivenTwiceWhereItActs) {
    for (KeyScope focused : {KeyScope::Window, KeyScope::Thumbnails, KeyScope::Grid}) {
        std::set<std::string_view> keys;
        for (const KeyRow& row : KeyRows(Edition::Latin)) {
            if (row.scope != KeyScope::Window && row.scope != focused) continue;
            for (std::string_view key : row.keys) {
                if (key.empty()) continue;
                EXPECT_TRUE(keys.insert(key).second) << key;
            }
        }
    }
}

}  // namespace
}  // namespace rw

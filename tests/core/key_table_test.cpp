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
    for (const KeyRow& row : KeyRows()) {
        EXPECT_TRUE(commands.insert(static_cast<int>(row.command)).second)
            << "two rows for command " << static_cast<int>(row.command);
        EXPECT_FALSE(row.keys[0].empty()) << Text(row.text, kEnglish);
        EXPECT_STRNE(Text(row.text, kRussian), "");
        EXPECT_STRNE(Text(row.text, kEnglish), "");
    }
    EXPECT_EQ(commands.size(), static_cast<size_t>(KeyCommand::NextLetter) + 1);
}

// One key for two commands would do neither: Qt calls such a shortcut ambiguous and drops it.
TEST(KeyTable, NoKeyIsGivenTwice) {
    std::set<std::string_view> keys;
    for (const KeyRow& row : KeyRows()) {
        for (std::string_view key : row.keys) {
            if (key.empty()) continue;
            EXPECT_TRUE(keys.insert(key).second) << key;
        }
    }
}

}  // namespace
}  // namespace rw

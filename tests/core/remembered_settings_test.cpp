// What the window remembers: the recent files' order and length, and values read back from a
// settings file checked one by one.
#include <gtest/gtest.h>

#include "editor/remembered_settings.h"

namespace rw {
namespace {

TEST(RecentFiles, NewestFirstWithoutRepeatsAndAtMostEight) {
    std::vector<std::string> recent;
    for (int i = 0; i < 10; ++i) recent = WithRecentFile(recent, "f" + std::to_string(i));
    ASSERT_EQ(recent.size(), kMaxRecentFiles);
    EXPECT_EQ(recent.front(), "f9");
    EXPECT_EQ(recent.back(), "f2");
    recent = WithRecentFile(recent, "f5");
    EXPECT_EQ(recent.size(), kMaxRecentFiles);
    EXPECT_EQ(recent[0], "f5");
    EXPECT_EQ(recent[1], "f9");
    EXPECT_EQ(std::count(recent.begin(), recent.end(), "f5"), 1);
    EXPECT_EQ(WithRecentFile(recent, ""), recent);
}

TEST(StoredSettings, AFileWithoutValuesGivesTheStart) {
    EXPECT_EQ(FromStored(StoredSettings{}), RememberedSettings{});
}

TEST(StoredSettings, ValuesComeBackAsTheyWereWritten) {
    RememberedSettings settings;
    settings.language = kEnglish;
    settings.model = PhoneModel::M50;
    settings.kind = FontKind::Big;
    settings.zoom = {Zoom{300}, true};
    settings.show_original = true;
    settings.last_files[static_cast<size_t>(FileRole::Patch)] = "/home/u/friend.vkp";
    settings.recent_files = {"/a", "/b & c", "/д"};
    EXPECT_EQ(FromStored(ToStored(settings)), settings);
}

// A file edited by hand or by another version: what is out of range is left at the start value,
// the rest is taken.
TEST(StoredSettings, ValuesOutOfRangeLeaveTheStartValue) {
    StoredSettings stored;
    stored.language = 7;
    stored.model = 6;
    stored.kind = -5;
    stored.zoom_percent = 125;
    stored.recent_files = {"", "/a", "/a", "/b", "/c", "/d", "/e", "/f", "/g", "/h", "/i"};
    const RememberedSettings settings = FromStored(stored);
    EXPECT_EQ(settings.language, kRussian);
    EXPECT_EQ(settings.model, PhoneModel::SME45);
    EXPECT_EQ(settings.kind, FontKind::Normal);
    EXPECT_EQ(settings.zoom.level, Zoom{100});
    EXPECT_EQ(settings.recent_files,
              (std::vector<std::string>{"/a", "/b", "/c", "/d", "/e", "/f", "/g", "/h"}));
    stored = {};
    stored.model = static_cast<int>(PhoneModel::C45);
    stored.kind = static_cast<int>(FontKind::Browser);
    stored.zoom_percent = 150;
    EXPECT_EQ(FromStored(stored).model, PhoneModel::C45);
    EXPECT_EQ(FromStored(stored).kind, FontKind::Browser);
    EXPECT_EQ(FromStored(stored).zoom.level, Zoom{150});
}

}  // namespace
}  // namespace rw

// Every file operation of a save, failed in turn: the result is either a success with the new
// bytes, or a failure that leaves the old bytes and no temporary file.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <functional>

#include "faulty_file_system.h"
#include "io/flash_codec.h"
#include "io/font_files.h"
#include "test_files.h"

namespace rw {
namespace {

using Op = testing::FaultyFileSystem::Op;
using testing::ReadBytes;

FontImage StripedFont() {
    FontImage font;
    for (auto& block : font.wide) {
        for (auto& g : block) g.fill(0x0F0F);
    }
    for (auto& block : font.narrow) {
        for (auto& g : block) g.fill(0x3C);
    }
    return font;
}

// How many operations of any kind a save makes when nothing fails.
template <typename Save>
int OperationsOf(Save save) {
    testing::FaultyFileSystem counting(Op::Any, 0, 0);
    EXPECT_TRUE(save(counting).ok());
    return counting.operations();
}

TEST(FaultInjection, FullflashSaveIsAllOrNothingAtEveryStep) {
    testing::TempDir dir;
    for (Edition e : {Edition::Cyrillic, Edition::Latin}) {
        // The S 35 Small layout moved near the start, so each of the many steps rewrites a
        // small image rather than megabytes.
        const FontLayout real = LookupLayout(e, PhoneModel::S35, FontKind::Small);
        const FontLayout layout =
            MovedLayout(real, static_cast<int32_t>(100 - FirstRecordPosition(e, real)));
        const auto records = RecordsToRead(e, layout, BlockSet::FirstN(8));
        const auto original =
            testing::RandomBytes(static_cast<size_t>(RequiredImageSize(records, layout) + 2), 77);
        const std::string path = dir.File("flash.bin");
        const FontImage font = StripedFont();
        auto save = [&](FileSystem& fs) { return WriteFlashFont(path, e, layout, font, fs); };

        testing::WriteBytes(path, original);
        ASSERT_TRUE(WriteFlashFont(path, e, layout, font).ok());
        const auto saved = ReadBytes(path);
        ASSERT_NE(saved, original);

        testing::WriteBytes(path, original);
        const int steps = OperationsOf(save);
        ASSERT_GT(steps, 10);
        for (int nth = 1; nth <= steps; ++nth) {
            for (int error : {EIO, ENOSPC, EACCES}) {
                testing::WriteBytes(path, original);
                testing::FaultyFileSystem fs(Op::Any, nth, error);
                const Status s = save(fs);
                ASSERT_TRUE(fs.fired());
                const auto after = ReadBytes(path);
                if (s.ok()) {
                    EXPECT_EQ(after, saved) << "step " << nth;
                } else {
                    EXPECT_EQ(after, original) << "step " << nth;
                    EXPECT_EQ(s.path(), path);
                }
            }
        }
        EXPECT_EQ(dir.Names(), std::vector<std::string>{"flash.bin"});
    }
}

TEST(FaultInjection, FontFileSaveKeepsTheOldFileAtEveryStep) {
    testing::TempDir dir;
    for (FontFileFormat format : {FontFileFormat::Sft, FontFileFormat::Sbf, FontFileFormat::Sfe}) {
        const std::string path = dir.File(std::string("font") + FontFileExtension(format));
        const auto old_bytes = testing::RandomBytes(FontFileSize(format), 5);
        const FontImage font = StripedFont();
        const auto new_bytes = SerializeFontFile(format, font);
        auto save = [&](FileSystem& fs) { return WriteFontFile(path, format, font, fs); };

        testing::WriteBytes(path, old_bytes);
        const int steps = OperationsOf(save);
        for (int nth = 1; nth <= steps; ++nth) {
            testing::WriteBytes(path, old_bytes);
            testing::FaultyFileSystem fs(Op::Any, nth, EIO);
            const Status s = save(fs);
            ASSERT_TRUE(fs.fired());
            const auto after = ReadBytes(path);
            if (fs.fired_op() == Op::FolderFlush) {
                // The folder flush follows the rename: the new file is in place, but a crash
                // could still bring the old one back, so the save must not say it succeeded.
                EXPECT_FALSE(s.ok()) << "step " << nth;
                EXPECT_EQ(after, new_bytes) << "step " << nth;
            } else if (s.ok()) {
                EXPECT_EQ(after, new_bytes) << "step " << nth;
                EXPECT_EQ(fs.fired_op(), Op::Close) << "only a late close may be shrugged off";
            } else {
                EXPECT_EQ(after, old_bytes) << "step " << nth;
            }
            EXPECT_EQ(dir.Names().size(), 1u) << "a temporary was left at step " << nth;
        }
        std::filesystem::remove(path);
    }
}

TEST(FaultInjection, LoadsFailWithoutTouchingTheFontAtEveryStep) {
    testing::TempDir dir;
    const FontLayout real = LookupLayout(Edition::Latin, PhoneModel::C45, FontKind::Normal);
    const FontLayout layout =
        MovedLayout(real, static_cast<int32_t>(7 - FirstRecordPosition(Edition::Latin, real)));
    const auto records = RecordsToRead(Edition::Latin, layout, BlockSet::FirstN(8));
    const std::string flash = dir.File("flash.bin");
    testing::WriteBytes(
        flash, testing::RandomBytes(static_cast<size_t>(RequiredImageSize(records, layout)), 8));
    const std::string sfe = dir.File("font.sfe");
    testing::WriteBytes(sfe, testing::RandomBytes(9472, 9));
    const FontImage before = StripedFont();

    auto load_flash = [&](FileSystem& fs, FontImage& font) {
        return ReadFlashFont(flash, Edition::Latin, layout, BlockSet::FirstN(8), font, fs);
    };
    auto load_file = [&](FileSystem& fs, FontImage& font) {
        return ReadFontFile(sfe, FontFileFormat::Sfe, BlockSet::FirstN(8), font, fs);
    };
    for (const auto& load : {std::function<Status(FileSystem&, FontImage&)>(load_flash),
                             std::function<Status(FileSystem&, FontImage&)>(load_file)}) {
        testing::FaultyFileSystem counting(Op::Any, 0, 0);
        FontImage scratch;
        ASSERT_TRUE(load(counting, scratch).ok());
        for (int nth = 1; nth <= counting.operations(); ++nth) {
            testing::FaultyFileSystem fs(Op::Any, nth, EIO);
            FontImage font = before;
            const Status s = load(fs, font);
            if (!s.ok()) {
                EXPECT_EQ(font, before) << "step " << nth;
            }
        }
    }
}

}  // namespace
}  // namespace rw

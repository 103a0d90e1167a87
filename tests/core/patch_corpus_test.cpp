// The 2,756 real patches modders published: each is read into data lines or refused in one line,
// and none crashes the reader.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "patch/patch_reader.h"
#include "test_files.h"

namespace rw {
namespace {

TEST(PatchCorpus, EveryRealPatchIsReadOrRefusedInOneLine) {
    const std::filesystem::path corpus = RUNEWRIGHT_VKP_CORPUS;
    if (!std::filesystem::is_directory(corpus)) GTEST_SKIP() << "no corpus at " << corpus;
    int read = 0;
    int refused = 0;
    std::map<std::string, int> reasons;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(corpus)) {
        if (entry.path().extension() != ".vkp") continue;
        const std::string path = entry.path().string();
        Patch patch;
        const Status status = ReadPatchFile(path, &patch);
        if (status.ok()) {
            ++read;
            ASSERT_FALSE(patch.lines.empty()) << path;
            for (const DataLine& line : patch.lines) {
                ASSERT_FALSE(line.new_bytes.empty()) << path << ":" << line.line;
                ASSERT_TRUE(!line.old_bytes || line.old_bytes->size() >= line.new_bytes.size());
                ASSERT_LE(line.End(), int64_t{1} << 32);
            }
            continue;
        }
        ++refused;
        const std::string message = status.Line(kEnglish);
        EXPECT_EQ(message.find('\n'), std::string::npos) << message;
        EXPECT_EQ(message.rfind(path + ":", 0), 0u) << message;
        ++reasons[status.text().substr(0, status.text().find(' ', 12))];
    }
    EXPECT_EQ(read + refused, 2756);
    // The corpus holds a few dozen patches with their authors' mistakes; a reader that refuses
    // many more misreads the syntax.
    EXPECT_GE(read, 2600);
    std::string summary;
    for (const auto& [reason, count] : reasons)
        summary += std::to_string(count) + " " + reason + "\n";
    std::printf("%d read, %d refused:\n%s", read, refused, summary.c_str());
}

}  // namespace
}  // namespace rw

// What a file named on the window program's command line is: a fullflash by its size or by the
// font found in it, a font file by its extension or exact size, and every file that is neither,
// or a font file the chosen font cannot take, refused with a message that names the file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "edition/message.h"
#include "forwarding_file_system.h"
#include "io/file_classification.h"
#include "io/flash_codec.h"
#include "journal_test_support.h"
#include "test_files.h"

namespace rw {
namespace {

using testing::TempDir;
using testing::WriteBytes;

constexpr LayoutId kSme45Normal{PhoneModel::SME45, FontKind::Normal};  // narrow in Cyrillic
constexpr LayoutId kC45Normal{PhoneModel::C45, FontKind::Normal};      // wide in Cyrillic

// Counts the opens: a file told by its size must not be opened at all.
class CountingFileSystem : public testing::ForwardingFileSystem {
  public:
    int OpenForReading(const std::string& p) override {
        ++opens;
        return ForwardingFileSystem::OpenForReading(p);
    }
    int OpenExistingForWriting(const std::string& p) override {
        ++opens;
        return ForwardingFileSystem::OpenExistingForWriting(p);
    }
    int opens = 0;
};

// Records that look like glyphs, each one different, at every record of S/ME 45 Normal.
void PutCyrillicNormalFont(std::vector<uint8_t>& image) {
    const FontLayout layout = LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal);
    int n = 0;
    for (const FlashRecord& r : RecordsToWrite(Edition::Cyrillic, layout)) {
        image[r.position] = static_cast<uint8_t>(n % 10);
        image[r.position + 2] = static_cast<uint8_t>(n++);
    }
}

class FileClassification : public ::testing::Test {
  protected:
    std::string Put(const std::string& name, size_t size, uint8_t byte = 0x5A) {
        const std::string path = dir_.File(name);
        WriteBytes(path, std::vector<uint8_t>(size, byte));
        return path;
    }
    Status Classify(const std::string& path, Edition edition = Edition::Cyrillic,
                    LayoutId current = kSme45Normal) {
        result_ = {};
        return ClassifyFile(path, edition, current, &result_, fs_);
    }
    // What the window's error box says after the path, in Russian.
    static std::string Russian(const Status& status) { return Render(status.message(), kRussian); }

    TempDir dir_;
    CountingFileSystem fs_;
    rw::FileClassification result_;
};

TEST_F(FileClassification, AWholeNumberOfMebibytesIsAFullflashWithoutReadingIt) {
    for (Edition edition : {Edition::Cyrillic, Edition::Latin}) {
        for (const size_t size : {size_t{1} << 20, size_t{6} << 20}) {
            const std::string dump = Put("dump.bin", size);
            ASSERT_TRUE(Classify(dump, edition).ok());
            EXPECT_EQ(result_.load, FileLoad::Fullflash);
        }
    }
    // Even named like a font file: no font file is that large.
    ASSERT_TRUE(Classify(Put("big.sft", size_t{1} << 20)).ok());
    EXPECT_EQ(result_.load, FileLoad::Fullflash);
    EXPECT_EQ(fs_.opens, 0);
}

// A sheet and a patch go to their imports by their names alone, whatever their size; a missing
// one is still refused first.
TEST_F(FileClassification, APngSheetAndAPatchAreToldByTheirNames) {
    for (Edition edition : {Edition::Cyrillic, Edition::Latin}) {
        ASSERT_TRUE(Classify(Put("sheet.png", 3000), edition).ok());
        EXPECT_EQ(result_.load, FileLoad::PngSheet);
        ASSERT_TRUE(Classify(Put("SHEET.PNG", size_t{1} << 20), edition).ok());
        EXPECT_EQ(result_.load, FileLoad::PngSheet);
        ASSERT_TRUE(Classify(Put("friend.vkp", 12), edition).ok());
        EXPECT_EQ(result_.load, FileLoad::Patch);
        ASSERT_TRUE(Classify(Put("Friend.Vkp", 0), edition).ok());
        EXPECT_EQ(result_.load, FileLoad::Patch);
    }
    EXPECT_EQ(fs_.opens, 0);
    // Only the extension counts: "vkp" alone, or ".vkp.bak", is neither.
    EXPECT_FALSE(Classify(Put("vkp", 12)).ok());
    EXPECT_FALSE(Classify(Put("friend.vkp.bak", 12)).ok());
    EXPECT_FALSE(Classify(dir_.File("gone.vkp")).ok());
}

TEST_F(FileClassification, ADumpOfAnotherSizeCountsWhenAPhoneFindsAFontInIt) {
    std::vector<uint8_t> image = testing::RandomBytes((size_t{1} << 20) + 100, 5);
    const std::string random = dir_.File("random.bin");
    WriteBytes(random, image);
    const Status refused = Classify(random);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.path(), random);
    EXPECT_EQ(Russian(refused),
              "не fullflash и не файл шрифта (*.sft, *.sbf): "
              "1048676 байт");
    EXPECT_EQ(Render(refused.message(), kEnglish),
              "neither a fullflash nor a font file (*.sft, *.sbf): 1048676 bytes");

    // Larger than a font file, too small for any font.
    EXPECT_EQ(Classify(Put("photo.jpg", 200000)).message().id,
              MessageId::NeitherFullflashNorFontFile);

    PutCyrillicNormalFont(image);
    const std::string dump = dir_.File("odd.bin");
    WriteBytes(dump, image);
    ASSERT_TRUE(Classify(dump).ok());
    EXPECT_EQ(result_.load, FileLoad::Fullflash);
    // Told by the records of the Cyrillic font, not by the Latin edition's places.
    EXPECT_FALSE(Classify(dump, Edition::Latin).ok());
}

// Looking for a font rolls back a save that was cut off; the user must still hear of it.
TEST_F(FileClassification, AnInterruptedSaveFoundWhileLookingIsToldAndUndone) {
    std::vector<uint8_t> image = testing::RandomBytes((size_t{1} << 20) + 100, 6);
    PutCyrillicNormalFont(image);
    const std::string dump = dir_.File("odd.bin");
    std::vector<uint8_t> torn = image;
    torn[742950] = 0x55;
    WriteBytes(dump, torn);
    testing::PlantJournal(dump + ".rwj", EncodeJournal(testing::JournalOf(
                                             dump, {{742950, {image[742950]}, {0x55}}})));
    const Status status = Classify(dump);
    ASSERT_TRUE(status.ok()) << status.text();
    EXPECT_EQ(result_.load, FileLoad::Fullflash);
    EXPECT_EQ(status.note().id, MessageId::RolledBackInterruptedSave);
    EXPECT_EQ(testing::ReadBytes(dump), image);
    EXPECT_FALSE(testing::Exists(dump + ".rwj"));
}

TEST_F(FileClassification, AFontFileIsToldByItsExtensionOrItsExactSize) {
    ASSERT_TRUE(Classify(Put("normal.sft", 1768)).ok());
    EXPECT_EQ(result_.load, FileLoad::FontFile);
    EXPECT_EQ(result_.format, FontFileFormat::Sft);
    // No extension: the size alone.
    ASSERT_TRUE(Classify(Put("normal", 1768)).ok());
    EXPECT_EQ(result_.format, FontFileFormat::Sft);
    ASSERT_TRUE(Classify(Put("big", 4352), Edition::Cyrillic, kC45Normal).ok());
    EXPECT_EQ(result_.format, FontFileFormat::Sbf);
    ASSERT_TRUE(Classify(Put("latin.bin", 9472), Edition::Latin).ok());
    EXPECT_EQ(result_.format, FontFileFormat::Sfe);
    // The extension in any case, and a few bytes more than the format, as a load takes them.
    ASSERT_TRUE(Classify(Put("OLD.SFT", 1800)).ok());
    EXPECT_EQ(result_.load, FileLoad::FontFile);
    EXPECT_EQ(result_.format, FontFileFormat::Sft);
    // Too short for its format: the font-file load says so ("Read beyond end of file").
    ASSERT_TRUE(Classify(Put("cut.sft", 100)).ok());
    EXPECT_EQ(result_.format, FontFileFormat::Sft);
    EXPECT_EQ(fs_.opens, 0);
}

// An .sbf read as narrow glyphs (or an .sft as wide ones) would scramble every letter.
TEST_F(FileClassification, AFontFileInTheOtherFormNamesTheFontsItFits) {
    const std::string wide = Put("big.sbf", 4352);
    const Status narrow_chosen = Classify(wide);
    ASSERT_FALSE(narrow_chosen.ok());
    EXPECT_EQ(narrow_chosen.path(), wide);
    EXPECT_EQ(Russian(narrow_chosen),
              "файл шрифта .sbf, а выбранный шрифт S/ME 45 Normal хранится в файлах "
              ".sft. Файлы .sbf подходят к шрифтам S/ME 45, S/ME 45i, C/M 35, S 35: Big; C 45, "
              "M 50: Normal, Small, Browser, Big: выберите такой телефон и тип шрифта, затем "
              "«Загрузить шрифт из файла».");
    // Chosen a font of that form, the file is taken.
    EXPECT_TRUE(Classify(wide, Edition::Cyrillic, {PhoneModel::CM35, FontKind::Big}).ok());

    const Status wide_chosen = Classify(Put("thin", 1768), Edition::Cyrillic, kC45Normal);
    ASSERT_FALSE(wide_chosen.ok());
    EXPECT_EQ(wide_chosen.message().id, MessageId::FontFileOfOtherForm);
    EXPECT_EQ(wide_chosen.message().args[1], "C 45 Normal");
    EXPECT_EQ(wide_chosen.message().args[3],
              "S/ME 45, S/ME 45i, C/M 35, S 35: Normal, Small, Browser");
}

TEST_F(FileClassification, AFontFileOfTheOtherEditionNamesItsProgram) {
    const Status latin = Classify(Put("latin.sfe", 9472));
    ASSERT_FALSE(latin.ok());
    EXPECT_EQ(Russian(latin), "файл шрифта .sfe для runewright-eng");
    const Status cyrillic = Classify(Put("normal", 1768), Edition::Latin);
    ASSERT_FALSE(cyrillic.ok());
    EXPECT_EQ(Render(cyrillic.message(), kEnglish), "a .sft font file for runewright-rus");
}

TEST_F(FileClassification, AnythingElseIsRefusedNamingTheFileAndWhy) {
    const Status text = Classify(Put("notes.txt", 100));
    ASSERT_FALSE(text.ok());
    EXPECT_EQ(Russian(text), "не fullflash и не файл шрифта (*.sft, *.sbf): 100 байт");
    const Status latin = Classify(Put("empty", 0), Edition::Latin);
    EXPECT_EQ(Render(latin.message(), kEnglish),
              "neither a fullflash nor a font file (*.sfe): 0 bytes");

    const std::string missing = dir_.File("missing.bin");
    const Status absent = Classify(missing);
    EXPECT_EQ(absent.path(), missing);
    EXPECT_EQ(absent.text(), "File not found");
    EXPECT_EQ(Classify(dir_.path()).message().id, MessageId::IsAFolder);
    // A pipe is not opened, so nothing waits for a writer.
    const std::string fifo = dir_.File("pipe.sft");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(Classify(fifo).message().id, MessageId::NotRegularFile);
    EXPECT_EQ(fs_.opens, 0);
}

TEST(FontsOfForm, ListModelsWithTheSameKindsTogether) {
    EXPECT_EQ(FontsOfForm(Edition::Cyrillic, true),
              "S/ME 45, S/ME 45i, C/M 35, S 35: Big; C 45, M 50: Normal, Small, Browser, Big");
    EXPECT_EQ(FontsOfForm(Edition::Cyrillic, false),
              "S/ME 45, S/ME 45i, C/M 35, S 35: Normal, Small, Browser");
    EXPECT_EQ(FontsOfForm(Edition::Latin, true),
              "S/ME 45, S/ME 45i, C45, C/M 35, S 35, M 50: Normal, Small, Browser, Big");
    EXPECT_EQ(FontsOfForm(Edition::Latin, false), "");
}

// The window shows "NAME: text" and the command line "runewright-cli: NAME: text": the text
// after the name must not name the file again.
TEST_F(FileClassification, EveryRefusalNamesTheFileOnce) {
    const std::vector<Status> refused = {
        Classify(Put("notes.txt", 100)),
        Classify(Put("latin.sfe", 9472)),
        Classify(Put("big.sbf", 4352)),
        Classify(dir_.path()),
    };
    for (const Status& status : refused) {
        ASSERT_FALSE(status.ok());
        const std::string name = BaseNameOf(status.path());
        for (Language language : {kRussian, kEnglish}) {
            const std::string line = status.Line(language);
            SCOPED_TRACE(line);
            const size_t first = line.find(name);
            ASSERT_NE(first, std::string::npos);
            EXPECT_EQ(line.find(name, first + 1), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace rw

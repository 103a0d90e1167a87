// PNG font sheets: the whole font out to a picture and back, and the pictures that are refused.
#include <gtest/gtest.h>

#include <fstream>
#include <span>
#include <sstream>

#include "cli/cli.h"
#include "editor/font_sheet.h"
#include "io/font_files.h"
#include "png/png_files.h"
#include "test_files.h"

namespace rw {
namespace {

using testing::TempDir;

class SheetCliTest : public ::testing::Test {
  protected:
    int Run(std::vector<std::string> args) {
        err_.str("");
        std::ostringstream out;
        return cli::RunCli(args, out, err_);
    }
    std::vector<std::string> Target(const std::string& edition, const std::string& kind) {
        return {"--edition", edition, "--model", "s45", "--kind", kind};
    }
    // A font drawn from Terminus, whose widths follow the width rule as a sheet's do.
    std::string TerminusFont(const std::string& edition, const std::string& kind,
                             const std::string& name) {
        std::vector<std::string> args = {"import-font"};
        for (const std::string& w : Target(edition, kind)) args.push_back(w);
        args.push_back("Terminus");
        args.push_back(dir_.File(name));
        EXPECT_EQ(Run(args), 0) << err_.str();
        return dir_.File(name);
    }
    int Sheet(const std::string& command, const std::string& edition, const std::string& kind,
              std::vector<std::string> rest) {
        std::vector<std::string> args = {command};
        for (const std::string& w : Target(edition, kind)) args.push_back(w);
        args.insert(args.end(), rest.begin(), rest.end());
        return Run(args);
    }

    TempDir dir_;
    std::ostringstream err_;
};

TEST_F(SheetCliTest, FontFileAndSheetRoundTripByteForByteAtScaleOneAndFour) {
    struct Case {
        std::string edition, kind, file;
    };
    for (const Case& c : {Case{"rus", "normal", "n.sft"}, Case{"rus", "big", "b.sbf"},
                          Case{"eng", "small", "s.sfe"}}) {
        SCOPED_TRACE(c.file);
        const std::string font = TerminusFont(c.edition, c.kind, c.file);
        for (const std::string scale : {"1", "4"}) {
            const std::string png = dir_.File(scale + c.file + ".png");
            ASSERT_EQ(Sheet("export-sheet", c.edition, c.kind, {"--scale", scale, font, png}), 0)
                << err_.str();
            const std::string back = dir_.File(scale + "back" + c.file);
            ASSERT_EQ(Sheet("import-sheet", c.edition, c.kind, {png, back}), 0) << err_.str();
            EXPECT_EQ(testing::ReadBytes(back), testing::ReadBytes(font));
            const std::string again = dir_.File(scale + "again.png");
            ASSERT_EQ(Sheet("export-sheet", c.edition, c.kind, {"--scale", scale, back, again}), 0);
            EXPECT_EQ(testing::ReadBytes(again), testing::ReadBytes(png));
        }
    }
}

TEST_F(SheetCliTest, SheetGeometryAndColours) {
    FontImage font;
    font.narrow[1][2][1] = 0x80;  // column 0, row 1 of block 1, slot 2
    const FontSheetGeometry g = FontSheetGeometry::Of(Edition::Cyrillic, {8, 11});
    const RgbImage sheet = PaintFontSheet(font, g, 2);
    EXPECT_EQ(sheet.width, 34 * 9 * 2);
    EXPECT_EQ(sheet.height, 4 * 12 * 2);
    auto at = [&](int x, int y) {
        const size_t i = (static_cast<size_t>(y) * sheet.width + x) * 3;
        return Rgb{sheet.rgb[i], sheet.rgb[i + 1], sheet.rgb[i + 2]};
    };
    EXPECT_EQ(at(2 * 9 * 2 + 1, 12 * 2 + 1), kBlack);
    EXPECT_EQ(at(2 * 9 * 2 + 2, 12 * 2), kWhite);
    EXPECT_EQ(at(8 * 2, 0), kFaceGrey);       // line right of slot 0
    EXPECT_EQ(at(0, 11 * 2 + 1), kFaceGrey);  // line below block 0
}

TEST_F(SheetCliTest, InkIsADarkOpaqueCentreOfEachSquare) {
    const FontSheetGeometry g = FontSheetGeometry::Of(Edition::Cyrillic, {8, 11});
    RgbaImage sheet{g.Width(3), g.Height(3), {}};
    sheet.rgba.assign(static_cast<size_t>(sheet.width) * sheet.height * 4, 255);
    auto put = [&](int column, int row, uint8_t grey, uint8_t alpha) {
        // the centre of cell pixel (column, row - 1) of block 0, slot 0
        uint8_t* p = sheet.rgba.data() +
                     ((static_cast<size_t>(row - 1) * 3 + 1) * sheet.width + column * 3 + 1) * 4;
        p[0] = p[1] = p[2] = grey;
        p[3] = alpha;
    };
    put(1, 1, 127, 255);
    put(2, 1, 128, 255);
    put(3, 1, 0, 127);
    put(4, 1, 0, 128);
    FontImage font;
    ASSERT_FALSE(ReadFontSheet(sheet, g, BlockSet{0}, font));
    EXPECT_EQ(font.narrow[0][0][1], 0x48);
    EXPECT_EQ(font.narrow[0][0][0], 5);  // ink in columns 1..4 and one column of spacing
}

TEST_F(SheetCliTest, WrongSizesAndNonPicturesFailNamingTheFileAndWriteNothing) {
    const std::string font = TerminusFont("rus", "normal", "n.sft");
    const std::string png = dir_.File("n.png");
    ASSERT_EQ(Sheet("export-sheet", "rus", "normal", {font, png}), 0);
    // The Big cell grid is another size.
    EXPECT_EQ(Sheet("import-sheet", "rus", "big", {png, dir_.File("out.sbf")}), 1);
    EXPECT_EQ(err_.str(), "runewright-cli: " + png +
                              ": the picture is 1224 x 192 pixels; a sheet of this font is "
                              "578 x 64 pixels or a whole multiple of that\n");
    RgbImage odd{307, 48, std::vector<uint8_t>(307 * 48 * 3, 255)};
    ASSERT_TRUE(WritePng(dir_.File("odd.png"), odd).ok());
    EXPECT_EQ(Sheet("import-sheet", "rus", "normal", {dir_.File("odd.png"), dir_.File("o.sft")}),
              1);
    EXPECT_NE(err_.str().find("307 x 48"), std::string::npos);
    RgbImage huge{20000, 1, std::vector<uint8_t>(20000 * 3, 255)};
    ASSERT_TRUE(WritePng(dir_.File("huge.png"), huge).ok());
    EXPECT_EQ(Sheet("import-sheet", "rus", "normal", {dir_.File("huge.png"), dir_.File("o.sft")}),
              1);
    EXPECT_EQ(err_.str(),
              "runewright-cli: " + dir_.File("huge.png") + ": The picture is too large\n");
    EXPECT_EQ(Sheet("import-sheet", "rus", "normal", {font, dir_.File("o.sft")}), 1);
    EXPECT_EQ(err_.str(), "runewright-cli: " + font + ": Not a PNG picture\n");
    EXPECT_EQ(Sheet("import-sheet", "rus", "normal", {dir_.File("none.png"), dir_.File("o.sft")}),
              1);
    EXPECT_NE(err_.str().find("File not found"), std::string::npos);
    EXPECT_EQ(Sheet("export-sheet", "rus", "normal", {font, dir_.File("o.bmp")}), 2);
    EXPECT_EQ(Sheet("export-sheet", "rus", "normal", {"--scale", "0", font, dir_.File("o.png")}),
              2);
    EXPECT_FALSE(std::filesystem::exists(dir_.File("o.sft")));
    EXPECT_FALSE(std::filesystem::exists(dir_.File("out.sbf")));
}

// The CRC-32 of PNG chunks.
uint32_t Crc32(std::span<const uint8_t> bytes) {
    uint32_t crc = 0xFFFFFFFF;
    for (uint8_t b : bytes) {
        crc ^= b;
        for (int k = 0; k < 8; ++k) crc = crc & 1 ? 0xEDB88320 ^ (crc >> 1) : crc >> 1;
    }
    return ~crc;
}

// A PNG is judged by its header before it is decoded: a 130 KB picture was decoded into 409 MB
// before its size was refused, and a valid but too large one was called "Not a PNG picture".
TEST_F(SheetCliTest, APictureIsJudgedByItsHeaderBeforeItIsDecoded) {
    // The signature and a whole IHDR chunk of the given size, then pixel data that no decoder
    // could read.
    auto header_only = [&](const std::string& name, uint32_t width, uint32_t height) {
        std::vector<uint8_t> bytes = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
        auto put = [&bytes](uint32_t v) {
            for (int shift : {24, 16, 8, 0}) bytes.push_back(static_cast<uint8_t>(v >> shift));
        };
        put(13);
        const size_t chunk = bytes.size();
        bytes.insert(bytes.end(), {'I', 'H', 'D', 'R'});
        put(width);
        put(height);
        bytes.insert(bytes.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA
        put(Crc32(std::span(bytes).subspan(chunk)));
        put(128 * 1024);
        bytes.insert(bytes.end(), {'I', 'D', 'A', 'T'});
        bytes.resize(130 * 1024, 0x5A);
        testing::WriteBytes(dir_.File(name), bytes);
        return dir_.File(name);
    };
    const std::string wrong = header_only("wrong.png", 5000, 5000);
    EXPECT_EQ(Sheet("import-sheet", "rus", "normal", {wrong, dir_.File("o.sft")}), 1);
    EXPECT_EQ(err_.str(), "runewright-cli: " + wrong +
                              ": the picture is 5000 x 5000 pixels; a sheet of this font is "
                              "306 x 48 pixels or a whole multiple of that\n");
    for (const auto& [width, height] :
         std::vector<std::pair<uint32_t, uint32_t>>{{10112, 10112}, {20000, 1}, {1, 0x7FFFFFFF}}) {
        const std::string large = header_only("large.png", width, height);
        EXPECT_EQ(Sheet("import-sheet", "rus", "normal", {large, dir_.File("o.sft")}), 1);
        EXPECT_EQ(err_.str(), "runewright-cli: " + large + ": The picture is too large\n");
    }
    EXPECT_EQ(Sheet("import-sheet", "rus", "normal",
                    {header_only("zero.png", 0, 48), dir_.File("o.sft")}),
              1);
    EXPECT_NE(err_.str().find(": Not a PNG picture\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir_.File("o.sft")));
}

// libpng and Qt wrote their own complaints to stderr beside the tool's one line.
TEST_F(SheetCliTest, NoLibraryMessageReachesStderr) {
    const std::string font = TerminusFont("rus", "normal", "n.sft");
    const std::string png = dir_.File("n.png");
    ASSERT_EQ(Sheet("export-sheet", "rus", "normal", {font, png}), 0);
    auto bytes = testing::ReadBytes(png);
    for (size_t i = 60; i < bytes.size() - 20; ++i) bytes[i] ^= 0x33;  // the pixel data and CRCs
    testing::WriteBytes(png, bytes);
    ::testing::internal::CaptureStderr();
    const int code = Sheet("import-sheet", "rus", "normal", {png, dir_.File("o.sft")});
    const std::string library = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(code, 1);
    EXPECT_EQ(err_.str(), "runewright-cli: " + png + ": Not a PNG picture\n");
    EXPECT_EQ(library, "");
}

TEST_F(SheetCliTest, ImportFontReportsProblemsYetWritesAndRefusesWhatIsNoFont) {
    std::vector<std::string> args = {"import-font",
                                     "--edition",
                                     "rus",
                                     "--model",
                                     "s45",
                                     "--kind",
                                     "normal",
                                     "/usr/share/fonts/X11/misc/ter-u12n_iso-8859-1.pcf.gz",
                                     dir_.File("latin1.sft")};
    EXPECT_EQ(Run(args), 0);
    EXPECT_NE(err_.str().find("runewright-cli: U+0410 А: missing\n"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir_.File("latin1.sft")));
    args[7] = "/etc/hostname";
    args[8] = dir_.File("x.sft");
    EXPECT_EQ(Run(args), 1);
    EXPECT_EQ(err_.str(), "runewright-cli: /etc/hostname: Not a font FreeType can read\n");
    args[7] = "Nothing Installed Is Called This";
    EXPECT_EQ(Run(args), 1);
    args[7] = "Terminus";
    args.insert(args.begin() + 7, {"--baseline", "12"});
    EXPECT_EQ(Run(args), 2);
    EXPECT_FALSE(std::filesystem::exists(dir_.File("x.sft")));
}

}  // namespace
}  // namespace rw

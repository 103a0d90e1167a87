// runewright-cli render and the thumbnail sheet behind it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "editor/rgb_images.h"
#include "io/flash_codec.h"
#include "io/font_files.h"
#include "model/phone_layouts.h"
#include "png/png_files.h"
#include "test_files.h"

namespace rw {
namespace {

namespace fs = std::filesystem;

class RenderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "runewright-render-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    std::string File(const std::string& name) const { return (dir_ / name).string(); }

    int Run(std::vector<std::string> args) {
        args.insert(args.begin(), "render");
        out_.str("");
        err_.str("");
        return cli::RunCli(args, out_, err_);
    }

    // A Latin .sfe whose bold symbol set 2 (block 7) holds a mark in slot 1.
    std::string LatinFontFile() {
        FontImage font;
        font.wide[7][1][1] = 0x8000;   // pixel (0, 1) of slot 1
        font.wide[7][1][12] = 0x0001;  // row 12: grey for Normal, not drawn
        const std::string path = File("font.sfe");
        EXPECT_TRUE(WriteFontFile(path, FontFileFormat::Sfe, font).ok());
        return path;
    }

    fs::path dir_;
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST(PictureSheet, SlotsSideBySideScaled) {
    std::vector<Picture16> pictures(3);
    for (Picture16& p : pictures) p.Fill(kWhite);
    pictures[2].Set(1, 0, kRed);
    const RgbImage sheet = ThumbnailSheet(pictures, 2);
    EXPECT_EQ(sheet.width, 96);
    EXPECT_EQ(sheet.height, 32);
    auto at = [&](int x, int y) {
        const size_t i = (static_cast<size_t>(y) * sheet.width + x) * 3;
        return Rgb{sheet.rgb[i], sheet.rgb[i + 1], sheet.rgb[i + 2]};
    };
    EXPECT_EQ(at(64 + 2, 0), kRed);
    EXPECT_EQ(at(64 + 3, 1), kRed);
    EXPECT_EQ(at(64 + 4, 0), kWhite);
    EXPECT_EQ(at(64 + 1, 0), kWhite);
}

TEST_F(RenderTest, PpmOfALatinBlockFromAFontFile) {
    const std::string font = LatinFontFile();
    ASSERT_EQ(Run({"--edition", "eng", "--model", "s45", "--kind", "normal", "--block", "7", font,
                   File("sheet.ppm")}),
              0)
        << err_.str();
    const std::vector<uint8_t> ppm = testing::ReadBytes(File("sheet.ppm"));
    const std::string header = "P6\n592 16\n255\n";  // 37 slots of 16 pixels
    ASSERT_EQ(ppm.size(), header.size() + 592 * 16 * 3);
    EXPECT_EQ(std::string(ppm.begin(), ppm.begin() + header.size()), header);
    auto pixel = [&](int x, int y) {
        const size_t i = header.size() + (static_cast<size_t>(y) * 592 + x) * 3;
        return Rgb{ppm[i], ppm[i + 1], ppm[i + 2]};
    };
    EXPECT_EQ(pixel(16, 1), kBlack);
    EXPECT_EQ(pixel(17, 1), kWhite);
    EXPECT_EQ(pixel(31, 12), kFaceGrey);
    EXPECT_EQ(pixel(0, 1), kWhite);
}

TEST_F(RenderTest, PngHoldsTheScaledPixels) {
    const std::string font = LatinFontFile();
    ASSERT_EQ(Run({"--edition", "eng", "--model", "c45", "--kind", "normal", "--block", "7",
                   "--scale", "3", font, File("sheet.png")}),
              0)
        << err_.str();
    RgbaImage png;
    ASSERT_TRUE(ReadPng(File("sheet.png"), png).ok());
    ASSERT_EQ(png.width, 37 * 16 * 3);
    ASSERT_EQ(png.height, 48);
    auto pixel = [&](int x, int y) {
        const size_t i = (static_cast<size_t>(y) * png.width + x) * 4;
        EXPECT_EQ(png.rgba[i + 3], 255);
        return Rgb{png.rgba[i], png.rgba[i + 1], png.rgba[i + 2]};
    };
    EXPECT_EQ(pixel(48, 3), kBlack);
    EXPECT_EQ(pixel(50, 5), kBlack);
    EXPECT_EQ(pixel(51, 5), kWhite);
    EXPECT_EQ(pixel(48, 2), kWhite);
}

TEST_F(RenderTest, NarrowThumbnailsFromAFullflash) {
    const std::string flash = File("flash.bin");
    {
        std::ofstream out(flash, std::ios::binary);
        out << std::string(1 << 20, '\0');
    }
    FontImage font;
    font.narrow[1][2][3] = 0x81;
    const FontLayout layout = LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal);
    ASSERT_TRUE(WriteFlashFont(flash, Edition::Cyrillic, layout, font).ok());
    ASSERT_EQ(Run({"--edition", "rus", "--model", "s45", "--kind", "normal", "--block", "1", flash,
                   File("lower.ppm")}),
              0)
        << err_.str();
    const std::vector<uint8_t> ppm = testing::ReadBytes(File("lower.ppm"));
    const std::string header = "P6\n544 16\n255\n";  // 34 slots
    ASSERT_EQ(ppm.size(), header.size() + 544 * 16 * 3);
    auto pixel = [&](int x, int y) {
        const size_t i = header.size() + (static_cast<size_t>(y) * 544 + x) * 3;
        return Rgb{ppm[i], ppm[i + 1], ppm[i + 2]};
    };
    EXPECT_EQ(pixel(32, 3), kBlack);
    EXPECT_EQ(pixel(39, 3), kBlack);
    EXPECT_EQ(pixel(40, 3), kFaceGrey);  // right of a narrow glyph
    EXPECT_EQ(pixel(33, 3), kWhite);
}

TEST_F(RenderTest, UsageErrorsExitTwoAndWriteNothing) {
    const std::string font = LatinFontFile();
    const std::vector<std::vector<std::string>> bad = {
        {"--edition", "eng", "--model", "s45", "--kind", "normal", font, File("a.ppm")},
        {"--edition", "eng", "--model", "s45", "--kind", "normal", "--block", "8", font,
         File("a.ppm")},
        {"--edition", "rus", "--model", "s45", "--kind", "normal", "--block", "4", font,
         File("a.ppm")},
        {"--edition", "eng", "--model", "s45", "--kind", "normal", "--block", "0", "--scale", "0",
         font, File("a.ppm")},
        {"--edition", "eng", "--model", "s45", "--kind", "normal", "--block", "0", font,
         File("a.bmp")},
        {"--edition", "eng", "--model", "s45", "--kind", "normal", "--block", "0", File("a.sft"),
         File("a.ppm")},
        {"--edition", "eng", "--model", "s45", "--kind", "normal", "--block", "0", font},
        {"--edition", "eng", "--model", "x", "--kind", "normal", "--block", "0", font,
         File("a.ppm")},
    };
    for (const auto& args : bad) {
        EXPECT_EQ(Run(args), 2) << args.size();
        EXPECT_NE(err_.str().find("usage"), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(File("a.ppm")));
}

TEST_F(RenderTest, MissingOrShortInputExitsOneAndWritesNothing) {
    EXPECT_EQ(Run({"--edition", "eng", "--model", "s45", "--kind", "normal", "--block", "0",
                   File("missing.sfe"), File("a.png")}),
              1);
    EXPECT_NE(err_.str().find("missing.sfe"), std::string::npos);
    {
        std::ofstream out(File("short.sfe"), std::ios::binary);
        out << "abc";
    }
    EXPECT_EQ(Run({"--edition", "eng", "--model", "s45", "--kind", "normal", "--block", "0",
                   File("short.sfe"), File("a.png")}),
              1);
    EXPECT_NE(err_.str().find("Read beyond end of file"), std::string::npos);
    EXPECT_FALSE(fs::exists(File("a.png")));
}

TEST_F(RenderTest, UnwritableOutputExitsOne) {
    const std::string font = LatinFontFile();
    EXPECT_EQ(Run({"--edition", "eng", "--model", "s45", "--kind", "normal", "--block", "0", font,
                   File("no/such/dir/a.ppm")}),
              1);
    EXPECT_NE(err_.str().find("a.ppm"), std::string::npos);
}

}  // namespace
}  // namespace rw

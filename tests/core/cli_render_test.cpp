// runewright-cli render and the picture encoders behind it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "editor/picture_files.h"
#include "io/flash_codec.h"
#include "io/font_files.h"
#include "model/phone_layouts.h"

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

    static std::vector<uint8_t> Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
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

uint32_t BigEndian32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t{b[at]} << 24 | uint32_t{b[at + 1]} << 16 | uint32_t{b[at + 2]} << 8 | b[at + 3];
}

TEST(PictureChecksums, KnownValues) {
    const std::string check = "123456789";
    const std::vector<uint8_t> bytes(check.begin(), check.end());
    EXPECT_EQ(Crc32(bytes), 0xCBF43926u);
    const std::string wiki = "Wikipedia";
    EXPECT_EQ(Adler32(std::vector<uint8_t>(wiki.begin(), wiki.end())), 0x11E60398u);
    const std::string iend = "IEND";
    EXPECT_EQ(Crc32(std::vector<uint8_t>(iend.begin(), iend.end())), 0xAE426082u);
}

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
    const std::vector<uint8_t> ppm = Read(File("sheet.ppm"));
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

TEST_F(RenderTest, PngIsValidAndHoldsTheScaledPixels) {
    const std::string font = LatinFontFile();
    ASSERT_EQ(Run({"--edition", "eng", "--model", "c45", "--kind", "normal", "--block", "7",
                   "--scale", "3", font, File("sheet.png")}),
              0)
        << err_.str();
    const std::vector<uint8_t> png = Read(File("sheet.png"));
    const std::vector<uint8_t> signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GT(png.size(), 8u);
    EXPECT_TRUE(std::equal(signature.begin(), signature.end(), png.begin()));

    std::vector<uint8_t> zlib;
    std::vector<std::string> types;
    size_t at = 8;
    while (at + 12 <= png.size()) {
        const uint32_t length = BigEndian32(png, at);
        ASSERT_LE(at + 12 + length, png.size());
        const std::string type(png.begin() + at + 4, png.begin() + at + 8);
        types.push_back(type);
        const std::span<const uint8_t> covered(png.data() + at + 4, length + 4);
        EXPECT_EQ(Crc32(covered), BigEndian32(png, at + 8 + length)) << type;
        if (type == "IHDR") {
            EXPECT_EQ(length, 13u);
            EXPECT_EQ(BigEndian32(png, at + 8), 37u * 16 * 3);
            EXPECT_EQ(BigEndian32(png, at + 12), 48u);
            EXPECT_EQ(png[at + 16], 8);  // bit depth
            EXPECT_EQ(png[at + 17], 2);  // truecolour
        }
        if (type == "IDAT")
            zlib.insert(zlib.end(), png.begin() + at + 8, png.begin() + at + 8 + length);
        at += 12 + length;
    }
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    EXPECT_EQ(at, png.size());

    // Undo the stored deflate blocks.
    ASSERT_GE(zlib.size(), 6u);
    EXPECT_EQ((zlib[0] * 256 + zlib[1]) % 31, 0);
    std::vector<uint8_t> raw;
    size_t z = 2;
    bool last = false;
    while (!last) {
        ASSERT_LE(z + 5, zlib.size());
        last = zlib[z] & 1;
        EXPECT_EQ(zlib[z] & 6, 0);  // stored
        const size_t n = zlib[z + 1] | zlib[z + 2] << 8;
        EXPECT_EQ(n ^ 0xFFFF, static_cast<size_t>(zlib[z + 3] | zlib[z + 4] << 8));
        raw.insert(raw.end(), zlib.begin() + z + 5, zlib.begin() + z + 5 + n);
        z += 5 + n;
    }
    EXPECT_EQ(BigEndian32(zlib, z), Adler32(raw));
    const size_t stride = 1 + 37 * 16 * 3 * 3;
    ASSERT_EQ(raw.size(), stride * 48);
    auto pixel = [&](int x, int y) {
        const size_t i = y * stride + 1 + x * 3;
        return Rgb{raw[i], raw[i + 1], raw[i + 2]};
    };
    EXPECT_EQ(raw[0], 0);  // filter type none
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
    const std::vector<uint8_t> ppm = Read(File("lower.ppm"));
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

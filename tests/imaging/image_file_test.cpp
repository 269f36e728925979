#include "imaging/image_file.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "temp_dir.hpp"
#include "test_images.hpp"

namespace quillon {
namespace {

using testing::GifPicture;
using testing::readFile;
using testing::TempDir;
using testing::writeFile;

constexpr std::uint32_t opaque(std::uint32_t rgb) { return 0xFF000000 | rgb; }

// True when every channel of every pixel is within `tolerance` of `argb`.
bool allPixelsNear(const Bitmap& bitmap, std::uint32_t argb, int tolerance) {
  for (std::uint32_t pixel : bitmap.pixels) {
    for (int shift = 0; shift < 32; shift += 8) {
      const int have = static_cast<int>((pixel >> shift) & 0xFF);
      const int want = static_cast<int>((argb >> shift) & 0xFF);
      if (std::abs(have - want) > tolerance) return false;
    }
  }
  return true;
}

// Every row different from its neighbours, so a misplaced row shows.
std::vector<std::uint8_t> diagonalPattern(int width, int height, int colorCount) {
  std::vector<std::uint8_t> indices;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) indices.push_back(static_cast<std::uint8_t>((x + 3 * y) % colorCount));
  }
  return indices;
}

std::vector<std::uint32_t> distinctColors(int count) {
  std::vector<std::uint32_t> colors;
  for (int i = 0; i < count; ++i) colors.push_back(static_cast<std::uint32_t>(i * 0x010203 + 0x400000) & 0xFFFFFF);
  return colors;
}

struct SizeCase {
  int width;
  int height;
};
void PrintTo(const SizeCase& c, std::ostream* out) { *out << c.width << "x" << c.height; }

class SolidGif : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SolidGif, DecodesToItsSizeAndColour) {
  TempDir dir;
  const auto [width, height] = GetParam();
  testing::writeGif(dir.file("a.gif"), width, height, 0x12AB34);
  const auto bitmap = loadImageFile(dir.file("a.gif"));
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->width, width);
  EXPECT_EQ(bitmap->height, height);
  EXPECT_TRUE(allPixelsNear(*bitmap, opaque(0x12AB34), 0));
}

INSTANTIATE_TEST_SUITE_P(Sizes, SolidGif,
                         ::testing::Values(SizeCase{1, 1}, SizeCase{16, 16}, SizeCase{17, 5}, SizeCase{300, 2},
                                           SizeCase{2, 300}));

struct JpegCase {
  const char* name;
  int width;
  int height;
  bool progressive;
};
void PrintTo(const JpegCase& c, std::ostream* out) { *out << c.name; }

class SolidJpeg : public ::testing::TestWithParam<JpegCase> {};

TEST_P(SolidJpeg, DecodesToItsSizeAndColour) {
  TempDir dir;
  const JpegCase& c = GetParam();
  testing::writeJpeg(dir.file("a.jpg"), c.width, c.height, 0x2060C0, c.progressive);
  const auto bitmap = loadImageFile(dir.file("a.jpg"));
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->width, c.width);
  EXPECT_EQ(bitmap->height, c.height);
  EXPECT_TRUE(allPixelsNear(*bitmap, opaque(0x2060C0), 4));
}

INSTANTIATE_TEST_SUITE_P(Sizes, SolidJpeg,
                         ::testing::Values(JpegCase{"OnePixel", 1, 1, false}, JpegCase{"Icon", 16, 16, false},
                                           JpegCase{"OddSizes", 33, 17, false}, JpegCase{"Wide", 640, 8, false},
                                           JpegCase{"Progressive", 40, 24, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GrayJpeg, GivesGreyOpaquePixels) {
  TempDir dir;
  testing::writeGrayJpeg(dir.file("g.jpg"), 9, 7, 0x80);
  const auto bitmap = loadImageFile(dir.file("g.jpg"));
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->width, 9);
  EXPECT_EQ(bitmap->height, 7);
  EXPECT_TRUE(allPixelsNear(*bitmap, 0xFF808080, 1));
}

struct PatternCase {
  const char* name;
  int width;
  int height;
  int colorCount;
  bool interlaced;
  bool localMap;  // the frame's own map, over a global one of other colours
};
void PrintTo(const PatternCase& c, std::ostream* out) { *out << c.name; }

class PatternGif : public ::testing::TestWithParam<PatternCase> {};

TEST_P(PatternGif, EveryPixelHasItsColour) {
  TempDir dir;
  const PatternCase& c = GetParam();
  const auto colors = distinctColors(c.colorCount);
  GifPicture picture;
  picture.width = c.width;
  picture.height = c.height;
  picture.indices = diagonalPattern(c.width, c.height, c.colorCount);
  picture.interlaced = c.interlaced;
  if (c.localMap) {
    picture.localColors = colors;
    picture.globalColors.assign(colors.size(), 0xFF00FF);
  } else {
    picture.globalColors = colors;
  }
  testing::writeGif(dir.file("p.gif"), picture);

  const auto bitmap = loadImageFile(dir.file("p.gif"));
  ASSERT_TRUE(bitmap);
  ASSERT_EQ(bitmap->width, c.width);
  ASSERT_EQ(bitmap->height, c.height);
  for (int y = 0; y < c.height; ++y) {
    for (int x = 0; x < c.width; ++x) {
      ASSERT_EQ(bitmap->at(x, y), opaque(colors[picture.indices[static_cast<std::size_t>(y) * c.width + x]]))
          << "at " << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, PatternGif,
    ::testing::Values(PatternCase{"FourColours", 7, 5, 4, false, false},
                      PatternCase{"Interlaced", 5, 19, 4, true, false},
                      PatternCase{"InterlacedShort", 3, 3, 4, true, false},
                      PatternCase{"LocalMap", 6, 4, 8, false, true},
                      PatternCase{"InterlacedLocalMap", 4, 11, 16, true, true},
                      PatternCase{"FullPaletteLongCodes", 211, 97, 256, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GifTransparency, TheMarkedIndexBecomesTransparent) {
  TempDir dir;
  GifPicture picture;
  picture.width = 4;
  picture.height = 2;
  picture.indices = {0, 1, 2, 1, 2, 1, 0, 0};
  picture.globalColors = {0xFFFFFF, 0xFF0000, 0x0000FF};
  picture.transparentIndex = 1;
  testing::writeGif(dir.file("t.gif"), picture);

  const auto bitmap = loadImageFile(dir.file("t.gif"));
  ASSERT_TRUE(bitmap);
  const std::vector<std::uint32_t> expected = {opaque(0xFFFFFF), 0, opaque(0x0000FF), 0,
                                               opaque(0x0000FF), 0, opaque(0xFFFFFF), opaque(0xFFFFFF)};
  EXPECT_EQ(bitmap->pixels, expected);
}

struct PlacementCase {
  const char* name;
  int left, top, screenWidth, screenHeight;
  int expectedWidth, expectedHeight;
};
void PrintTo(const PlacementCase& c, std::ostream* out) { *out << c.name; }

class GifPlacement : public ::testing::TestWithParam<PlacementCase> {};

// A frame covers its own rectangle of the picture; the rest is transparent.
TEST_P(GifPlacement, FrameLandsAtItsOffset) {
  TempDir dir;
  const PlacementCase& c = GetParam();
  GifPicture picture;
  picture.width = 2;
  picture.height = 3;
  picture.indices.assign(6, 1);
  picture.globalColors = {0x000000, 0x00FF00};
  picture.left = c.left;
  picture.top = c.top;
  picture.screenWidth = c.screenWidth;
  picture.screenHeight = c.screenHeight;
  testing::writeGif(dir.file("o.gif"), picture);

  const auto bitmap = loadImageFile(dir.file("o.gif"));
  ASSERT_TRUE(bitmap);
  ASSERT_EQ(bitmap->width, c.expectedWidth);
  ASSERT_EQ(bitmap->height, c.expectedHeight);
  for (int y = 0; y < bitmap->height; ++y) {
    for (int x = 0; x < bitmap->width; ++x) {
      const bool inFrame = x >= c.left && x < c.left + 2 && y >= c.top && y < c.top + 3;
      EXPECT_EQ(bitmap->at(x, y), inFrame ? opaque(0x00FF00) : 0u) << "at " << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Offsets, GifPlacement,
                         ::testing::Values(PlacementCase{"InsideScreen", 3, 1, 6, 5, 6, 5},
                                           PlacementCase{"PastScreenEdge", 1, 1, 2, 2, 3, 4}),
                         [](const auto& info) { return std::string(info.param.name); });

// Bytes of a 1 × 1 GIF without any colour map: nothing says what colour its pixel is.
const std::string kGifWithoutColorMap(
    "GIF89a\x01\x00\x01\x00\x00\x00\x00"
    "\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00"
    "\x02\x02\x44\x01\x00\x3B",
    26);

std::string validGif(const TempDir& dir) {
  testing::writeGif(dir.file("valid.gif"), 8, 8, 0x336699);
  return readFile(dir.file("valid.gif"));
}

std::string validJpeg(const TempDir& dir) {
  testing::writeJpeg(dir.file("valid.jpg"), 16, 16);
  return readFile(dir.file("valid.jpg"));
}

// Sets the 16-bit little-endian width and height of a GIF's logical screen and frame.
std::string withGifSizes(std::string gif, std::uint16_t width, std::uint16_t height) {
  auto put = [&gif](std::size_t at, std::uint16_t value) {
    gif[at] = static_cast<char>(value & 0xFF);
    gif[at + 1] = static_cast<char>(value >> 8);
  };
  put(6, width);
  put(8, height);
  const std::size_t frame = gif.find('\x2C', 13 + 3 * 2);  // after the two-colour global map
  put(frame + 5, width);
  put(frame + 7, height);
  return gif;
}

// Sets the 16-bit big-endian height and width in a baseline JPEG's frame header.
std::string withJpegSizes(std::string jpeg, std::uint16_t width, std::uint16_t height) {
  const std::size_t frame = jpeg.find("\xFF\xC0");
  jpeg[frame + 5] = static_cast<char>(height >> 8);
  jpeg[frame + 6] = static_cast<char>(height & 0xFF);
  jpeg[frame + 7] = static_cast<char>(width >> 8);
  jpeg[frame + 8] = static_cast<char>(width & 0xFF);
  return jpeg;
}

TEST(DamagedFiles, GiveNothing) {
  TempDir dir;
  const std::string gif = validGif(dir);
  const std::string jpeg = validJpeg(dir);
  const std::string garbage(300, '\x9C');
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"text", "Just some words, not a picture.\n"},
      {"half a signature", "GIF8"},
      {"PNG", "\x89PNG\r\n\x1A\n" + garbage},
      {"GIF signature then garbage", "GIF89a" + garbage},
      {"JPEG signature then garbage", "\xFF\xD8" + garbage},
      {"GIF truncated in the pixels", gif.substr(0, gif.size() - 6)},
      {"JPEG truncated halfway", jpeg.substr(0, jpeg.size() / 2)},
      {"GIF of zero size", withGifSizes(gif, 0, 0)},
      {"GIF declaring a huge size", withGifSizes(gif, 65535, 65535)},
      {"JPEG of zero height", withJpegSizes(jpeg, 16, 0)},
      {"JPEG declaring a huge size", withJpegSizes(jpeg, 65535, 65535)},
      {"GIF without colour map", kGifWithoutColorMap},
  };
  for (const auto& c : cases) {
    writeFile(dir.file("damaged"), c.bytes);
    EXPECT_FALSE(loadImageFile(dir.file("damaged"))) << c.name;
  }
}

// Well-formed pictures past the size limit: the limit, not the data, refuses them.
TEST(OversizedPictures, AreRefused) {
  TempDir dir;
  testing::writeGif(dir.file("wide.gif"), kMaxImageSide + 1, 1);
  testing::writeGif(dir.file("tall.gif"), 1, kMaxImageSide + 1);
  testing::writeJpeg(dir.file("wide.jpg"), kMaxImageSide + 1, 1);
  testing::writeJpeg(dir.file("tall.jpg"), 1, kMaxImageSide + 1);
  for (const char* name : {"wide.gif", "tall.gif", "wide.jpg", "tall.jpg"}) {
    EXPECT_FALSE(loadImageFile(dir.file(name))) << name;
  }
  testing::writeGif(dir.file("largest.gif"), kMaxImageSide, 1);
  EXPECT_TRUE(loadImageFile(dir.file("largest.gif")));
}

TEST(DamagedFiles, MissingFileAndFolderGiveNothing) {
  TempDir dir;
  EXPECT_FALSE(loadImageFile(dir.file("absent.gif")));
  std::filesystem::create_directory(dir.file("folder.gif"));
  EXPECT_FALSE(loadImageFile(dir.file("folder.gif")));
}

// Cut anywhere before the end of its picture data, a file gives nothing, whatever
// structure the cut lands in. (A GIF's last byte only ends the file.)
TEST(DamagedFiles, EveryTruncationGivesNothing) {
  TempDir dir;
  const struct {
    std::string bytes;
    std::size_t needed;
  } files[] = {{validGif(dir), 1}, {validJpeg(dir), 0}};
  for (const auto& file : files) {
    writeFile(dir.file("whole"), file.bytes);
    ASSERT_TRUE(loadImageFile(dir.file("whole")));
    for (std::size_t length = 0; length + file.needed < file.bytes.size(); ++length) {
      writeFile(dir.file("cut"), file.bytes.substr(0, length));
      ASSERT_FALSE(loadImageFile(dir.file("cut"))) << "cut at " << length << " of " << file.bytes.size();
    }
  }
}

TEST(StockIcons, AreSixteenBySixteenWithATransparentBackground) {
  for (const char* name : {"BookC.gif", "BookO.gif", "Leaf.gif"}) {
    const auto bitmap = loadImageFile(std::string(QUILLON_SOURCE_DIR) + "/shipped/files/JClass/jimages/" + name);
    ASSERT_TRUE(bitmap) << name;
    EXPECT_EQ(bitmap->width, 16) << name;
    EXPECT_EQ(bitmap->height, 16) << name;
    EXPECT_EQ(bitmap->at(0, 0), 0u) << name;
    std::set<std::uint32_t> drawnColors;
    for (std::uint32_t pixel : bitmap->pixels) {
      if (pixel != 0) drawnColors.insert(pixel);
    }
    EXPECT_GE(drawnColors.size(), 2u) << name;
  }
}

}  // namespace
}  // namespace quillon

// GIF encoder round trips through Qt's own GIF reader: frames, loop count, delays and pixels.
#include "gif_writer.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>
#include <QMovie>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <random>
#include <stdexcept>

#include "temp_dir.h"

namespace tavrel::art {
namespace {

QImage solid(QSize size, QRgb colour) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

// Every pixel an independent palette colour: the worst case for LZW, so the code table fills
// and is cleared many times and the code width passes through every step.
QImage noise(QSize size, const std::vector<QRgb>& palette, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<std::size_t> pick(0, palette.size() - 1);
  QImage image(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) image.setPixel(x, y, palette[pick(random)]);
  }
  return image;
}

// A strict reader of GIF LZW data with minimum code size 8. Unlike Qt's reader it insists on
// the end code, read at the width a decoder must use, with nothing but padding after it, and
// on every code being one the table holds. Gives nullopt on any such fault.
std::optional<std::vector<std::uint8_t>> strict_lzw_decode(const QByteArray& data) {
  constexpr int kClear = 256;
  constexpr int kEnd = 257;
  // Entry = the string of `prefix` (or nothing when -1) followed by `last`.
  struct Entry {
    int prefix;
    std::uint8_t last;
    std::uint8_t first;
  };
  std::vector<Entry> table;
  auto reset = [&table] {
    table.clear();
    for (int i = 0; i < 256; ++i) {
      table.push_back({-1, static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i)});
    }
    table.push_back({-1, 0, 0});  // clear
    table.push_back({-1, 0, 0});  // end
  };
  reset();
  int width = 9;
  std::size_t bit = 0;
  const std::size_t total_bits = static_cast<std::size_t>(data.size()) * 8;
  auto read_code = [&]() -> int {
    if (bit + width > total_bits) return -1;
    int code = 0;
    for (int i = 0; i < width; ++i, ++bit) {
      if ((static_cast<unsigned char>(data[bit / 8]) >> (bit % 8)) & 1) code |= 1 << i;
    }
    return code;
  };
  auto append_string = [&table](int code, std::vector<std::uint8_t>& out) {
    const std::size_t start = out.size();
    for (; code >= 0; code = table[code].prefix) out.push_back(table[code].last);
    std::reverse(out.begin() + static_cast<std::ptrdiff_t>(start), out.end());
  };

  std::vector<std::uint8_t> out;
  int previous = -1;
  for (;;) {
    const int code = read_code();
    if (code < 0) return std::nullopt;
    if (code == kClear) {
      reset();
      width = 9;
      previous = -1;
      continue;
    }
    if (code == kEnd) break;
    const auto next = static_cast<int>(table.size());
    std::uint8_t first = 0;
    if (code < 256 || (code > kEnd && code < next)) {
      first = table[code].first;
    } else if (code == next && previous >= 0) {
      first = table[previous].first;  // the string being defined by this very code
    } else {
      return std::nullopt;
    }
    if (previous >= 0 && next < 4096) table.push_back({previous, first, table[previous].first});
    append_string(code, out);
    previous = code;
    if (static_cast<int>(table.size()) == (1 << width) && width < 12) ++width;
  }
  if (total_bits - bit >= 8) return std::nullopt;
  return out;
}

std::vector<QImage> read_all_frames(const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "gif");
  std::vector<QImage> frames;
  for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read()) {
    frames.push_back(frame.convertToFormat(QImage::Format_RGB32));
  }
  return frames;
}

// Compares pixel by pixel and reports the first difference, not thousands.
void expect_same_pixels(const QImage& expected, const QImage& actual) {
  ASSERT_EQ(expected.size(), actual.size());
  for (int y = 0; y < expected.height(); ++y) {
    for (int x = 0; x < expected.width(); ++x) {
      const QRgb want = expected.pixel(x, y) | 0xFF000000u;
      const QRgb got = actual.pixel(x, y) | 0xFF000000u;
      ASSERT_EQ(want, got) << "first difference at " << x << "," << y;
    }
  }
}

TEST(GifWriterTest, QMovieSeesEveryFrameAndLoopsForever) {
  const QSize size(40, 30);
  GifWriter writer(size, standard_palette());
  writer.add_frame(solid(size, qRgb(255, 0, 0)), 10);
  writer.add_frame(solid(size, qRgb(0, 0, 255)), 25);
  QImage split = solid(size, qRgb(255, 255, 255));
  for (int y = 0; y < size.height(); ++y) {
    for (int x = size.width() / 2; x < size.width(); ++x) split.setPixel(x, y, qRgb(0, 153, 51));
  }
  writer.add_frame(split, 40);

  testing::TempDir dir;
  const QString path = QString::fromStdString((dir.path() / "show.swf").string());
  ASSERT_TRUE(writer.save(path));

  // The launcher hands QMovie a file with a foreign extension; the content alone must do.
  QMovie movie(path);
  ASSERT_TRUE(movie.isValid());
  EXPECT_EQ(movie.format(), QByteArray("gif"));
  EXPECT_EQ(movie.frameCount(), 3);
  EXPECT_EQ(movie.loopCount(), -1);

  ASSERT_TRUE(movie.jumpToFrame(0));
  EXPECT_EQ(movie.currentImage().pixel(5, 5) | 0xFF000000u, qRgb(255, 0, 0));
  ASSERT_TRUE(movie.jumpToFrame(1));
  EXPECT_EQ(movie.currentImage().pixel(39, 29) | 0xFF000000u, qRgb(0, 0, 255));
  ASSERT_TRUE(movie.jumpToFrame(2));
  EXPECT_EQ(movie.currentImage().pixel(2, 2) | 0xFF000000u, qRgb(255, 255, 255));
  EXPECT_EQ(movie.currentImage().pixel(30, 20) | 0xFF000000u, qRgb(0, 153, 51));
}

TEST(GifWriterTest, FiniteLoopCountAndDelaysAreKept) {
  const QSize size(8, 8);
  GifWriter writer(size, standard_palette(), 3);
  writer.add_frame(solid(size, qRgb(0, 0, 0)), 5);
  writer.add_frame(solid(size, qRgb(255, 255, 255)), 140);
  QBuffer buffer;
  buffer.setData(writer.encode());
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "gif");
  EXPECT_EQ(reader.loopCount(), 3);
  EXPECT_EQ(reader.imageCount(), 2);
  ASSERT_FALSE(reader.read().isNull());
  EXPECT_EQ(reader.nextImageDelay(), 50);
  ASSERT_FALSE(reader.read().isNull());
  EXPECT_EQ(reader.nextImageDelay(), 1400);
}

TEST(GifWriterTest, NoisyFramesSurviveTableResetsExactly) {
  const std::vector<QRgb> palette = standard_palette();
  const QSize size(211, 157);  // odd sizes, and far more codes than one table holds
  GifWriter writer(size, palette);
  const QImage first = noise(size, palette, 1);
  const QImage second = noise(size, palette, 2);
  writer.add_frame(first, 10);
  writer.add_frame(second, 10);

  const std::vector<QImage> frames = read_all_frames(writer.encode());
  ASSERT_EQ(frames.size(), 2u);
  expect_same_pixels(first, frames[0]);
  expect_same_pixels(second, frames[1]);
}

TEST(GifWriterTest, LongRunsAndEveryCodeWidthDecodeExactly) {
  // Long runs grow strings quickly; a gradient of runs walks the table through all widths.
  const std::vector<QRgb> palette = standard_palette();
  const QSize size(300, 200);
  QImage image(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) {
      image.setPixel(x, y, palette[static_cast<std::size_t>((x / 7 + y * y / 13) % 256)]);
    }
  }
  for (int width : {1, 2, 3, 255, 256, 257, 511, 512, 513}) {
    SCOPED_TRACE(width);
    const QImage slice = image.copy(0, 0, width, 1 + width % 5);
    GifWriter writer(slice.size(), palette);
    writer.add_frame(slice, 10);
    const std::vector<QImage> frames = read_all_frames(writer.encode());
    ASSERT_EQ(frames.size(), 1u);
    expect_same_pixels(slice, frames[0]);
  }
  GifWriter writer(size, palette);
  writer.add_frame(image, 10);
  const std::vector<QImage> frames = read_all_frames(writer.encode());
  ASSERT_EQ(frames.size(), 1u);
  expect_same_pixels(image, frames[0]);
}

TEST(GifWriterTest, CodeStreamDecodesStrictlyAtManyLengths) {
  // Noise makes nearly one code per index, so the stream ends at every table size through the
  // first widening (near 256 codes); past that a stride of 7 still meets every bit alignment on
  // the way through the second (near 768) and beyond. The long run clears the table often.
  std::mt19937 random(11);
  std::vector<std::uint8_t> noise_indices(20000);
  for (auto& index : noise_indices) index = static_cast<std::uint8_t>(random() % 256);
  auto check_length = [&noise_indices](std::size_t n) {
    const std::vector<std::uint8_t> indices(noise_indices.begin(),
                                            noise_indices.begin() + static_cast<std::ptrdiff_t>(n));
    const auto decoded = strict_lzw_decode(lzw_compress(indices));
    ASSERT_TRUE(decoded.has_value()) << "length " << n;
    ASSERT_EQ(*decoded, indices) << "length " << n;
  };
  for (std::size_t n = 0; n <= 300; ++n) ASSERT_NO_FATAL_FAILURE(check_length(n));
  for (std::size_t n = 301; n <= 1100; n += 7) ASSERT_NO_FATAL_FAILURE(check_length(n));
  check_length(noise_indices.size());
}

TEST(GifWriterTest, RepetitiveDataIsCompressed) {
  const std::vector<std::uint8_t> flat(10000, 42);
  const QByteArray packed = lzw_compress(flat);
  EXPECT_LT(packed.size(), 400);
  const auto decoded = strict_lzw_decode(packed);
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(*decoded, flat);
}

TEST(GifWriterTest, OffPaletteColoursGoToTheNearestEntry) {
  PaletteMapper mapper(standard_palette());
  const auto& palette = mapper.palette();
  EXPECT_EQ(palette[mapper.index_of(qRgb(3, 2, 4))], qRgb(0, 0, 0));
  EXPECT_EQ(palette[mapper.index_of(qRgb(250, 6, 3))], qRgb(255, 0, 0));
  EXPECT_EQ(palette[mapper.index_of(qRgb(60, 100, 210))], qRgb(51, 102, 204));
  // A mid grey is far from every cube colour but close to one of the added greys.
  const QRgb grey = palette[mapper.index_of(qRgb(120, 120, 120))];
  EXPECT_EQ(qRed(grey), qGreen(grey));
  EXPECT_EQ(qGreen(grey), qBlue(grey));
  EXPECT_NEAR(qRed(grey), 120, 4);
  // Alpha plays no part.
  EXPECT_EQ(mapper.index_of(qRgba(255, 0, 0, 10)), mapper.index_of(qRgb(255, 0, 0)));
}

TEST(GifWriterTest, StandardPaletteHasCubeAndGreys) {
  const std::vector<QRgb> palette = standard_palette();
  ASSERT_EQ(palette.size(), 256u);
  EXPECT_EQ(palette.front(), qRgb(0, 0, 0));
  EXPECT_EQ(palette[215], qRgb(255, 255, 255));
  for (std::size_t i = 216; i < 256; ++i) {
    EXPECT_EQ(qRed(palette[i]), qBlue(palette[i]));
    EXPECT_GT(qRed(palette[i]), qRed(palette[i - 1 < 216 ? 0 : i - 1]));
  }
}

TEST(GifWriterTest, SameFramesGiveSameBytes) {
  const QSize size(64, 48);
  const std::vector<QRgb> palette = standard_palette();
  auto make = [&] {
    GifWriter writer(size, palette);
    writer.add_frame(noise(size, palette, 7), 12);
    writer.add_frame(solid(size, qRgb(10, 200, 90)), 12);
    return writer.encode();
  };
  const QByteArray once = make();
  EXPECT_EQ(once, make());
  EXPECT_TRUE(once.startsWith("GIF89a"));
  EXPECT_TRUE(once.contains("NETSCAPE2.0"));
  EXPECT_EQ(once.back(), '\x3B');
}

TEST(GifWriterTest, RejectsImpossiblePalettesAndSizes) {
  EXPECT_THROW(GifWriter(QSize(4, 4), std::vector<QRgb>(257, qRgb(0, 0, 0))),
               std::invalid_argument);
  EXPECT_THROW(GifWriter(QSize(4, 4), std::vector<QRgb>{}), std::invalid_argument);
  EXPECT_THROW(GifWriter(QSize(0, 4), standard_palette()), std::invalid_argument);
}

}  // namespace
}  // namespace tavrel::art

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

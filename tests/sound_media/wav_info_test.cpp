// WAV facts reader: format, frame count and peak, and refusal of what the program cannot play.
#include "tools/sound_media/wav_info.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "temp_dir.h"

namespace tavrel::sound {
namespace {

void put32(std::string& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
}

void put16(std::string& out, std::uint16_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>(value >> 8));
}

std::string chunk(const std::string& id, const std::string& body) {
  std::string out = id;
  put32(out, static_cast<std::uint32_t>(body.size()));
  out += body;
  if (body.size() % 2) out.push_back('\0');
  return out;
}

std::string fmt(int format, int channels, int rate, int bits) {
  std::string body;
  put16(body, format);
  put16(body, channels);
  put32(body, rate);
  put32(body, rate * channels * bits / 8);
  put16(body, channels * bits / 8);
  put16(body, bits);
  return chunk("fmt ", body);
}

std::string samples(const std::vector<std::int16_t>& values) {
  std::string body;
  for (std::int16_t v : values) put16(body, static_cast<std::uint16_t>(v));
  return body;
}

std::string riff(const std::string& chunks) {
  std::string out = "RIFF";
  put32(out, static_cast<std::uint32_t>(4 + chunks.size()));
  return out + "WAVE" + chunks;
}

TEST(WavInfo, ReadsFormatLengthAndPeak) {
  const WavInfo info =
      parse_wav(riff(fmt(1, 1, 44100, 16) + chunk("data", samples({0, 1200, -16384, 700}))));
  EXPECT_EQ(info.channels, 1);
  EXPECT_EQ(info.sample_rate, 44100);
  EXPECT_EQ(info.bits_per_sample, 16);
  EXPECT_EQ(info.frames, 4u);
  EXPECT_EQ(info.peak, 16384);
  EXPECT_NEAR(info.peak_dbfs(), -6.0206, 1e-3);
  EXPECT_DOUBLE_EQ(info.seconds(), 4.0 / 44100);
}

TEST(WavInfo, CountsFramesNotSamplesAndSeesFullScale) {
  const WavInfo info =
      parse_wav(riff(fmt(1, 2, 22050, 16) + chunk("data", samples({-32768, 5, 3, 4, 32767, 0}))));
  EXPECT_EQ(info.frames, 3u);
  EXPECT_EQ(info.peak, 32768);
  EXPECT_DOUBLE_EQ(info.peak_dbfs(), 0.0);
  EXPECT_TRUE(std::isinf(
      parse_wav(riff(fmt(1, 1, 8000, 16) + chunk("data", samples({0, 0})))).peak_dbfs()));
}

TEST(WavInfo, SkipsOtherChunksIncludingOddPadding) {
  const std::string list = chunk("LIST", "INFOabc");  // seven bytes and a pad byte
  const WavInfo info =
      parse_wav(riff(list + fmt(1, 1, 44100, 16) + list + chunk("data", samples({9, -10}))));
  EXPECT_EQ(info.frames, 2u);
  EXPECT_EQ(info.peak, 10);
}

TEST(WavInfo, RefusesOtherFormatsAndDamage) {
  const std::string good_data = chunk("data", samples({1, 2, 3}));
  EXPECT_THROW(parse_wav(riff(fmt(3, 1, 44100, 32) + good_data)), std::runtime_error);
  EXPECT_THROW(parse_wav(riff(fmt(1, 1, 44100, 8) + good_data)), std::runtime_error);
  EXPECT_THROW(parse_wav(riff(good_data)), std::runtime_error);
  EXPECT_THROW(parse_wav(riff(fmt(1, 1, 44100, 16))), std::runtime_error);
  EXPECT_THROW(parse_wav("RIFF\x04\0\0\0AVI "), std::runtime_error);
  // A data chunk that claims more than the file holds.
  std::string truncated = riff(fmt(1, 1, 44100, 16) + good_data);
  truncated.resize(truncated.size() - 2);
  EXPECT_THROW(parse_wav(truncated), std::runtime_error);
  // Half a stereo frame.
  EXPECT_THROW(parse_wav(riff(fmt(1, 2, 44100, 16) + good_data)), std::runtime_error);
}

TEST(WavInfo, ReadsFilesAndNamesThemInErrors) {
  tavrel::testing::TempDir dir;
  const auto good =
      dir.write("a.wav", riff(fmt(1, 1, 44100, 16) + chunk("data", samples({3, -4}))));
  EXPECT_EQ(read_wav(good).peak, 4);
  const auto bad = dir.write("b.wav", "nonsense");
  try {
    read_wav(bad);
    FAIL() << "accepted a broken file";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("b.wav"), std::string::npos);
  }
  EXPECT_THROW(read_wav(dir.path() / "missing.wav"), std::runtime_error);
}

}  // namespace
}  // namespace tavrel::sound

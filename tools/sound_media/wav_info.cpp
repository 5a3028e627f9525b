// RIFF chunk walk, format check and peak scan of 16-bit PCM WAV files.
#include "tools/sound_media/wav_info.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>

namespace tavrel::sound {
namespace {

constexpr int kFormatPcm = 1;

std::uint32_t u32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}

std::uint16_t u16(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) |
                                    static_cast<std::uint8_t>(bytes[at + 1]) << 8);
}

[[noreturn]] void fail(const std::string& why) { throw std::runtime_error("WAV: " + why); }

}  // namespace

double WavInfo::seconds() const {
  return sample_rate > 0 ? static_cast<double>(frames) / sample_rate : 0.0;
}

double WavInfo::peak_dbfs() const {
  if (peak == 0) return -std::numeric_limits<double>::infinity();
  return 20.0 * std::log10(peak / 32768.0);
}

WavInfo parse_wav(std::string_view bytes) {
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
    fail("not a RIFF/WAVE file");
  }
  if (u32(bytes, 4) > bytes.size() - 8) fail("RIFF size beyond the end of the file");

  std::optional<WavInfo> info;
  std::optional<std::string_view> samples;
  std::size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const std::string_view id = bytes.substr(at, 4);
    const std::uint32_t size = u32(bytes, at + 4);
    if (size > bytes.size() - at - 8) fail("chunk '" + std::string(id) + "' is truncated");
    const std::string_view body = bytes.substr(at + 8, size);
    if (id == "fmt ") {
      if (size < 16) fail("format chunk too short");
      WavInfo fmt;
      const int format = u16(body, 0);
      fmt.channels = u16(body, 2);
      fmt.sample_rate = static_cast<int>(u32(body, 4));
      const int block_align = u16(body, 12);
      fmt.bits_per_sample = u16(body, 14);
      if (format != kFormatPcm || fmt.bits_per_sample != 16) fail("not 16-bit PCM");
      if (fmt.channels < 1 || fmt.sample_rate < 1 || block_align != 2 * fmt.channels) {
        fail("inconsistent format chunk");
      }
      info = fmt;
    } else if (id == "data") {
      samples = body;
    }
    // Chunks are padded to an even length.
    at += 8 + size + (size & 1);
  }
  if (!info) fail("no format chunk");
  if (!samples) fail("no data chunk");
  const std::size_t frame_bytes = 2 * static_cast<std::size_t>(info->channels);
  if (samples->size() % frame_bytes != 0) fail("data chunk ends inside a frame");
  info->frames = static_cast<std::uint32_t>(samples->size() / frame_bytes);
  for (std::size_t i = 0; i < samples->size(); i += 2) {
    const int value = static_cast<std::int16_t>(u16(*samples, i));
    info->peak = std::max(info->peak, std::abs(value));
  }
  return *info;
}

WavInfo read_wav(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot open " + path.string());
  const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  try {
    return parse_wav(bytes);
  } catch (const std::runtime_error& error) {
    throw std::runtime_error(path.string() + ": " + error.what());
  }
}

}  // namespace tavrel::sound

// A reader of the facts the program cares about in a 16-bit PCM WAV file: format, length, peak.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace tavrel::sound {

struct WavInfo {
  int channels = 0;
  int sample_rate = 0;
  int bits_per_sample = 0;
  std::uint32_t frames = 0;
  // Largest absolute sample value; 32768 means a sample sits at full negative scale.
  int peak = 0;

  double seconds() const;
  // Peak relative to full scale (32768), in dB; minus infinity for silence.
  double peak_dbfs() const;
};

// Reads RIFF/WAVE bytes holding uncompressed 16-bit PCM. Throws std::runtime_error for any
// other format and for a truncated or damaged file.
WavInfo parse_wav(std::string_view bytes);
WavInfo read_wav(const std::filesystem::path& path);

}  // namespace tavrel::sound

// An independent, strict Standard MIDI File reader for checking what the writer produces.
#pragma once

#include <cstdint>
#include <vector>

namespace tavrel::sound::testing {

struct SmfEvent {
  std::uint32_t tick = 0;   // absolute
  std::uint8_t status = 0;  // 0xFF for meta events
  std::uint8_t meta_type = 0;
  std::vector<std::uint8_t> data;  // channel message data bytes, or the meta event's payload
};

struct SmfTrack {
  std::uint32_t declared_length = 0;
  std::vector<SmfEvent> events;
};

struct Smf {
  int format = 0;
  int division = 0;
  std::vector<SmfTrack> tracks;
};

// Reads a variable-length quantity at `at`, advancing it; throws on more than four bytes or
// running off the end.
std::uint32_t read_variable_length(const std::vector<std::uint8_t>& bytes, std::size_t& at);

// Parses the whole file, following running status; throws std::runtime_error when a chunk
// length disagrees with its contents, a track does not end with end-of-track, or bytes are left.
Smf read_smf(const std::vector<std::uint8_t>& bytes);

// Seconds up to the last event of any track, following the tempo events of all tracks.
double smf_seconds(const Smf& smf);

}  // namespace tavrel::sound::testing

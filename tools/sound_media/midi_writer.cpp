// Standard MIDI File writer: event encoding, ordering and the header and track chunks.
#include "tools/sound_media/midi_writer.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>
#include <utility>

namespace tavrel::sound {
namespace {

// Ranks of events that share a tick; see MidiTrack.
constexpr int kRankMeta = 0;
constexpr int kRankControl = 1;
constexpr int kRankNoteOff = 2;
constexpr int kRankNoteOn = 3;

constexpr std::uint8_t kMetaTrackName = 0x03;
constexpr std::uint8_t kMetaEndOfTrack = 0x2F;
constexpr std::uint8_t kMetaTempo = 0x51;
constexpr std::uint8_t kMetaTimeSignature = 0x58;
constexpr std::uint8_t kReleaseVelocity = 64;

void check_range(int value, int low, int high, const char* what) {
  if (value < low || value > high) {
    throw std::invalid_argument(std::string("MIDI ") + what +
                                " out of range: " + std::to_string(value));
  }
}

void append_u32(std::uint32_t value, Bytes& out) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back((value >> shift) & 0xFF);
}

void append_u16(std::uint16_t value, Bytes& out) {
  out.push_back(value >> 8);
  out.push_back(value & 0xFF);
}

Bytes meta(std::uint8_t type, const Bytes& data) {
  Bytes bytes{0xFF, type};
  append_variable_length(static_cast<std::uint32_t>(data.size()), bytes);
  bytes.insert(bytes.end(), data.begin(), data.end());
  return bytes;
}

std::uint8_t status(std::uint8_t kind, int channel) {
  check_range(channel, 0, 15, "channel");
  return kind | static_cast<std::uint8_t>(channel);
}

}  // namespace

void append_variable_length(std::uint32_t value, Bytes& out) {
  if (value > kMaxVariableLength) {
    throw std::out_of_range("MIDI variable-length quantity too large: " + std::to_string(value));
  }
  std::uint8_t groups[4];
  int count = 0;
  do {
    groups[count++] = value & 0x7F;
    value >>= 7;
  } while (value != 0);
  // Every group but the last carries the continuation bit.
  while (count > 1) out.push_back(groups[--count] | 0x80);
  out.push_back(groups[0]);
}

std::uint32_t micros_per_quarter(double beats_per_minute) {
  if (!(beats_per_minute > 0)) throw std::invalid_argument("MIDI tempo must be positive");
  return static_cast<std::uint32_t>(std::lround(60'000'000.0 / beats_per_minute));
}

MidiTrack::MidiTrack(std::string name) {
  if (!name.empty()) add_event(0, kRankMeta, meta(kMetaTrackName, Bytes(name.begin(), name.end())));
}

void MidiTrack::add_event(std::uint32_t tick, int rank, Bytes bytes) {
  if (tick > kMaxVariableLength) throw std::out_of_range("MIDI tick too large");
  events_.push_back({tick, rank, std::move(bytes)});
  end_tick_ = std::max(end_tick_, tick);
}

void MidiTrack::add_tempo(std::uint32_t tick, std::uint32_t micros) {
  if (micros == 0 || micros > 0xFFFFFF) throw std::invalid_argument("MIDI tempo out of range");
  tempos_.emplace_back(tick, micros);
  add_event(tick, kRankMeta,
            meta(kMetaTempo, {static_cast<std::uint8_t>(micros >> 16),
                              static_cast<std::uint8_t>((micros >> 8) & 0xFF),
                              static_cast<std::uint8_t>(micros & 0xFF)}));
}

void MidiTrack::add_time_signature(std::uint32_t tick, int numerator, int denominator) {
  check_range(numerator, 1, 32, "time signature numerator");
  int power = 0;
  while ((1 << power) < denominator) ++power;
  if ((1 << power) != denominator || power < 1 || power > 4) {
    throw std::invalid_argument("MIDI time signature denominator must be 2, 4, 8 or 16");
  }
  // 24 clocks per metronome click, 8 thirty-seconds per quarter: the usual values.
  add_event(tick, kRankMeta,
            meta(kMetaTimeSignature,
                 {static_cast<std::uint8_t>(numerator), static_cast<std::uint8_t>(power), 24, 8}));
}

void MidiTrack::add_program(std::uint32_t tick, int channel, int program) {
  check_range(program, 0, 127, "program");
  add_event(tick, kRankControl, {status(0xC0, channel), static_cast<std::uint8_t>(program)});
}

void MidiTrack::add_control(std::uint32_t tick, int channel, int controller, int value) {
  check_range(controller, 0, 119, "controller");
  check_range(value, 0, 127, "controller value");
  add_event(tick, kRankControl,
            {status(0xB0, channel), static_cast<std::uint8_t>(controller),
             static_cast<std::uint8_t>(value)});
}

void MidiTrack::add_note(std::uint32_t tick, std::uint32_t duration, int channel, int key,
                         int velocity) {
  check_range(channel, 0, 15, "channel");
  check_range(key, 0, 127, "key");
  // Velocity 0 would be read as a note-off.
  check_range(velocity, 1, 127, "velocity");
  if (duration == 0) throw std::invalid_argument("MIDI note without duration");
  if (duration > kMaxVariableLength - tick) throw std::out_of_range("MIDI note ends too late");
  const std::uint32_t end = tick + duration;
  for (const NoteSpan& other : notes_) {
    if (other.channel == channel && other.key == key && tick < other.end && other.begin < end) {
      throw std::invalid_argument("MIDI note overlaps a note of the same key: " +
                                  std::to_string(key));
    }
  }
  notes_.push_back({channel, key, tick, end});
  const auto key_byte = static_cast<std::uint8_t>(key);
  add_event(tick, kRankNoteOn,
            {status(0x90, channel), key_byte, static_cast<std::uint8_t>(velocity)});
  add_event(end, kRankNoteOff, {status(0x80, channel), key_byte, kReleaseVelocity});
}

void MidiTrack::extend_to(std::uint32_t tick) {
  if (tick > kMaxVariableLength) throw std::out_of_range("MIDI tick too large");
  end_tick_ = std::max(end_tick_, tick);
}

Bytes MidiTrack::chunk() const {
  std::vector<const Event*> order;
  order.reserve(events_.size());
  for (const Event& event : events_) order.push_back(&event);
  std::stable_sort(order.begin(), order.end(), [](const Event* a, const Event* b) {
    return a->tick != b->tick ? a->tick < b->tick : a->rank < b->rank;
  });

  Bytes body;
  std::uint32_t now = 0;
  for (const Event* event : order) {
    append_variable_length(event->tick - now, body);
    body.insert(body.end(), event->bytes.begin(), event->bytes.end());
    now = event->tick;
  }
  append_variable_length(end_tick_ - now, body);
  const Bytes end = meta(kMetaEndOfTrack, {});
  body.insert(body.end(), end.begin(), end.end());

  Bytes out{'M', 'T', 'r', 'k'};
  append_u32(static_cast<std::uint32_t>(body.size()), out);
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

MidiFile::MidiFile(int ticks_per_quarter) : ticks_per_quarter_(ticks_per_quarter) {
  // The top bit would select SMPTE time code instead of ticks per quarter.
  check_range(ticks_per_quarter, 1, 0x7FFF, "ticks per quarter");
}

MidiTrack& MidiFile::add_track(std::string name) { return tracks_.emplace_back(std::move(name)); }

double MidiFile::seconds() const {
  std::vector<std::pair<std::uint32_t, std::uint32_t>> changes;
  std::uint32_t end = 0;
  for (const MidiTrack& track : tracks_) {
    changes.insert(changes.end(), track.tempos().begin(), track.tempos().end());
    end = std::max(end, track.end_tick());
  }
  std::stable_sort(changes.begin(), changes.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  double micros = 0;
  std::uint32_t tick = 0;
  std::uint32_t tempo = 500'000;
  for (const auto& [at, next] : changes) {
    if (at >= end) break;
    micros += static_cast<double>(at - tick) * tempo / ticks_per_quarter_;
    tick = at;
    tempo = next;
  }
  micros += static_cast<double>(end - tick) * tempo / ticks_per_quarter_;
  return micros / 1e6;
}

Bytes MidiFile::bytes() const {
  if (tracks_.empty()) throw std::logic_error("MIDI file without tracks");
  if (tracks_.size() > 0xFFFF) throw std::logic_error("MIDI file with too many tracks");
  Bytes out{'M', 'T', 'h', 'd'};
  append_u32(6, out);
  append_u16(tracks_.size() == 1 ? 0 : 1, out);
  append_u16(static_cast<std::uint16_t>(tracks_.size()), out);
  append_u16(static_cast<std::uint16_t>(ticks_per_quarter_), out);
  for (const MidiTrack& track : tracks_) {
    const Bytes chunk = track.chunk();
    out.insert(out.end(), chunk.begin(), chunk.end());
  }
  return out;
}

void MidiFile::save(const std::filesystem::path& path) const {
  const Bytes data = bytes();
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  file.close();
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace tavrel::sound

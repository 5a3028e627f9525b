// Writer of Standard MIDI Files (format 0 or 1) from notes and events placed at absolute ticks.
#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace tavrel::sound {

using Bytes = std::vector<std::uint8_t>;

// The largest delta time a MIDI variable-length quantity can hold (four bytes of seven bits).
constexpr std::uint32_t kMaxVariableLength = 0x0FFFFFFF;

// Appends `value` as a variable-length quantity, most significant group first;
// throws std::out_of_range above kMaxVariableLength.
void append_variable_length(std::uint32_t value, Bytes& out);

// The microseconds per quarter note of a tempo given in beats (quarters) per minute.
std::uint32_t micros_per_quarter(double beats_per_minute);

// One track chunk. Events may be added in any order; they are written sorted by tick, and at
// one tick in the order: meta events, controls and programs, note-offs, note-ons, so that a
// note ending where the next one of the same key begins is released before it sounds again.
class MidiTrack {
 public:
  explicit MidiTrack(std::string name = {});

  void add_tempo(std::uint32_t tick, std::uint32_t micros_per_quarter);
  // `denominator` is the note value of one beat: 2, 4, 8 or 16.
  void add_time_signature(std::uint32_t tick, int numerator, int denominator);
  void add_program(std::uint32_t tick, int channel, int program);
  void add_control(std::uint32_t tick, int channel, int controller, int value);
  // A note-on at `tick` and its note-off `duration` ticks later. A note that overlaps a
  // sounding note of the same key on the same channel is refused: a player could not tell
  // which of the two a note-off ends.
  void add_note(std::uint32_t tick, std::uint32_t duration, int channel, int key, int velocity);
  // Moves the end of the track to at least `tick`, so that the last notes may ring out.
  void extend_to(std::uint32_t tick);

  std::uint32_t end_tick() const { return end_tick_; }
  std::size_t note_count() const { return notes_.size(); }
  // Tempo changes as (tick, microseconds per quarter), in the order they were added.
  const std::vector<std::pair<std::uint32_t, std::uint32_t>>& tempos() const { return tempos_; }
  // The whole "MTrk" chunk, closed by an end-of-track event at end_tick().
  Bytes chunk() const;

 private:
  struct Event {
    std::uint32_t tick;
    int rank;
    Bytes bytes;
  };
  struct NoteSpan {
    int channel;
    int key;
    std::uint32_t begin;
    std::uint32_t end;
  };

  void add_event(std::uint32_t tick, int rank, Bytes bytes);

  std::vector<Event> events_;
  std::vector<NoteSpan> notes_;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> tempos_;
  std::uint32_t end_tick_ = 0;
};

class MidiFile {
 public:
  explicit MidiFile(int ticks_per_quarter);

  int ticks_per_quarter() const { return ticks_per_quarter_; }
  // Tracks keep their address while more are added.
  MidiTrack& add_track(std::string name = {});
  const std::deque<MidiTrack>& tracks() const { return tracks_; }

  // Playing time up to the end of the longest track, following the tempo changes of all tracks
  // (120 beats per minute until the first one, as players assume).
  double seconds() const;

  // Header and track chunks; format 0 for a single track, 1 otherwise.
  Bytes bytes() const;
  // Throws std::runtime_error when the file cannot be written.
  void save(const std::filesystem::path& path) const;

 private:
  int ticks_per_quarter_;
  std::deque<MidiTrack> tracks_;
};

}  // namespace tavrel::sound

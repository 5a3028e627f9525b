// MIDI writer: variable-length numbers, chunk layout, event order and timing, read back strictly.
#include "tools/sound_media/midi_writer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <utility>

#include "smf_reader.h"
#include "temp_dir.h"

namespace tavrel::sound {
namespace {

using testing::read_smf;
using testing::read_variable_length;
using testing::Smf;
using testing::smf_seconds;

Bytes vlq(std::uint32_t value) {
  Bytes out;
  append_variable_length(value, out);
  return out;
}

TEST(MidiWriter, VariableLengthQuantities) {
  EXPECT_EQ(vlq(0), (Bytes{0x00}));
  EXPECT_EQ(vlq(127), (Bytes{0x7F}));
  EXPECT_EQ(vlq(128), (Bytes{0x81, 0x00}));
  EXPECT_EQ(vlq(0x3FFF), (Bytes{0xFF, 0x7F}));
  EXPECT_EQ(vlq(0x4000), (Bytes{0x81, 0x80, 0x00}));
  EXPECT_EQ(vlq(0x1FFFFF), (Bytes{0xFF, 0xFF, 0x7F}));
  EXPECT_EQ(vlq(0x200000), (Bytes{0x81, 0x80, 0x80, 0x00}));
  EXPECT_EQ(vlq(0x0FFFFFFF), (Bytes{0xFF, 0xFF, 0xFF, 0x7F}));
  EXPECT_THROW(vlq(0x10000000), std::out_of_range);

  // Appends, never replaces, and decodes back across the whole range.
  Bytes joined;
  const std::uint32_t values[] = {0, 1, 127, 128, 480, 0x3FFF, 0x4000, 0x12345, 0x0FFFFFFF};
  for (std::uint32_t value : values) append_variable_length(value, joined);
  std::size_t at = 0;
  for (std::uint32_t value : values) EXPECT_EQ(read_variable_length(joined, at), value);
  EXPECT_EQ(at, joined.size());
}

TEST(MidiWriter, TempoFromBeatsPerMinute) {
  EXPECT_EQ(micros_per_quarter(120), 500000u);
  EXPECT_EQ(micros_per_quarter(60), 1000000u);
  EXPECT_EQ(micros_per_quarter(84), 714286u);  // rounded, not truncated
  EXPECT_THROW(micros_per_quarter(0), std::invalid_argument);
}

TEST(MidiWriter, SingleTrackFileIsFormatZeroWithExactChunkLengths) {
  MidiFile file(480);
  MidiTrack& track = file.add_track("tune");
  track.add_tempo(0, 500000);
  track.add_note(0, 480, 0, 60, 90);
  const Bytes bytes = file.bytes();

  const Bytes header{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0};
  ASSERT_GE(bytes.size(), header.size() + 8);
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 14), header);
  EXPECT_EQ(std::string(bytes.begin() + 14, bytes.begin() + 18), "MTrk");
  const std::uint32_t length = bytes[18] << 24 | bytes[19] << 16 | bytes[20] << 8 | bytes[21];
  EXPECT_EQ(length, bytes.size() - 22);
  // Name (0 FF 03 4 "tune") + tempo (0 FF 51 3 tt tt tt) + on (0 90 3C 5A)
  // + off (83 60 80 3C 40) + end (0 FF 2F 00).
  EXPECT_EQ(length, 8u + 7u + 4u + 5u + 4u);
  EXPECT_EQ(Bytes(bytes.end() - 4, bytes.end()), (Bytes{0x00, 0xFF, 0x2F, 0x00}));

  const Smf smf = read_smf(bytes);
  EXPECT_EQ(smf.format, 0);
  EXPECT_EQ(smf.division, 480);
  ASSERT_EQ(smf.tracks.size(), 1u);
  EXPECT_EQ(smf.tracks[0].declared_length, length);
}

TEST(MidiWriter, SeveralTracksMakeFormatOne) {
  MidiFile file(96);
  file.add_track().add_tempo(0, 600000);
  file.add_track().add_note(0, 96, 1, 64, 70);
  file.add_track().add_note(48, 96, 2, 67, 70);
  const Smf smf = read_smf(file.bytes());
  EXPECT_EQ(smf.format, 1);
  EXPECT_EQ(smf.division, 96);
  ASSERT_EQ(smf.tracks.size(), 3u);
  // An empty track still carries its end-of-track.
  ASSERT_EQ(smf.tracks[0].events.size(), 2u);
  EXPECT_EQ(smf.tracks[0].events.back().meta_type, 0x2F);
  EXPECT_EQ(smf.tracks[2].events.back().tick, 144u);
  EXPECT_THROW(MidiFile(96).bytes(), std::logic_error);
  EXPECT_THROW(MidiFile(0x8000), std::invalid_argument);
}

TEST(MidiWriter, EventsAreSortedAndReleasesComeBeforeAttacksAtOneTick) {
  MidiFile file(480);
  MidiTrack& track = file.add_track();
  // Added out of order; the repeated note starts exactly where the first one ends.
  track.add_note(480, 480, 3, 62, 80);
  track.add_note(0, 480, 3, 62, 70);
  track.add_program(0, 3, 40);
  track.add_control(480, 3, 64, 127);
  track.add_tempo(480, 400000);
  const Smf smf = read_smf(file.bytes());
  const auto& events = smf.tracks[0].events;
  ASSERT_EQ(events.size(), 8u);
  EXPECT_EQ(events[0].status, 0xC3);  // program before the first note
  EXPECT_EQ(events[1].status, 0x93);
  EXPECT_EQ(events[1].data, (std::vector<std::uint8_t>{62, 70}));
  EXPECT_EQ(events[2].status, 0xFF);  // meta first at tick 480
  EXPECT_EQ(events[2].tick, 480u);
  EXPECT_EQ(events[3].status, 0xB3);
  EXPECT_EQ(events[4].status, 0x83);  // release of the first note ...
  EXPECT_EQ(events[5].status, 0x93);  // ... before the second strikes
  EXPECT_EQ(events[5].data, (std::vector<std::uint8_t>{62, 80}));
  EXPECT_EQ(events[6].status, 0x83);
  EXPECT_EQ(events[6].tick, 960u);
  EXPECT_EQ(events[7].meta_type, 0x2F);
  EXPECT_EQ(events[7].tick, 960u);
}

TEST(MidiWriter, RefusesWhatAPlayerWouldMisread) {
  MidiTrack track;
  track.add_note(0, 480, 0, 60, 80);
  EXPECT_THROW(track.add_note(240, 480, 0, 60, 80), std::invalid_argument);  // overlaps
  EXPECT_THROW(track.add_note(0, 100, 0, 60, 80), std::invalid_argument);    // same start
  EXPECT_NO_THROW(track.add_note(240, 480, 1, 60, 80));                      // other channel
  EXPECT_NO_THROW(track.add_note(240, 480, 0, 61, 80));                      // other key
  EXPECT_NO_THROW(track.add_note(480, 10, 0, 60, 80));  // starts where the first ends
  EXPECT_THROW(track.add_note(0, 10, 0, 72, 0), std::invalid_argument);  // reads as note-off
  EXPECT_THROW(track.add_note(0, 0, 0, 72, 80), std::invalid_argument);
  EXPECT_THROW(track.add_note(0, 10, 16, 72, 80), std::invalid_argument);
  EXPECT_THROW(track.add_note(0, 10, 0, 128, 80), std::invalid_argument);
  EXPECT_THROW(track.add_note(kMaxVariableLength, 1, 0, 72, 80), std::out_of_range);
  EXPECT_THROW(track.add_program(0, 0, 128), std::invalid_argument);
  EXPECT_THROW(track.add_control(0, 0, 120, 0), std::invalid_argument);
  EXPECT_THROW(track.add_time_signature(0, 3, 3), std::invalid_argument);
  EXPECT_THROW(track.add_tempo(0, 0x1000000), std::invalid_argument);
  EXPECT_EQ(track.note_count(), 4u);
}

TEST(MidiWriter, NoteOnsAndOffsPairUp) {
  MidiFile file(480);
  MidiTrack& track = file.add_track();
  for (int i = 0; i < 12; ++i) {
    // Keys come back on their channel every fourth note, after the previous one has ended.
    track.add_note(i * 120, 240 + i * 7, i % 2, 60 + i % 4, 50 + i);
  }
  const Smf smf = read_smf(file.bytes());
  std::map<std::pair<int, int>, int> sounding;
  int pairs = 0;
  for (const auto& event : smf.tracks[0].events) {
    if (event.status == 0xFF) continue;
    const auto key = std::make_pair(event.status & 0x0F, static_cast<int>(event.data[0]));
    if ((event.status & 0xF0) == 0x90) {
      EXPECT_EQ(sounding[key]++, 0) << "key struck twice";
    } else if ((event.status & 0xF0) == 0x80) {
      ASSERT_EQ(sounding[key]--, 1) << "release without a note";
      ++pairs;
    }
  }
  EXPECT_EQ(pairs, 12);
  for (const auto& [key, count] : sounding) EXPECT_EQ(count, 0);
}

TEST(MidiWriter, DurationFollowsTheTempoMap) {
  MidiFile file(480);
  MidiTrack& track = file.add_track();
  track.add_note(0, 1920, 0, 60, 80);  // two bars of quarters ...
  track.add_tempo(960, 1000000);       // ... the second half at 60 beats per minute
  track.add_tempo(0, 500000);
  EXPECT_DOUBLE_EQ(file.seconds(), 1.0 + 2.0);
  EXPECT_DOUBLE_EQ(smf_seconds(read_smf(file.bytes())), 3.0);

  // The end of the track may lie after the last note, so the last chord can ring out.
  track.extend_to(2400);
  EXPECT_EQ(track.end_tick(), 2400u);
  EXPECT_DOUBLE_EQ(file.seconds(), 4.0);
  const Smf smf = read_smf(file.bytes());
  EXPECT_EQ(smf.tracks[0].events.back().tick, 2400u);
  EXPECT_DOUBLE_EQ(smf_seconds(smf), 4.0);

  // Without a tempo event players assume 120 beats per minute.
  MidiFile plain(96);
  plain.add_track().add_note(0, 192, 0, 60, 80);
  EXPECT_DOUBLE_EQ(plain.seconds(), 1.0);
}

TEST(MidiWriter, SavesTheSameBytes) {
  tavrel::testing::TempDir dir;
  MidiFile file(480);
  file.add_track("x").add_note(0, 480, 0, 60, 80);
  const auto path = dir.path() / "a.mid";
  file.save(path);
  std::ifstream in(path, std::ios::binary);
  const Bytes saved{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_EQ(saved, file.bytes());
  EXPECT_THROW(file.save(dir.path() / "missing" / "a.mid"), std::runtime_error);
}

}  // namespace
}  // namespace tavrel::sound

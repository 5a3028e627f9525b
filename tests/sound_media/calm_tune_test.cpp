// The shipped pause music: length, well-formed notes, instruments, scale; and the files in data/.
#include "tools/sound_media/calm_tune.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <stdexcept>
#include <utility>

#include "smf_reader.h"
#include "tools/sound_media/wav_info.h"

namespace tavrel::sound {
namespace {

using testing::read_smf;
using testing::Smf;
using testing::smf_seconds;

TEST(CalmTune, NoteNames) {
  EXPECT_EQ(note_key("C4"), 60);
  EXPECT_EQ(note_key("A4"), 69);
  EXPECT_EQ(note_key("B3"), 59);
  EXPECT_EQ(note_key("F#3"), 54);
  EXPECT_EQ(note_key("Bb5"), 82);
  EXPECT_EQ(note_key("C0"), 12);
  for (const char* bad : {"", "C", "H4", "c4", "C#", "C10", "Cx4", "C-1"}) {
    EXPECT_THROW(note_key(bad), std::invalid_argument) << bad;
  }
}

class ShippedTune : public ::testing::Test {
 protected:
  const MidiFile tune_ = compose_calm_tune();
  const Smf smf_ = read_smf(tune_.bytes());
};

TEST_F(ShippedTune, LastsHalfAMinuteToAMinute) {
  EXPECT_EQ(smf_.format, 0);
  ASSERT_EQ(smf_.tracks.size(), 1u);
  EXPECT_EQ(smf_.division, kTuneTicksPerQuarter);
  const double seconds = smf_seconds(smf_);
  EXPECT_GE(seconds, 30.0);
  EXPECT_LE(seconds, 60.0);
  EXPECT_NEAR(tune_.seconds(), seconds, 1e-6);
}

TEST_F(ShippedTune, EveryNoteIsReleasedOnceAndNothingHangs) {
  std::map<std::pair<int, int>, std::uint32_t> sounding;  // (channel, key) -> since
  std::uint32_t last_release = 0;
  int notes = 0;
  for (const auto& event : smf_.tracks[0].events) {
    const int kind = event.status & 0xF0;
    if (event.status == 0xFF || (kind != 0x80 && kind != 0x90)) continue;
    const auto key = std::make_pair(event.status & 0x0F, static_cast<int>(event.data[0]));
    if (kind == 0x90 && event.data[1] > 0) {
      EXPECT_EQ(sounding.count(key), 0u) << "key " << key.second << " struck while sounding";
      sounding[key] = event.tick;
      ++notes;
    } else {
      ASSERT_EQ(sounding.count(key), 1u) << "release of a silent key " << key.second;
      EXPECT_GT(event.tick, sounding[key]);
      sounding.erase(key);
      last_release = event.tick;
    }
  }
  EXPECT_TRUE(sounding.empty());
  EXPECT_GE(notes, 150);
  // The end of the track leaves the last chord time to fade.
  EXPECT_GT(smf_.tracks[0].events.back().tick, last_release);
}

TEST_F(ShippedTune, ChannelsHaveTheirInstrumentBeforeTheyPlayAndAvoidDrums) {
  std::map<int, int> program;
  std::set<int> playing;
  for (const auto& event : smf_.tracks[0].events) {
    const int channel = event.status & 0x0F;
    if ((event.status & 0xF0) == 0xC0) program[channel] = event.data[0];
    if ((event.status & 0xF0) == 0x90) {
      EXPECT_TRUE(program.count(channel)) << "channel " << channel << " plays without a program";
      EXPECT_NE(channel, 9);
      playing.insert(channel);
    }
  }
  EXPECT_EQ(playing, (std::set<int>{kMelodyChannel, kStringsChannel, kAccompanimentChannel}));
  EXPECT_EQ(program[kMelodyChannel], 0);    // piano
  EXPECT_EQ(program[kStringsChannel], 49);  // slow strings
}

TEST_F(ShippedTune, MelodyStaysPentatonicAndEverythingInAGentleRange) {
  const std::set<int> pentatonic = {0, 2, 4, 7, 9};  // C D E G A
  for (const auto& event : smf_.tracks[0].events) {
    if ((event.status & 0xF0) != 0x90) continue;
    const int key = event.data[0];
    const int velocity = event.data[1];
    EXPECT_GE(key, 36);
    EXPECT_LE(key, 88);
    EXPECT_GE(velocity, 30);
    EXPECT_LE(velocity, 100) << "too loud for pause music";
    if ((event.status & 0x0F) == kMelodyChannel) {
      EXPECT_TRUE(pentatonic.count(key % 12)) << "melody key " << key;
    }
  }
}

TEST_F(ShippedTune, TempoIsEasyAndSlowsAtTheEnd) {
  std::vector<std::uint32_t> tempos;
  for (const auto& event : smf_.tracks[0].events) {
    if (event.status == 0xFF && event.meta_type == 0x51) {
      tempos.push_back(event.data[0] << 16 | event.data[1] << 8 | event.data[2]);
    }
  }
  ASSERT_GE(tempos.size(), 2u);
  for (std::uint32_t micros : tempos) {
    EXPECT_GE(micros, 600000u) << "faster than 100 beats per minute";
    EXPECT_LE(micros, 1000000u);
  }
  EXPECT_TRUE(std::is_sorted(tempos.begin(), tempos.end()));
}

// The committed files under data/ are the generator's current output and what the program
// expects to open.
class ShippedData : public ::testing::Test {
 protected:
  const std::filesystem::path sound_ = std::filesystem::path(TAVREL_DATA_DIR) / "sound";
};

TEST_F(ShippedData, MusicFileIsTheComposedTune) {
  std::ifstream in(sound_ / "backmid.mid", std::ios::binary);
  ASSERT_TRUE(in) << "run make_sounds";
  const Bytes saved{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_EQ(saved, compose_calm_tune().bytes());
}

TEST_F(ShippedData, CuesAreShortCleanMonoPcm) {
  for (const char* name :
       {"Jiayou.wav", "Hero.wav", "Zaixiang.wav", "start.wav", "Gxgx.wav", "win.wav"}) {
    SCOPED_TRACE(name);
    const WavInfo info = read_wav(sound_ / name);
    EXPECT_EQ(info.channels, 1);
    EXPECT_TRUE(info.sample_rate == 22050 || info.sample_rate == 44100);
    EXPECT_GE(info.seconds(), 0.5);
    EXPECT_LE(info.seconds(), 3.0);
    EXPECT_LT(info.peak_dbfs(), -0.5);
    EXPECT_GT(info.peak_dbfs(), -6.0) << "too quiet beside the other cues";
  }
  // Cue 1's lower-case spelling is found through case-insensitive lookup, not a copy.
  EXPECT_FALSE(std::filesystem::exists(sound_ / "jiayou.wav"));
}

}  // namespace
}  // namespace tavrel::sound

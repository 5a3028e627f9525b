// Sound cues on the recording device and on the real SDL device (dummy audio driver).
#include "platform/sound.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "platform/scripted_platform.h"
#include "platform/sdl_audio.h"
#include "temp_dir.h"

namespace tavrel {
namespace {

using testing::CurrentDir;
using testing::TempDir;

// A mono 16-bit WAV file of `samples` samples of a square wave.
std::string wav_bytes(std::uint32_t samples) {
  auto le32 = [](std::uint32_t v) {
    return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
  };
  auto le16 = [](std::uint16_t v) { return std::string{char(v), char(v >> 8)}; };
  std::string data;
  for (std::uint32_t i = 0; i < samples; ++i)
    data += le16((i / 50) % 2 ? 8000 : static_cast<std::uint16_t>(-8000));
  return "RIFF" + le32(36 + data.size()) + "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(22050) +
         le32(44100) + le16(2) + le16(16) + "data" + le32(data.size()) + data;
}

// A one-track standard MIDI file playing one long note.
std::string midi_bytes() {
  std::string track = std::string("\x00\x90\x3C\x64", 4) + std::string("\x83\x60\x80\x3C\x40", 5) +
                      std::string("\x00\xFF\x2F\x00", 4);
  std::string header("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x01\xE0", 14);
  std::string length{char(0), char(0), char(0), char(track.size())};
  return header + "MTrk" + length + track;
}

class SoundCues : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name :
         {"Jiayou.wav", "Hero.wav", "Zaixiang.wav", "start.wav", "Gxgx.wav", "win.wav"})
      dir_.write(std::string("sound/") + name, wav_bytes(100));
    dir_.write("sound/backmid.mid", midi_bytes());
  }
  TempDir dir_;
  CurrentDir here_{dir_.path()};
  ScopedScriptedPlatform platform_;
  MediaPlayer player_;
};

TEST_F(SoundCues, EachCueNamesItsFileAndOthersAreRefused) {
  EXPECT_STREQ(cue_file(1), "sound\\Jiayou.wav");
  EXPECT_STREQ(cue_file(4), "sound\\start.wav");
  EXPECT_STREQ(cue_file(7), "sound\\backmid.mid");
  EXPECT_THROW(cue_file(0), std::out_of_range);
  EXPECT_THROW(play_cue(8, player_), std::out_of_range);
}

TEST_F(SoundCues, ASecondCueCutsOffTheFirst) {
  play_cue(1, player_);
  play_cue(3, player_);
  auto& audio = platform_->audio_;
  EXPECT_EQ(audio.log, (std::vector<std::string>{"open Jiayou.wav", "play", "close Jiayou.wav",
                                                 "open Zaixiang.wav", "play"}));
  EXPECT_EQ(audio.playing_.filename(), "Zaixiang.wav");
}

TEST_F(SoundCues, ClosingThePlayerStopsTheMusic) {
  play_cue(7, player_);
  EXPECT_EQ(platform_->audio_.playing_.filename(), "backmid.mid");
  player_.close();
  EXPECT_TRUE(platform_->audio_.playing_.empty());
}

TEST_F(SoundCues, SoundReadyOpensTheTestSoundThroughTheCaseInsensitiveMapping) {
  EXPECT_TRUE(sound_ready(player_));
  EXPECT_EQ(platform_->audio_.log, (std::vector<std::string>{"open Jiayou.wav"}));
  EXPECT_TRUE(platform_->audio_.playing_.empty());  // nothing is played
  platform_->audio_.playable_ = false;
  EXPECT_FALSE(sound_ready(player_));
}

TEST_F(SoundCues, AMissingFileIsAnErrorNotFalse) {
  std::filesystem::remove(dir_.path() / "sound/Jiayou.wav");
  EXPECT_THROW(sound_ready(player_), MediaError);
  EXPECT_THROW(play_cue(1, player_), MediaError);
  EXPECT_NO_THROW(play_cue(2, player_));
}

TEST_F(SoundCues, RelativePathsResolveAgainstTheCurrentDirectoryAtOpenTime) {
  TempDir elsewhere;
  CurrentDir there(elsewhere.path());
  EXPECT_THROW(play_cue(4, player_), MediaError);
}

class SdlDevice : public ::testing::Test {
 protected:
  TempDir dir_;
  SdlAudio audio_;
};

TEST_F(SdlDevice, PlaysWaveFilesAndANewOpenCutsTheOldSound) {
  auto first = dir_.write("a.wav", wav_bytes(22050 * 2));
  auto second = dir_.write("b.WAV", wav_bytes(22050 * 2));
  EXPECT_FALSE(audio_.can_play());
  audio_.open(first);
  EXPECT_TRUE(audio_.can_play());
  EXPECT_FALSE(audio_.playing());
  audio_.play();
  EXPECT_TRUE(audio_.playing());
  audio_.open(second);
  EXPECT_FALSE(audio_.playing());
  audio_.play();
  EXPECT_TRUE(audio_.playing());
  audio_.close();
  EXPECT_FALSE(audio_.playing());
  EXPECT_FALSE(audio_.can_play());
}

// Start-up stays free of the library chain behind SDL2_mixer (MIDI synthesiser, sound servers).
TEST_F(SdlDevice, TheLibraryIsLoadedByTheFirstSoundOpenedNotBefore) {
  EXPECT_EQ(dlopen(kSdlMixerLibrary, RTLD_NOW | RTLD_NOLOAD), nullptr);
  audio_.open(dir_.write("first.wav", wav_bytes(1000)));
  void* library = dlopen(kSdlMixerLibrary, RTLD_NOW | RTLD_NOLOAD);
  ASSERT_NE(library, nullptr);
  dlclose(library);
  audio_.play();
  EXPECT_TRUE(audio_.playing());
}

TEST_F(SdlDevice, PlaysMidiThroughTheSoundFont) {
  audio_.open(dir_.write("tune.mid", midi_bytes()));
  EXPECT_TRUE(audio_.can_play());
  audio_.play();
  EXPECT_TRUE(audio_.playing());
  audio_.close();
  EXPECT_FALSE(audio_.playing());
}

TEST_F(SdlDevice, MissingOrDamagedFilesRaiseTheDeviceError) {
  EXPECT_THROW(audio_.open(dir_.path() / "none.wav"), MediaError);
  EXPECT_THROW(audio_.open(dir_.write("bad.wav", "RIFF....not a wave")), MediaError);
  EXPECT_FALSE(audio_.can_play());
  // The device is still usable afterwards.
  audio_.open(dir_.write("good.wav", wav_bytes(1000)));
  EXPECT_TRUE(audio_.can_play());
}

}  // namespace
}  // namespace tavrel

// Cue recipes and command running: repeatable sox calls, sane tones and lengths, failures reported.
#include "tools/sound_media/sound_cues.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>

#include "tools/sound_media/tool_runner.h"

namespace tavrel::sound {
namespace {

bool has(const std::vector<std::string>& args, const std::string& arg) {
  return std::find(args.begin(), args.end(), arg) != args.end();
}

TEST(SoundCues, EverySoxCallIsRepeatable) {
  // Dither and unseeded noise would change the files on every run.
  for (const SynthCue& cue : synth_cues()) {
    for (const Tone& tone : cue.tones) {
      const auto command = tone_command(tone, "t.wav");
      ASSERT_GE(command.size(), 3u);
      EXPECT_EQ(command[0], "sox");
      EXPECT_TRUE(has(command, "-D")) << cue.file;
      EXPECT_TRUE(has(command, "-R")) << cue.file;
    }
  }
}

TEST(SoundCues, ToneCommandPlacesTheToneInTime) {
  const Tone tone{0.25, 0.5, "sine", 440, -3, 0.01, 0.2, 'h', 0};
  const auto command = tone_command(tone, "t.wav");
  const auto synth = std::find(command.begin(), command.end(), "synth");
  ASSERT_NE(synth, command.end());
  ASSERT_GE(command.end() - synth, 4);
  EXPECT_EQ(synth[1], "0.5000");
  EXPECT_EQ(synth[2], "sine");
  EXPECT_EQ(synth[3], "440.0000");
  const auto pad = std::find(command.begin(), command.end(), "pad");
  ASSERT_NE(pad, command.end());
  EXPECT_EQ(pad[1], "0.2500");
  EXPECT_FALSE(has(command, "lowpass"));
  EXPECT_FALSE(has(tone_command({0, 0.5, "sine", 440, 0, 0.01, 0.2, 'h', 0}, "t.wav"), "pad"));
}

TEST(SoundCues, NoteFrequencies) {
  EXPECT_DOUBLE_EQ(note_frequency("A4"), 440.0);
  EXPECT_NEAR(note_frequency("C4"), 261.626, 1e-3);
  EXPECT_NEAR(note_frequency("E6"), 1318.51, 1e-2);
}

TEST(SoundCues, RecipesAreShortAudibleAndDistinct) {
  std::set<std::string> files;
  for (const SynthCue& cue : synth_cues()) {
    SCOPED_TRACE(cue.file);
    files.insert(cue.file);
    EXPECT_GE(cue_length(cue), 0.5);
    EXPECT_LE(cue_length(cue), 3.0);
    EXPECT_LT(cue.peak_db, 0);
    ASSERT_FALSE(cue.tones.empty());
    for (const Tone& tone : cue.tones) {
      EXPECT_GE(tone.frequency, 60);
      EXPECT_LE(tone.frequency, 8000) << "shrill";
      EXPECT_GT(tone.length, tone.attack);
      EXPECT_LE(tone.attack + tone.release, tone.length + 1e-9);
    }
  }
  for (const SpeechCue& cue : speech_cues()) {
    SCOPED_TRACE(cue.file);
    files.insert(cue.file);
    EXPECT_LT(cue.peak_db, 0);
    EXPECT_NE(cue.voice.find("cmn"), std::string::npos);
  }
  EXPECT_EQ(files,
            (std::set<std::string>{"sound/Jiayou.wav", "sound/Zaixiang.wav", "sound/Gxgx.wav",
                                   "sound/Hero.wav", "sound/start.wav", "sound/win.wav"}));
}

TEST(SoundCues, CueLengthIsTheLastToneEndPlusTail) {
  SynthCue cue{"x.wav", {}, 0.3, 0, -1};
  cue.tones.push_back({0.5, 1.0, "sine", 440, 0, 0.01, 0.1, 'h', 0});
  cue.tones.push_back({0.0, 1.2, "sine", 440, 0, 0.01, 0.1, 'h', 0});
  EXPECT_DOUBLE_EQ(cue_length(cue), 1.8);
}

TEST(ToolRunner, FindsProgramsOnPath) {
  EXPECT_TRUE(find_program("sh").has_value());
  EXPECT_FALSE(find_program("no-such-program-for-tavrel").has_value());
}

TEST(ToolRunner, ReportsFailuresWithTheCommand) {
  EXPECT_NO_THROW(run_program({"sh", "-c", "exit 0"}));
  try {
    run_program({"sh", "-c", "exit 3"});
    FAIL() << "a failing command passed";
  } catch (const std::runtime_error& error) {
    const std::string text = error.what();
    EXPECT_NE(text.find("exit 3"), std::string::npos) << text;
    EXPECT_NE(text.find("sh -c"), std::string::npos) << text;
  }
  EXPECT_THROW(run_program({"no-such-program-for-tavrel"}), std::runtime_error);
  EXPECT_THROW(run_program({}), std::invalid_argument);
}

}  // namespace
}  // namespace tavrel::sound

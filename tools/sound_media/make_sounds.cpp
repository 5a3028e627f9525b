// Writes the program's sound cues and its pause music under <data>/sound, checking each file.
#include <stdlib.h>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "tools/sound_media/calm_tune.h"
#include "tools/sound_media/sound_cues.h"
#include "tools/sound_media/tool_runner.h"
#include "tools/sound_media/wav_info.h"

namespace fs = std::filesystem;
using namespace tavrel::sound;

namespace {

constexpr double kMinCueSeconds = 0.5;
constexpr double kMaxCueSeconds = 3.0;
// Keeps a little room below full scale so that no cue can clip.
constexpr double kMaxPeakDbfs = -0.5;
constexpr double kMinTuneSeconds = 30;
constexpr double kMaxTuneSeconds = 60;

// A scratch folder of our own, removed again however the run ends.
class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = (fs::temp_directory_path() / "make_sounds.XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create a scratch folder");
    path_ = pattern;
  }
  ~ScratchDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  // Empties the folder, so that one cue's leftovers cannot feed the next.
  const fs::path& fresh() {
    for (const fs::directory_entry& entry : fs::directory_iterator(path_)) fs::remove_all(entry);
    return path_;
  }

 private:
  fs::path path_;
};

void check_cue(const fs::path& data, const std::string& file) {
  const WavInfo info = read_wav(data / file);
  if (info.channels != 1 || info.sample_rate != kCueSampleRate) {
    throw std::runtime_error(file + ": expected mono at " + std::to_string(kCueSampleRate) + " Hz");
  }
  if (info.seconds() < kMinCueSeconds || info.seconds() > kMaxCueSeconds) {
    throw std::runtime_error(file + ": " + std::to_string(info.seconds()) +
                             " s is not a short cue");
  }
  if (info.peak_dbfs() > kMaxPeakDbfs) {
    throw std::runtime_error(file + ": peak " + std::to_string(info.peak_dbfs()) + " dBFS");
  }
  std::printf("make_sounds: %-20s %5.2f s  peak %6.2f dBFS\n", file.c_str(), info.seconds(),
              info.peak_dbfs());
}

int generate(const fs::path& data) {
  for (const char* tool : {"espeak-ng", "sox"}) {
    if (!find_program(tool)) {
      std::fprintf(stderr,
                   "make_sounds: the command '%s' is missing; install it with "
                   "./scripts/install-deps.sh media\n",
                   tool);
      return 1;
    }
  }
  fs::create_directories(data / "sound");
  ScratchDir scratch;
  for (const SpeechCue& cue : speech_cues()) {
    render_speech_cue(cue, scratch.fresh(), data);
    check_cue(data, cue.file);
  }
  for (const SynthCue& cue : synth_cues()) {
    render_synth_cue(cue, scratch.fresh(), data);
    check_cue(data, cue.file);
  }

  const MidiFile tune = compose_calm_tune();
  if (tune.seconds() < kMinTuneSeconds || tune.seconds() > kMaxTuneSeconds) {
    throw std::runtime_error("the pause music lasts " + std::to_string(tune.seconds()) + " s");
  }
  tune.save(data / "sound/backmid.mid");
  std::printf("make_sounds: %-20s %5.2f s  %zu notes\n", "sound/backmid.mid", tune.seconds(),
              tune.tracks().front().note_count());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sounds DATA_FOLDER\n");
    return 2;
  }
  try {
    return generate(argv[1]);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_sounds: %s\n", error.what());
    return 1;
  }
}

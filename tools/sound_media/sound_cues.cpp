// Recipes of the WAV cues and their rendering through espeak-ng and sox.
#include "tools/sound_media/sound_cues.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tools/sound_media/calm_tune.h"
#include "tools/sound_media/tool_runner.h"
#include "tools/sound_media/wav_info.h"

namespace tavrel::sound {
namespace {

// Speech is voiced by a woman's variant of the Mandarin voice that reads numbered pinyin; its
// dictionary for Han characters splits some phrases wrongly, pinyin leaves nothing to guess.
constexpr const char* kVoice = "cmn-latn-pinyin+f2";

// Lengths are cut to whole ten-thousandths so that a rounded figure never lies past the end.
double floor_4(double seconds) { return std::floor(seconds * 1e4) / 1e4; }

std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4f", value);
  return text;
}

// The fixed part of every sox call: no dither and fixed seeds, so runs repeat byte for byte;
// only errors are printed.
std::vector<std::string> sox() { return {"sox", "-D", "-R", "-V1"}; }

std::vector<std::string> pcm16_output(const std::filesystem::path& out) {
  const std::string rate = std::to_string(kCueSampleRate);
  return {"-r", rate, "-c", "1", "-b", "16", "-e", "signed-integer", out.string()};
}

void append(std::vector<std::string>& to, const std::vector<std::string>& more) {
  to.insert(to.end(), more.begin(), more.end());
}

// A struck metal bar: the fundamental rings on, the brighter partials die away quickly.
void chime(std::vector<Tone>& tones, double start, const std::string& note, double length,
           double gain_db) {
  const double f = note_frequency(note);
  // A few milliseconds of attack: a strike, but no click.
  constexpr double kAttack = 0.004;
  tones.push_back({start, length, "sine", f, gain_db, kAttack, length - kAttack, 'h', 0});
  tones.push_back(
      {start, length * 0.5, "sine", 2 * f, gain_db - 8, kAttack, length * 0.5 - kAttack, 'l', 0});
  tones.push_back(
      {start, length * 0.3, "sine", 3 * f, gain_db - 16, kAttack, length * 0.3 - kAttack, 'l', 0});
}

// A plucked string, softened so that high notes do not sting.
void pluck(std::vector<Tone>& tones, double start, const std::string& note, double length,
           double gain_db) {
  tones.push_back(
      {start, length, "pluck", note_frequency(note), gain_db, 0.002, length * 0.4, 't', 2800});
}

// Two slightly detuned saw waves through a low-pass: a warm brass section rather than a buzz.
void brass(std::vector<Tone>& tones, double start, const std::string& note, double length,
           double gain_db, double release) {
  const double f = note_frequency(note);
  tones.push_back({start, length, "sawtooth", f, gain_db, 0.03, release, 'q', 1800});
  tones.push_back({start, length, "sawtooth", f * 1.004, gain_db - 2, 0.04, release, 'q', 1800});
}

// A soft kettle-drum stroke: a low sine that dies fast.
void drum(std::vector<Tone>& tones, double start, const std::string& note, double gain_db) {
  tones.push_back({start, 0.9, "sine", note_frequency(note), gain_db, 0.004, 0.896, 'l', 0});
}

// "A run starts": three quick chime strikes rising to the octave, bright and short.
SynthCue start_cue() {
  SynthCue cue{"sound/start.wav", {}, 0.35, 30, -3};
  chime(cue.tones, 0.00, "E5", 0.7, -2);
  chime(cue.tones, 0.09, "A5", 0.7, -2);
  chime(cue.tones, 0.18, "E6", 1.0, 0);
  return cue;
}

// "Finished, no record": a light plucked figure that settles on a C major chord.
SynthCue win_cue() {
  SynthCue cue{"sound/win.wav", {}, 0.3, 35, -2};
  pluck(cue.tones, 0.00, "G5", 0.5, 0);
  pluck(cue.tones, 0.12, "E5", 0.5, -1);
  pluck(cue.tones, 0.24, "G5", 0.5, 0);
  for (const char* note : {"C5", "E5", "G5"}) pluck(cue.tones, 0.38, note, 1.2, -4);
  pluck(cue.tones, 0.38, "C6", 1.2, 0);
  chime(cue.tones, 0.38, "C7", 0.8, -18);
  return cue;
}

// "New record": a brass call (three pick-up notes, a rise) landing on a full held chord.
SynthCue hero_cue() {
  SynthCue cue{"sound/Hero.wav", {}, 0.4, 40, -1.5};
  for (double at : {0.00, 0.13, 0.26}) brass(cue.tones, at, "G4", 0.11, -2, 0.04);
  brass(cue.tones, 0.39, "C5", 0.27, 0, 0.05);
  brass(cue.tones, 0.67, "E5", 0.17, -1, 0.04);
  for (const char* note : {"C4", "G4", "C5", "E5"}) brass(cue.tones, 0.85, note, 1.15, -5, 0.6);
  brass(cue.tones, 0.85, "G5", 1.15, 0, 0.6);
  drum(cue.tones, 0.39, "C3", -3);
  drum(cue.tones, 0.85, "C3", 0);
  chime(cue.tones, 0.85, "G6", 0.9, -16);
  return cue;
}

}  // namespace

double note_frequency(const std::string& name) {
  return 440.0 * std::pow(2.0, (note_key(name) - 69) / 12.0);
}

std::vector<SpeechCue> speech_cues() {
  return {
      // 加油啊! — cheering the learner on during a run: bright and a little quick.
      {"sound/Jiayou.wav", "jia1 you2 a5!", kVoice, 64, 145, 20, -1},
      // 再想想 — after a wrong answer: lower, slower and softer, a nudge rather than a buzzer.
      {"sound/Zaixiang.wav", "zai4 xiang3 xiang3.", kVoice, 54, 125, 15, -2},
      // 时间到，再接再厉! — the level's time is up: say so, and encourage another try.
      {"sound/Gxgx.wav", "shi2 jian1 dao4, zai4 jie1 zai4 li4!", kVoice, 60, 140, 20, -1},
  };
}

std::vector<SynthCue> synth_cues() { return {hero_cue(), start_cue(), win_cue()}; }

std::vector<std::string> tone_command(const Tone& tone, const std::filesystem::path& out) {
  std::vector<std::string> command = sox();
  append(command,
         {"-n", "-r", std::to_string(kCueSampleRate), "-c", "1", "-b", "32", "-e", "floating-point",
          out.string(), "synth", number(tone.length), tone.wave, number(tone.frequency)});
  if (tone.lowpass_hz > 0) append(command, {"lowpass", number(tone.lowpass_hz)});
  append(command, {"fade", std::string(1, tone.shape), number(tone.attack), number(tone.length),
                   number(tone.release), "gain", number(tone.gain_db)});
  if (tone.start > 0) append(command, {"pad", number(tone.start)});
  return command;
}

double cue_length(const SynthCue& cue) {
  double end = 0;
  for (const Tone& tone : cue.tones) end = std::max(end, tone.start + tone.length);
  return end + cue.tail;
}

void render_synth_cue(const SynthCue& cue, const std::filesystem::path& work,
                      const std::filesystem::path& data) {
  std::vector<std::string> mix = sox();
  mix.push_back("-m");
  for (std::size_t i = 0; i < cue.tones.size(); ++i) {
    const std::filesystem::path part = work / ("tone" + std::to_string(i) + ".wav");
    run_program(tone_command(cue.tones[i], part));
    mix.push_back(part.string());
  }
  const double length = floor_4(cue_length(cue));
  append(mix, pcm16_output(data / cue.file));
  // Pad to the full length first: reverb only fills the room it is given.
  append(mix, {"pad", "0", number(cue.tail), "reverb", number(cue.reverberance), "50", "60", "gain",
               "-n", number(cue.peak_db), "fade", "t", "0", number(length), "0.08"});
  run_program(mix);
}

void render_speech_cue(const SpeechCue& cue, const std::filesystem::path& work,
                       const std::filesystem::path& data) {
  const std::filesystem::path raw = work / "speech.wav";
  const std::filesystem::path trimmed = work / "trimmed.wav";
  run_program({"espeak-ng", "-v", cue.voice, "-p", std::to_string(cue.pitch), "-s",
               std::to_string(cue.words_per_minute), "-w", raw.string(), cue.text});

  // Remove the rumble and the silence espeak-ng leaves around the words.
  std::vector<std::string> trim = sox();
  trim.push_back(raw.string());
  append(trim, pcm16_output(trimmed));
  append(trim, {"highpass", "90", "silence", "1", "0.02", "-48d", "reverse", "silence", "1", "0.02",
                "-48d", "reverse"});
  run_program(trim);

  // Soften the cut edges of the words, then a short breath of silence before them and a small
  // room after them.
  constexpr double kLead = 0.02;
  constexpr double kTail = 0.3;
  const double words = floor_4(read_wav(trimmed).seconds());
  const double length = floor_4(kLead + words + kTail);
  std::vector<std::string> finish = sox();
  finish.push_back(trimmed.string());
  append(finish, pcm16_output(data / cue.file));
  append(finish, {"fade", "h",           "0.005",       number(words),  "0.03",
                  "pad",  number(kLead), number(kTail), "reverb",       number(cue.reverberance),
                  "60",   "30",          "gain",        "-n",           number(cue.peak_db),
                  "fade", "t",           "0.01",        number(length), "0.08"});
  run_program(finish);
}

}  // namespace tavrel::sound

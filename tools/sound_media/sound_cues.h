// The six WAV cues: what each one says or plays, and how espeak-ng and sox render it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tavrel::sound {

// Every cue is written as mono 16-bit PCM at the rate the program opens its audio device with.
constexpr int kCueSampleRate = 44100;

// One synthesised note or partial, rendered by `sox -n ... synth` and mixed with the others.
struct Tone {
  double start;       // seconds from the beginning of the cue
  double length;      // seconds, the whole envelope
  std::string wave;   // sox synth type: sine, triangle, sawtooth, pluck
  double frequency;   // Hz
  double gain_db;     // level in the mix, before the mix is normalised
  double attack;      // seconds of fade-in
  double release;     // seconds of fade-out, ending with the tone
  char shape;         // sox fade curve: 'h' gentle decay, 'l' fast decay, 'q' rounded, 't' linear
  double lowpass_hz;  // 0 leaves the tone unfiltered
};

struct SynthCue {
  std::string file;  // relative to the data folder
  std::vector<Tone> tones;
  double tail;          // seconds of room after the last tone, for the reverb to ring out
  double reverberance;  // sox reverb, percent
  double peak_db;       // the mix is normalised to this peak
};

struct SpeechCue {
  std::string file;   // relative to the data folder
  std::string text;   // Mandarin in numbered pinyin, as espeak-ng reads it
  std::string voice;  // espeak-ng voice and variant
  int pitch;          // espeak-ng 0..99 (50 is the voice's normal pitch)
  int words_per_minute;
  double reverberance;
  double peak_db;
};

std::vector<SpeechCue> speech_cues();
std::vector<SynthCue> synth_cues();

// The frequency of a note name such as "A4" (440 Hz), equal temperament.
double note_frequency(const std::string& name);

// The sox command that renders one tone into `out` (32-bit float, silence before its start).
std::vector<std::string> tone_command(const Tone& tone, const std::filesystem::path& out);
// The end of the cue's last tone plus its tail, in seconds.
double cue_length(const SynthCue& cue);

// Render into `data / cue.file`, using `work` (an empty scratch folder) for intermediate files.
void render_speech_cue(const SpeechCue& cue, const std::filesystem::path& work,
                       const std::filesystem::path& data);
void render_synth_cue(const SynthCue& cue, const std::filesystem::path& work,
                      const std::filesystem::path& data);

}  // namespace tavrel::sound

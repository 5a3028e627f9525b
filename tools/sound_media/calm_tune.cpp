// Composition of the background tune: melody text, chord plan, accompaniment and dynamics.
#include "tools/sound_media/calm_tune.h"

#include <algorithm>
#include <array>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavrel::sound {
namespace {

constexpr std::uint32_t kEighth = kTuneTicksPerQuarter / 2;
constexpr std::uint32_t kBar = 8 * kEighth;

constexpr int kPiano = 0;
constexpr int kSlowStrings = 49;
constexpr int kVolume = 7;
constexpr int kPan = 10;
constexpr int kSustain = 64;
constexpr int kReverb = 91;
constexpr int kChorus = 93;

constexpr double kTempo = 84;
// Pedal goes down a little after a chord change, so the old chord is not carried into it.
constexpr std::uint32_t kPedalDelay = kEighth / 4;

// One entry per bar, the intro bar first; "F G" splits a bar into two chords.
constexpr std::array<std::string_view, 18> kChords = {
    "C",                           // intro
    "C",  "Am", "F",   "G",        // theme
    "C",  "Am", "F G", "C",        // theme, closed
    "Am", "F",  "C",   "G",        // the higher middle phrase
    "C",  "Am", "F",   "G", "C"};  // theme again, then the final chord

// The melody from the second bar on, in the C major pentatonic (C D E G A): note and length in
// eighths, "r" a rest, "|" a bar line (checked). The line leans on the chord tones of each bar.
constexpr std::string_view kMelody =
    "E5:2 G5:2 A5:3 G5:1 | E5:4 D5:2 C5:2 | C5:2 D5:2 A4:2 C5:2 | D5:6 r:2 |"
    "E5:2 G5:2 A5:3 C6:1 | A5:4 G5:2 E5:2 | C6:2 A5:2 G5:2 D5:2 | C5:6 r:2 |"
    "A5:2 C6:2 D6:3 C6:1 | A5:4 C6:2 A5:2 | G5:3 E5:1 D5:2 E5:2 | D5:4 E5:2 D5:2 |"
    "E5:2 G5:2 A5:3 C6:1 | A5:4 G5:2 E5:2 | C6:2 A5:2 G5:2 E5:2 | D5:4 E5:2 D5:2 |"
    "C5:8 |";

struct Chord {
  int root_class;  // 0 = C ... 11 = B
  bool minor;
};

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t begin = 0;
  while (begin <= text.size()) {
    std::size_t end = text.find(separator, begin);
    if (end == std::string_view::npos) end = text.size();
    std::string_view part = text.substr(begin, end - begin);
    while (!part.empty() && part.front() == ' ') part.remove_prefix(1);
    while (!part.empty() && part.back() == ' ') part.remove_suffix(1);
    if (!part.empty()) parts.push_back(part);
    begin = end + 1;
  }
  return parts;
}

int pitch_class(char letter) {
  // Each letter sits at its semitone above C.
  constexpr std::string_view kLetters = "C D EF G A B";
  const std::size_t at = letter == ' ' ? std::string_view::npos : kLetters.find(letter);
  if (at == std::string_view::npos) {
    throw std::invalid_argument(std::string("not a note letter: ") + letter);
  }
  return static_cast<int>(at);
}

Chord parse_chord(std::string_view name) {
  if (name.empty()) throw std::invalid_argument("empty chord name");
  Chord chord{pitch_class(name[0]), false};
  std::string_view rest = name.substr(1);
  if (rest == "m") {
    chord.minor = true;
  } else if (!rest.empty()) {
    throw std::invalid_argument("unknown chord: " + std::string(name));
  }
  return chord;
}

// The left hand's five tones: root in F2..E3, fifth, octave, the third above it, high fifth.
std::array<int, 5> accompaniment_tones(const Chord& chord) {
  int root = 36 + chord.root_class;
  if (root < 41) root += 12;
  const int third = chord.minor ? 3 : 4;
  return {root, root + 7, root + 12, root + 12 + third, root + 19};
}

// Close strings voicing: each chord tone in the octave G3..F#4, so that changes move by step.
std::vector<int> strings_voicing(const Chord& chord) {
  std::vector<int> keys;
  for (int interval : {0, chord.minor ? 3 : 4, 7}) {
    const int pc = (chord.root_class + interval) % 12;
    keys.push_back(55 + (pc - 55 % 12 + 12) % 12);
  }
  return keys;
}

// Louder in the middle phrase, softer into the close; stressed on beats one and three.
int melody_velocity(std::size_t bar, std::uint32_t position) {
  int base = 80;
  if (bar >= 9 && bar <= 12) base = 88;
  if (bar >= 15) base = 76;
  if (bar == kChords.size() - 1) base = 70;
  if (position == 0) return base + 6;
  if (position == 4 * kEighth) return base + 3;
  return base;
}

void add_setup(MidiTrack& track) {
  track.add_time_signature(0, 4, 4);
  track.add_tempo(0, micros_per_quarter(kTempo));
  struct Setup {
    int channel, program, volume, pan, reverb, chorus;
  };
  for (const Setup& s : {Setup{kMelodyChannel, kPiano, 127, 64, 64, 0},
                         Setup{kStringsChannel, kSlowStrings, 84, 80, 72, 30},
                         Setup{kAccompanimentChannel, kPiano, 104, 50, 64, 0}}) {
    track.add_program(0, s.channel, s.program);
    track.add_control(0, s.channel, kVolume, s.volume);
    track.add_control(0, s.channel, kPan, s.pan);
    track.add_control(0, s.channel, kReverb, s.reverb);
    track.add_control(0, s.channel, kChorus, s.chorus);
  }
}

void add_melody(MidiTrack& track) {
  std::uint32_t tick = kBar;  // after the intro bar
  std::size_t bar = 1;
  for (std::string_view measure : split(kMelody, '|')) {
    const std::uint32_t bar_start = tick;
    for (std::string_view note : split(measure, ' ')) {
      const std::size_t colon = note.find(':');
      if (colon == std::string_view::npos) throw std::logic_error("melody note without length");
      const std::uint32_t length = std::stoi(std::string(note.substr(colon + 1))) * kEighth;
      const std::string_view name = note.substr(0, colon);
      if (name != "r") {
        track.add_note(tick, length, kMelodyChannel, note_key(name),
                       melody_velocity(bar, tick - bar_start));
      }
      tick += length;
    }
    if (tick - bar_start != kBar) {
      throw std::logic_error("melody bar " + std::to_string(bar) + " is not four beats long");
    }
    ++bar;
  }
  if (bar != kChords.size()) throw std::logic_error("melody and chord plan differ in length");
}

// Broken chords in eighths under the sustain pedal, and a rolled chord to close.
void add_accompaniment(MidiTrack& track) {
  constexpr std::array<int, 8> kWave = {0, 1, 2, 3, 4, 3, 2, 1};
  const std::size_t last = kChords.size() - 1;
  for (std::size_t bar = 0; bar < kChords.size(); ++bar) {
    const std::vector<std::string_view> chords = split(kChords[bar], ' ');
    const std::uint32_t segment = kBar / static_cast<std::uint32_t>(chords.size());
    for (std::size_t c = 0; c < chords.size(); ++c) {
      const auto start = static_cast<std::uint32_t>(bar * kBar + c * segment);
      const std::array<int, 5> tones = accompaniment_tones(parse_chord(chords[c]));
      if (start > 0) track.add_control(start, kAccompanimentChannel, kSustain, 0);
      track.add_control(start + kPedalDelay, kAccompanimentChannel, kSustain, 127);
      if (bar == last) {
        // Rolled from the bass up, every tone held to the end of the bar.
        for (std::size_t i = 0; i < tones.size(); ++i) {
          const std::uint32_t at = start + static_cast<std::uint32_t>(i) * kEighth / 2;
          track.add_note(at, start + kBar - at, kAccompanimentChannel, tones[i],
                         66 - 2 * static_cast<int>(i));
        }
        continue;
      }
      for (std::uint32_t step = 0; step < segment / kEighth; ++step) {
        const int velocity = (step == 0 ? 68 : 58) - (bar >= 15 ? 4 : 0);
        track.add_note(start + step * kEighth, kEighth, kAccompanimentChannel, tones[kWave[step]],
                       velocity);
      }
    }
  }
  track.add_control(kChords.size() * kBar, kAccompanimentChannel, kSustain, 0);
}

// Sustained chords; a tone shared by two chords is held across the change, not struck again.
void add_strings(MidiTrack& track) {
  std::map<int, std::uint32_t> sounding;  // key -> start tick
  auto release = [&](int key, std::uint32_t at) {
    track.add_note(sounding[key], at - sounding[key], kStringsChannel, key, 60);
    sounding.erase(key);
  };
  for (std::size_t bar = 0; bar < kChords.size(); ++bar) {
    const std::vector<std::string_view> chords = split(kChords[bar], ' ');
    const std::uint32_t segment = kBar / static_cast<std::uint32_t>(chords.size());
    for (std::size_t c = 0; c < chords.size(); ++c) {
      const auto start = static_cast<std::uint32_t>(bar * kBar + c * segment);
      const std::vector<int> keys = strings_voicing(parse_chord(chords[c]));
      for (auto it = sounding.begin(); it != sounding.end();) {
        const int key = (it++)->first;
        if (std::find(keys.begin(), keys.end(), key) == keys.end()) release(key, start);
      }
      for (int key : keys) sounding.emplace(key, start);
    }
  }
  while (!sounding.empty()) release(sounding.begin()->first, kChords.size() * kBar);
}

}  // namespace

int note_key(std::string_view name) {
  if (name.size() < 2 || name.size() > 3) {
    throw std::invalid_argument("bad note name: " + std::string(name));
  }
  int key = pitch_class(name[0]);
  std::size_t at = 1;
  if (name[at] == '#') {
    ++key, ++at;
  } else if (name[at] == 'b') {
    --key, ++at;
  }
  if (at + 1 != name.size() || name[at] < '0' || name[at] > '8') {
    throw std::invalid_argument("bad note name: " + std::string(name));
  }
  return key + 12 * (name[at] - '0' + 1);
}

MidiFile compose_calm_tune() {
  MidiFile file(kTuneTicksPerQuarter);
  MidiTrack& track = file.add_track("Tavrel pause music");
  add_setup(track);
  add_melody(track);
  add_accompaniment(track);
  add_strings(track);

  // Slow down over the last two bars, and leave one beat for the final chord to fade.
  const std::uint32_t closing = (kChords.size() - 2) * kBar;
  track.add_tempo(closing, micros_per_quarter(76));
  track.add_tempo(closing + kBar / 2, micros_per_quarter(68));
  track.add_tempo(closing + kBar, micros_per_quarter(60));
  track.extend_to(kChords.size() * kBar + kTuneTicksPerQuarter);
  return file;
}

}  // namespace tavrel::sound

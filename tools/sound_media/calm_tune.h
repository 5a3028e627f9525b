// The pause window's background music: a calm pentatonic piano tune over strings, as MIDI.
#pragma once

#include <string_view>

#include "tools/sound_media/midi_writer.h"

namespace tavrel::sound {

constexpr int kTuneTicksPerQuarter = 480;

// General MIDI channels of the tune; the drum channel (index 9) stays unused.
constexpr int kMelodyChannel = 0;
constexpr int kStringsChannel = 1;
constexpr int kAccompanimentChannel = 2;

// The MIDI key of a note name such as "C4" (60), "A4" (69), "F#3" or "Bb5";
// throws std::invalid_argument for anything else.
int note_key(std::string_view name);

// Eighteen bars in 4/4 at an easy tempo, slowing down into the last chord: a single-track
// (format 0) file of roughly 54 seconds.
MidiFile compose_calm_tune();

}  // namespace tavrel::sound

// The drill window's sound cues, played on the shared media player.
#pragma once

#include "platform/media_player.h"

namespace tavrel {

// The file of cue 1-7 ("sound\Jiayou.wav" ...); throws std::out_of_range for other numbers.
const char* cue_file(unsigned cue);

// Starts the cue's file playing once and returns at once; a sound still playing is cut off.
// Throws MediaError when the file cannot be opened.
void play_cue(unsigned cue, MediaPlayer& player);

// Opens the test sound and reports whether it can be played; the device stays open.
// Throws MediaError when the test sound cannot be opened.
bool sound_ready(MediaPlayer& player);

}  // namespace tavrel

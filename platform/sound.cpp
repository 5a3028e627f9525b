// Sound cues: cue numbers to files, played through the shared player.
#include "platform/sound.h"

#include <stdexcept>

namespace tavrel {
namespace {
constexpr const char* kCueFiles[] = {
    "sound\\Jiayou.wav",  // 1 encouragement
    "sound\\Hero.wav",    // 2 new record
    "sound\\Zaixiang.wav",  // 3 wrong answer
    "sound\\start.wav",   // 4 run started
    "sound\\Gxgx.wav",    // 5 level time used up
    "sound\\win.wav",     // 6 run finished
    "sound\\backmid.mid",  // 7 pause music
};
constexpr const char* kTestSound = "sound\\jiayou.wav";
}  // namespace

const char* cue_file(unsigned cue) {
  if (cue < 1 || cue > std::size(kCueFiles)) throw std::out_of_range("no sound cue " + std::to_string(cue));
  return kCueFiles[cue - 1];
}

void play_cue(unsigned cue, MediaPlayer& player) {
  player.set_auto_device();
  player.set_file_name(cue_file(cue));
  player.open();
  player.play();
}

bool sound_ready(MediaPlayer& player) {
  player.set_auto_device();
  player.set_file_name(kTestSound);
  player.open();
  return player.can_play();
}

}  // namespace tavrel

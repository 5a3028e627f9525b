// Media player operations on the platform's sound device.
#include "platform/media_player.h"

#include "common/data_path.h"
#include "platform/platform.h"

namespace tavrel {

void MediaPlayer::open() { platform().audio().open(resolve_path(file_name_)); }
void MediaPlayer::play() { platform().audio().play(); }
void MediaPlayer::close() { platform().audio().close(); }
bool MediaPlayer::can_play() const { return platform().audio().can_play(); }

}  // namespace tavrel

// SDL2_mixer sound device: one open file at a time, opened anew for every cue; the library loads at
// the first.
#include "platform/sdl_audio.h"

#include <algorithm>
#include <cctype>

#include "platform/sdl_library.h"

namespace tavrel {
namespace {

constexpr int kCueChannel = 0;
// The small General MIDI font first: every open of a ".mid" file loads the font anew, and the
// large one holds the window up for about a second each time the pause music starts.
constexpr const char* kSoundFonts[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2",
                                       "/usr/share/sounds/sf2/FluidR3_GM.sf2",
                                       "/usr/share/sounds/sf2/default-GM.sf2"};

std::string lower_extension(const std::filesystem::path& file) {
  std::string ext = file.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return std::tolower(c); });
  return ext;
}

void use_installed_sound_font() {
  for (const char* font : kSoundFonts) {
    if (std::filesystem::exists(font)) {
      sdl_mixer().set_sound_fonts(font);
      return;
    }
  }
}

}  // namespace

SdlAudio::~SdlAudio() {
  close();
  if (device_ready_) {
    const SdlMixerApi& sdl = sdl_mixer();
    sdl.close_audio();
    sdl.quit();
    sdl.quit_subsystem(SDL_INIT_AUDIO);
  }
}

void SdlAudio::ensure_device() {
  if (device_ready_) return;
  const SdlMixerApi& sdl = sdl_mixer();
  if (sdl.init_subsystem(SDL_INIT_AUDIO) != 0)
    throw MediaError(std::string("声音设备不可用：") + sdl.get_error());
  sdl.init(MIX_INIT_MID);
  use_installed_sound_font();
  if (sdl.open_audio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
    std::string text = std::string("声音设备不可用：") + sdl.get_error();
    sdl.quit_subsystem(SDL_INIT_AUDIO);
    throw MediaError(text);
  }
  sdl.allocate_channels(1);
  device_ready_ = true;
}

void SdlAudio::open(const std::filesystem::path& file) {
  close();
  if (!std::filesystem::exists(file)) throw MediaError("找不到声音文件：" + file.string());
  ensure_device();
  if (lower_extension(file) == ".wav") {
    chunk_ = sdl_mixer().load_wav_rw(sdl_mixer().rw_from_file(file.c_str(), "rb"), 1);
    if (!chunk_)
      throw MediaError("无法打开声音文件 " + file.string() + "：" + sdl_mixer().get_error());
  } else {
    music_ = sdl_mixer().load_mus(file.c_str());
    if (!music_)
      throw MediaError("无法打开声音文件 " + file.string() + "：" + sdl_mixer().get_error());
  }
}

bool SdlAudio::can_play() const { return device_ready_ && (chunk_ || music_); }

void SdlAudio::play() {
  if (chunk_) sdl_mixer().play_channel_timed(kCueChannel, chunk_, 0, -1);
  if (music_) sdl_mixer().play_music(music_, 0);
}

bool SdlAudio::playing() const {
  if (chunk_) return sdl_mixer().playing(kCueChannel) != 0;
  if (music_) return sdl_mixer().playing_music() != 0;
  return false;
}

void SdlAudio::close() {
  if (chunk_) {
    sdl_mixer().halt_channel(kCueChannel);
    sdl_mixer().free_chunk(chunk_);
    chunk_ = nullptr;
  }
  if (music_) {
    sdl_mixer().halt_music();
    sdl_mixer().free_music(music_);
    music_ = nullptr;
  }
}

}  // namespace tavrel

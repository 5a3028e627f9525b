// SDL2_mixer sound device: one open file at a time, opened anew for every cue.
#include "app/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cctype>

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
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  return ext;
}

void use_installed_sound_font() {
  for (const char* font : kSoundFonts) {
    if (std::filesystem::exists(font)) {
      Mix_SetSoundFonts(font);
      return;
    }
  }
}

}  // namespace

SdlAudio::~SdlAudio() {
  close();
  if (device_ready_) {
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
}

void SdlAudio::ensure_device() {
  if (device_ready_) return;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
    throw MediaError(std::string("声音设备不可用：") + SDL_GetError());
  Mix_Init(MIX_INIT_MID);
  use_installed_sound_font();
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
    std::string text = std::string("声音设备不可用：") + Mix_GetError();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    throw MediaError(text);
  }
  Mix_AllocateChannels(1);
  device_ready_ = true;
}

void SdlAudio::open(const std::filesystem::path& file) {
  close();
  if (!std::filesystem::exists(file))
    throw MediaError("找不到声音文件：" + file.string());
  ensure_device();
  if (lower_extension(file) == ".wav") {
    chunk_ = Mix_LoadWAV(file.c_str());
    if (!chunk_) throw MediaError("无法打开声音文件 " + file.string() + "：" + Mix_GetError());
  } else {
    music_ = Mix_LoadMUS(file.c_str());
    if (!music_) throw MediaError("无法打开声音文件 " + file.string() + "：" + Mix_GetError());
  }
}

bool SdlAudio::can_play() const { return device_ready_ && (chunk_ || music_); }

void SdlAudio::play() {
  if (chunk_) Mix_PlayChannel(kCueChannel, chunk_, 0);
  if (music_) Mix_PlayMusic(music_, 0);
}

bool SdlAudio::playing() const {
  if (chunk_) return Mix_Playing(kCueChannel) != 0;
  if (music_) return Mix_PlayingMusic() != 0;
  return false;
}

void SdlAudio::close() {
  if (chunk_) {
    Mix_HaltChannel(kCueChannel);
    Mix_FreeChunk(chunk_);
    chunk_ = nullptr;
  }
  if (music_) {
    Mix_HaltMusic();
    Mix_FreeMusic(music_);
    music_ = nullptr;
  }
}

}  // namespace tavrel

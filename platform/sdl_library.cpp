// Loading SDL2_mixer at the first sound and resolving the functions the sound device calls.
#include "platform/sdl_library.h"

#include <dlfcn.h>

#include <string>

#include "platform/platform.h"
#include "platform/sdl_audio.h"

namespace tavrel {

const char* const kSdlMixerLibrary = "libSDL2_mixer-2.0.so.0";

namespace {

template <typename Function>
void resolve(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  if (!function) throw MediaError(std::string("声音库缺少函数 ") + name);
}

// SDL's own functions come from the library SDL2_mixer depends on; dlsym searches it through the
// handle.
SdlMixerApi load() {
  void* library = dlopen(kSdlMixerLibrary, RTLD_NOW | RTLD_LOCAL);
  if (!library)
    throw MediaError(std::string("无法载入声音库 ") + kSdlMixerLibrary + "：" + dlerror());
  SdlMixerApi api{};
  resolve(library, "SDL_InitSubSystem", api.init_subsystem);
  resolve(library, "SDL_QuitSubSystem", api.quit_subsystem);
  resolve(library, "SDL_GetError", api.get_error);
  resolve(library, "SDL_RWFromFile", api.rw_from_file);
  resolve(library, "Mix_Init", api.init);
  resolve(library, "Mix_Quit", api.quit);
  resolve(library, "Mix_SetSoundFonts", api.set_sound_fonts);
  resolve(library, "Mix_OpenAudio", api.open_audio);
  resolve(library, "Mix_CloseAudio", api.close_audio);
  resolve(library, "Mix_AllocateChannels", api.allocate_channels);
  resolve(library, "Mix_LoadWAV_RW", api.load_wav_rw);
  resolve(library, "Mix_LoadMUS", api.load_mus);
  resolve(library, "Mix_FreeChunk", api.free_chunk);
  resolve(library, "Mix_FreeMusic", api.free_music);
  resolve(library, "Mix_PlayChannelTimed", api.play_channel_timed);
  resolve(library, "Mix_PlayMusic", api.play_music);
  resolve(library, "Mix_Playing", api.playing);
  resolve(library, "Mix_PlayingMusic", api.playing_music);
  resolve(library, "Mix_HaltChannel", api.halt_channel);
  resolve(library, "Mix_HaltMusic", api.halt_music);
  return api;
}

}  // namespace

const SdlMixerApi& sdl_mixer() {
  static const SdlMixerApi api = load();  // a failed load throws and is tried again next time
  return api;
}

}  // namespace tavrel

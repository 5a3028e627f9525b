// SDL2_mixer loaded when the first sound is opened, so that its library chain stays out of
// start-up.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

namespace tavrel {

// The SDL and SDL2_mixer functions the sound device uses, resolved from the loaded library.
struct SdlMixerApi {
  decltype(&::SDL_InitSubSystem) init_subsystem;
  decltype(&::SDL_QuitSubSystem) quit_subsystem;
  decltype(&::SDL_GetError) get_error;
  decltype(&::SDL_RWFromFile) rw_from_file;
  decltype(&::Mix_Init) init;
  decltype(&::Mix_Quit) quit;
  decltype(&::Mix_SetSoundFonts) set_sound_fonts;
  decltype(&::Mix_OpenAudio) open_audio;
  decltype(&::Mix_CloseAudio) close_audio;
  decltype(&::Mix_AllocateChannels) allocate_channels;
  decltype(&::Mix_LoadWAV_RW) load_wav_rw;
  decltype(&::Mix_LoadMUS) load_mus;
  decltype(&::Mix_FreeChunk) free_chunk;
  decltype(&::Mix_FreeMusic) free_music;
  decltype(&::Mix_PlayChannelTimed) play_channel_timed;
  decltype(&::Mix_PlayMusic) play_music;
  decltype(&::Mix_Playing) playing;
  decltype(&::Mix_PlayingMusic) playing_music;
  decltype(&::Mix_HaltChannel) halt_channel;
  decltype(&::Mix_HaltMusic) halt_music;
};

// Loads the library on the first call and keeps it for the rest of the run; a library that cannot
// be loaded is a MediaError on every call, with the loader's reason.
const SdlMixerApi& sdl_mixer();

}  // namespace tavrel

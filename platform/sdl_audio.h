// The sound device on SDL2_mixer: ".wav" as a sample, ".mid" through a General MIDI sound font.
#pragma once

#include "platform/platform.h"

struct Mix_Chunk;
struct _Mix_Music;

namespace tavrel {

// The file name of SDL2_mixer as the loader looks it up when the first sound is opened.
extern const char* const kSdlMixerLibrary;

class SdlAudio : public AudioBackend {
 public:
  SdlAudio() = default;
  ~SdlAudio() override;
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  void open(const std::filesystem::path& file) override;
  bool can_play() const override;
  void play() override;
  void close() override;

  // Whether a sound of the open file is still playing (for tests and diagnostics).
  bool playing() const;

 private:
  void ensure_device();

  bool device_ready_ = false;
  Mix_Chunk* chunk_ = nullptr;
  _Mix_Music* music_ = nullptr;
};

}  // namespace tavrel

// The shared media player: it names a file and drives the platform's one sound device.
#pragma once

#include <string>

namespace tavrel {

class MediaPlayer {
 public:
  // The device is chosen from the file name's extension when the file is opened.
  void set_auto_device() {}
  // A relative path in the program's spelling, resolved against the current directory on open.
  void set_file_name(std::string path) { file_name_ = std::move(path); }
  const std::string& file_name() const { return file_name_; }

  void open();  // closes any open device first (its sound stops); throws MediaError
  void play();  // from the start, returns at once
  void close();
  bool can_play() const;

 private:
  std::string file_name_;
};

}  // namespace tavrel

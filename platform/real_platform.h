// The platform as the learner's desktop provides it.
#pragma once

#include <random>

#include "platform/platform.h"
#include "platform/sdl_audio.h"

namespace tavrel {

class RealPlatform : public Platform {
 public:
  RealPlatform();

  MsgResult message_box(QWidget* parent, const QString& text, const QString& caption,
                        MsgButtons buttons, MsgIcon icon) override;
  std::optional<QString> input_box(QWidget* parent, const QString& caption, const QString& prompt,
                                   const QString& initial) override;
  std::optional<std::filesystem::path> open_file(QWidget* parent, const QString& title,
                                                 const QString& filter) override;
  std::optional<std::filesystem::path> save_file(QWidget* parent, const QString& title,
                                                 const QString& filter,
                                                 const QString& suggested_name) override;
  std::optional<QColor> choose_color(QWidget* parent, const QColor& initial) override;
  void shell_open(QWidget* parent, const QString& target) override;
  AudioBackend& audio() override { return audio_; }
  QDateTime now() override;
  QString long_time(const QTime& time) override;
  QString short_date(const QDate& date) override;
  int random(int n) override;
  void wait_one_second() override;

 private:
  SdlAudio audio_;
  std::mt19937 random_;
};

}  // namespace tavrel

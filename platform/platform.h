// The program's window onto the outside world: dialogs, shell, sound device, clock, chance.
#pragma once

#include <QColor>
#include <QDateTime>
#include <QString>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>

class QWidget;

namespace tavrel {

// Raised by the sound device when a file cannot be opened or played; carries the device's text.
class MediaError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Warning, Error, Question };
enum class MsgResult { Ok, Cancel, Yes, No };

// One sound device that holds at most one open file, like a media control.
class AudioBackend {
 public:
  virtual ~AudioBackend() = default;
  // Closes any open file (cutting off its sound), then opens `file`; throws MediaError.
  virtual void open(const std::filesystem::path& file) = 0;
  // Whether the open file can be played; false when nothing is open.
  virtual bool can_play() const = 0;
  // Plays the open file once from its start and returns at once.
  virtual void play() = 0;
  // Stops the sound and releases the file; never throws.
  virtual void close() = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  virtual MsgResult message_box(QWidget* parent, const QString& text, const QString& caption,
                                MsgButtons buttons, MsgIcon icon) = 0;
  // The one-line input box; nothing when cancelled.
  virtual std::optional<QString> input_box(QWidget* parent, const QString& caption,
                                           const QString& prompt, const QString& initial) = 0;
  // The file-open dialog, starting in the current directory; nothing when cancelled. Like the
  // platform's own dialog it leaves the chosen file's folder as the current directory.
  virtual std::optional<std::filesystem::path> open_file(QWidget* parent, const QString& title,
                                                         const QString& filter) = 0;
  // The file-save dialog, offering `suggested_name`; nothing when cancelled. The current
  // directory stays as it was.
  virtual std::optional<std::filesystem::path> save_file(QWidget* parent, const QString& title,
                                                         const QString& filter,
                                                         const QString& suggested_name) = 0;
  virtual std::optional<QColor> choose_color(QWidget* parent, const QColor& initial) = 0;
  // The shell's default action on a file path or web address; the result is not reported.
  virtual void shell_open(QWidget* parent, const QString& target) = 0;

  virtual AudioBackend& audio() = 0;

  virtual QDateTime now() = 0;
  virtual QString long_time(const QTime& time) = 0;   // the user's long time format
  virtual QString short_date(const QDate& date) = 0;  // the user's short date format
  // A pseudo-random integer in [0, n), n > 0.
  virtual int random(int n) = 0;
  // The blocking one-second pause before a drill starts.
  virtual void wait_one_second() = 0;
};

// The platform in use: the real one unless a test has installed another.
Platform& platform();
// Installs `p` and returns the previous one (tests restore it).
std::unique_ptr<Platform> set_platform(std::unique_ptr<Platform> p);

}  // namespace tavrel

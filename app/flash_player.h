// The intro-animation player of the launcher: loads a movie file and plays it in a loop.
#pragma once

#include <QLabel>
#include <QMovie>
#include <memory>

class FlashPlayer : public QLabel {
  Q_OBJECT
 public:
  explicit FlashPlayer(QWidget* parent = nullptr);

  // Takes the movie at `path` (any animation format the platform reads, recognised by its
  // content) and plays it in a loop while the player is visible, scaled to fit while keeping its
  // shape; it is read when the player first shows. A file that cannot be read leaves the player
  // empty, silently.
  void set_movie(const QString& path);
  const QString& movie_path() const { return movie_path_; }
  // Whether a loaded movie is running (it pauses while the player is hidden).
  bool playing() const;
  // The frames of the loaded movie; 0 until the player has shown.
  int frame_count() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void load_movie();

  QString movie_path_;
  bool movie_read_ = false;
  std::unique_ptr<QMovie> movie_;
};

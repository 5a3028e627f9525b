// The intro-animation player of the launcher: loads a movie file and plays it in a loop.
#pragma once

#include <QLabel>
#include <QMovie>
#include <memory>

class FlashPlayer : public QLabel {
  Q_OBJECT
 public:
  explicit FlashPlayer(QWidget* parent = nullptr);

  // Loads the movie at `path` (any animation format the platform reads, recognised by its
  // content) and plays it in a loop, scaled to fit while keeping its shape. A file that cannot
  // be read leaves the player empty, silently.
  void set_movie(const QString& path);
  const QString& movie_path() const { return movie_path_; }
  // Whether a loaded movie is running (it pauses while the player is hidden).
  bool playing() const;
  int frame_count() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QString movie_path_;
  std::unique_ptr<QMovie> movie_;
};

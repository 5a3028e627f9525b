// Intro animation through QMovie: loop on, scaled to show all of it.
#include "app/flash_player.h"

#include <QImageReader>

FlashPlayer::FlashPlayer(QWidget* parent) : QLabel(parent) { setAlignment(Qt::AlignCenter); }

void FlashPlayer::set_movie(const QString& path) {
  movie_path_ = path;
  movie_read_ = false;
  movie_.reset();
  clear();
  if (isVisible()) load_movie();
}

// Reading the movie asks every image plug-in what the file is; the player is hidden until the
// pointer reaches the first button, so that waits for the player's first showing.
void FlashPlayer::load_movie() {
  if (movie_read_ || movie_path_.isEmpty()) return;
  movie_read_ = true;  // an unreadable file is not tried again
  auto movie = std::make_unique<QMovie>();
  movie->setFileName(movie_path_);
  movie->setCacheMode(QMovie::CacheAll);
  if (!movie->isValid()) return;
  QImageReader probe(movie_path_);
  QSize size = probe.size().isValid() ? probe.size() : QSize(width(), height());
  movie->setScaledSize(size.scaled(this->size(), Qt::KeepAspectRatio));
  // A movie whose own loop count ends still loops, as the player's loop setting asks.
  connect(movie.get(), &QMovie::finished, movie.get(), &QMovie::start);
  setMovie(movie.get());
  movie_ = std::move(movie);
  movie_->start();
}

bool FlashPlayer::playing() const { return movie_ && movie_->state() == QMovie::Running; }

int FlashPlayer::frame_count() const { return movie_ ? movie_->frameCount() : 0; }

void FlashPlayer::showEvent(QShowEvent* event) {
  QLabel::showEvent(event);
  load_movie();
  if (movie_) movie_->setPaused(false);
}

void FlashPlayer::hideEvent(QHideEvent* event) {
  QLabel::hideEvent(event);
  if (movie_) movie_->setPaused(true);
}

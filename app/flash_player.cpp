// Intro animation through QMovie: loop on, scaled to show all of it.
#include "app/flash_player.h"

#include <QImageReader>

FlashPlayer::FlashPlayer(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignCenter);
}

void FlashPlayer::set_movie(const QString& path) {
  movie_path_ = path;
  clear();
  auto movie = std::make_unique<QMovie>();
  movie->setFileName(path);
  movie->setCacheMode(QMovie::CacheAll);
  if (!movie->isValid()) {
    movie_.reset();
    return;
  }
  QImageReader probe(path);
  QSize size = probe.size().isValid() ? probe.size() : QSize(width(), height());
  movie->setScaledSize(size.scaled(this->size(), Qt::KeepAspectRatio));
  // A movie whose own loop count ends still loops, as the player's loop setting asks.
  connect(movie.get(), &QMovie::finished, movie.get(), &QMovie::start);
  setMovie(movie.get());
  movie_ = std::move(movie);
  movie_->start();
  if (!isVisible()) movie_->setPaused(true);
}

bool FlashPlayer::playing() const { return movie_ && movie_->state() == QMovie::Running; }

int FlashPlayer::frame_count() const { return movie_ ? movie_->frameCount() : 0; }

void FlashPlayer::showEvent(QShowEvent* event) {
  QLabel::showEvent(event);
  if (movie_) movie_->setPaused(false);
}

void FlashPlayer::hideEvent(QHideEvent* event) {
  QLabel::hideEvent(event);
  if (movie_) movie_->setPaused(true);
}

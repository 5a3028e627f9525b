// Centring windows on the screen.
#include "platform/window_place.h"

#include <QGuiApplication>
#include <QScreen>

namespace tavrel {

void centre_on_screen(QWidget& window) {
  if (QScreen* screen = QGuiApplication::primaryScreen())
    window.move(screen->availableGeometry().center() - window.rect().center());
}

}  // namespace tavrel

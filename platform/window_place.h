// Placing the windows that are centred on the screen.
#pragma once

#include <QWidget>

namespace tavrel {

// Centres the window's client area on the primary screen's free area. Called before the first
// show, it also keeps a dialog from being placed over its parent instead.
void centre_on_screen(QWidget& window);

}  // namespace tavrel

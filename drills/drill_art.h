// The drill window's own pictures: the face, the vehicles of the speed, the clock, the marker.
#pragma once

#include <QPixmap>

#include "drills/run_rules.h"

namespace tavrel::drills {

QPixmap draw_face(bool open);  // mouth closed or open
QPixmap draw_vehicle(Vehicle vehicle);
QPixmap draw_clock();
QPixmap draw_marker();      // the red marker of the current picture
QPixmap draw_decoration();  // the picture at the foot of the side panel

// The picture with the colour of its bottom-left pixel made transparent, as pictures are drawn
// on the board until they are answered.
QPixmap transparent_picture(const QPixmap& picture);

}  // namespace tavrel::drills

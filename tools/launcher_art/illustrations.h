// The small pictures in the middle of each preview, one function per menu entry.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace tavrel::art {

// A help window: chapter list on the left, a character with its four corners on the right.
void draw_tutorial_illustration(QPainter& p, const QRectF& area, const QColor& accent);
// The rabbit board: sixteen holes laid out like the keypad, a rabbit in one, a timer beside.
void draw_warmup_illustration(QPainter& p, const QRectF& area, const QColor& accent);
// The twelve drills as tiles, some passed, one current, with the level clock and speed.
void draw_drill_illustration(QPainter& p, const QRectF& area, const QColor& accent);
// A page of text being typed: done part, cursor, marked words, timer.
void draw_article_illustration(QPainter& p, const QRectF& area, const QColor& accent);
// A browser window showing the program's page.
void draw_online_illustration(QPainter& p, const QRectF& area, const QColor& accent);

}  // namespace tavrel::art

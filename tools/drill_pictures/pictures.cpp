// Drawing of the drill pictures, the code illustrations, the course's pictures and the icon.
#include "tools/drill_pictures/pictures.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "tools/drill_pictures/outline.h"

namespace tavrel::drill_pictures {
namespace {

// The stroke data's em, and the height of its baseline above the em's foot.
constexpr double kEm = 1024;
constexpr double kEmTop = 900;
constexpr QRgb kInk = 0xFF202428;
constexpr QRgb kLabelInk = 0xFF707478;
constexpr QRgb kGridFrame = 0xFFF2B9B4;
constexpr QRgb kGridDash = 0xFFF7D4D0;
// 96 dpi, stated so that the files do not depend on the machine's screen.
constexpr int kDotsPerMeter = 3780;
constexpr const char* kDigitFamily = "WenQuanYi Zen Hei";

QFont digit_font(int pixel_size, bool bold = true) {
  QFont font(QString::fromLatin1(kDigitFamily));
  font.setPixelSize(pixel_size);
  font.setBold(bold);
  font.setStyleStrategy(QFont::NoFontMerging);
  return font;
}

QImage blank(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(kBackground);
  image.setDotsPerMeterX(kDotsPerMeter);
  image.setDotsPerMeterY(kDotsPerMeter);
  return image;
}

void prepare(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
}

// Strokes are filled and outlined a little, so that thin ones survive the small size.
void paint_stroke(QPainter& painter, const QPainterPath& path, QRgb colour, double weight) {
  painter.fillPath(path, QColor::fromRgba(colour));
  if (weight > 0)
    painter.strokePath(
        path, QPen(QColor::fromRgba(colour), weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

std::vector<int> all_strokes(const gen::Glyph& glyph) {
  std::vector<int> strokes(glyph.size());
  for (std::size_t i = 0; i < strokes.size(); ++i) strokes[i] = static_cast<int>(i);
  return strokes;
}

bool contains(const std::vector<int>& strokes, int stroke) {
  return std::find(strokes.begin(), strokes.end(), stroke) != strokes.end();
}

// Where each position stands, in pixels: the corners of the glyph's box, and for the 附角 the
// right edge at the top of the lower right corner's shape.
std::array<QPointF, 5> position_points(const gen::Glyph& glyph, const QTransform& placement,
                                       const CornerStrokes& corners) {
  const Bounds all = glyph_bounds(glyph);
  std::array<QPointF, 5> points;
  for (int position = 0; position < 4; ++position) {
    const bool left = position == 0 || position == 2, upper = position == 0 || position == 1;
    points[static_cast<std::size_t>(position)] =
        placement.map(QPointF(left ? all.left : all.right, upper ? all.top : all.bottom));
  }
  const auto& lower_right = corners.strokes[3];
  const double top = lower_right.empty() ? all.bottom + 0.4 * (all.top - all.bottom)
                                         : glyph_bounds(glyph, lower_right).top;
  points[kAttached] = placement.map(QPointF(all.right, top));
  return points;
}

// The part of the plane nearer to `own` than to every point of `others`.
QPolygonF nearer_to(QPointF own, const std::vector<QPointF>& others) {
  constexpr double kFar = 10000;
  QPolygonF cell(QRectF(-kFar, -kFar, 2 * kFar, 2 * kFar));
  for (const QPointF other : others) {
    const QPointF middle = (own + other) / 2, away = other - own;
    const double length = std::hypot(away.x(), away.y());
    if (length == 0) continue;
    const QPointF normal = away / length, along(-normal.y(), normal.x());
    const QPolygonF half({middle + along * kFar, middle + along * kFar - normal * kFar,
                          middle - along * kFar - normal * kFar, middle - along * kFar});
    cell = cell.intersected(half);
  }
  return cell;
}

// Paints the glyph: strokes of no position in `rest`, each position's strokes in its colour; a
// stroke of several positions is shared out among them, each part going to the nearest.
void paint_positions(QPainter& painter, const gen::Glyph& glyph, const QTransform& placement,
                     const CornerStrokes& corners, QRgb rest, double weight) {
  const auto points = position_points(glyph, placement, corners);
  std::vector<std::vector<int>> positions_of(glyph.size());
  for (int position = 0; position < 5; ++position)
    for (const int stroke : corners.strokes[static_cast<std::size_t>(position)])
      positions_of[static_cast<std::size_t>(stroke)].push_back(position);
  for (std::size_t i = 0; i < glyph.size(); ++i)
    if (positions_of[i].empty())
      paint_stroke(painter, placement.map(stroke_path(glyph[i])), rest, weight);
  for (std::size_t i = 0; i < glyph.size(); ++i) {
    const QPainterPath path = placement.map(stroke_path(glyph[i]));
    for (const int position : positions_of[i]) {
      std::vector<QPointF> others;
      for (const int other : positions_of[i])
        if (other != position) others.push_back(points[static_cast<std::size_t>(other)]);
      painter.save();
      if (!others.empty())
        painter.setClipRegion(
            QRegion(nearer_to(points[static_cast<std::size_t>(position)], others).toPolygon()));
      paint_stroke(painter, path, position_colour(position), weight);
      painter.restore();
    }
  }
}

// The icon's 码 comes from the font: outlines taken at a large size and scaled down.
constexpr int kGlyphPixels = 200;

QPainterPath text_path(const QString& text) {
  QFont font = digit_font(kGlyphPixels, false);
  QPainterPath path;
  path.addText(0, 0, font, text);
  return path;
}

// The path scaled to fit `box` (never larger than `max_scale`) and centred in it.
QPainterPath fit(const QPainterPath& path, const QRectF& box, double max_scale) {
  const QRectF bounds = path.boundingRect();
  const double scale =
      std::min({box.width() / bounds.width(), box.height() / bounds.height(), max_scale});
  QTransform transform;
  transform.translate(box.center().x(), box.center().y());
  transform.scale(scale, scale);
  transform.translate(-bounds.center().x(), -bounds.center().y());
  return transform.map(path);
}

void paint_digit(QPainter& painter, const QPointF& centre, double diameter, QChar digit,
                 QRgb fill) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor::fromRgba(fill));
  painter.drawEllipse(centre, diameter / 2, diameter / 2);
  painter.setFont(digit_font(static_cast<int>(std::lround(diameter * 0.8))));
  painter.setPen(QColor::fromRgba(kBackground));
  const QRectF box(centre.x() - diameter / 2, centre.y() - diameter / 2 + 0.5, diameter, diameter);
  painter.drawText(box, Qt::AlignCenter, QString(digit));
}

QRgb blend(QRgb from, QRgb to, double t) {
  auto mix = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
  return qRgb(mix(qRed(from), qRed(to)), mix(qGreen(from), qGreen(to)),
              mix(qBlue(from), qBlue(to)));
}

// Sixteen colours for the illustrations: each ink, and its half tint for anti-aliased edges.
QList<QRgb> build_palette16() {
  const QRgb inks[] = {kQuietInk,         kCornerColours[0], kCornerColours[1], kCornerColours[2],
                       kCornerColours[3], kSupplementColour, 0xFF707478};
  QList<QRgb> palette{kBackground};
  for (const QRgb ink : inks) palette.push_back(ink);
  for (const QRgb ink : inks) palette.push_back(blend(kBackground, ink, 0.5));
  palette.push_back(0xFFF2B9B4);  // the grid's frame
  return palette;
}

// Ramps from the background to every colour we draw with, so that anti-aliased edges keep
// their shades in 8-bit pictures.
QList<QRgb> build_palette() {
  constexpr QRgb kTint = 0xFFFFE1DC, kGuide = 0xFFF2B9B4, kGuideDash = 0xFFF7D4D0;
  const QRgb ramps[][2] = {
      {kBackground, kInk},
      {kBackground, kCornerColours[0]},
      {kBackground, kCornerColours[1]},
      {kBackground, kCornerColours[2]},
      {kBackground, kCornerColours[3]},
      {kBackground, kSupplementColour},
      {kBackground, kQuietInk},
      {kTint, kMarkedInk},
      {kTint, kQuietInk},
      {kBackground, kTint},
      {kBackground, kGuide},
      {kGuideDash, kInk},
      {kBackground, 0xFF707478},
  };
  QList<QRgb> palette{kBackground};
  for (const auto& ramp : ramps) {
    for (int step = 1; step <= 16; ++step) {
      const QRgb colour = blend(ramp[0], ramp[1], step / 16.0);
      if (!palette.contains(colour)) palette.push_back(colour);
    }
  }
  palette.push_back(kGuideDash);
  return palette;
}

}  // namespace

QRgb position_colour(int position) {
  return position < 4 ? kCornerColours[position] : kSupplementColour;
}

QPainterPath stroke_path(const gen::Stroke& stroke) {
  if (stroke.outline.empty()) throw std::invalid_argument("stroke without an outline");
  QPainterPath path;
  for (const auto& step : parse_outline(stroke.outline)) {
    const auto& p = step.points;
    switch (step.kind) {
      case OutlineStep::kMove:
        path.moveTo(p[2].x, p[2].y);
        break;
      case OutlineStep::kLine:
        path.lineTo(p[2].x, p[2].y);
        break;
      case OutlineStep::kQuad:
        path.quadTo(p[0].x, p[0].y, p[2].x, p[2].y);
        break;
      case OutlineStep::kCubic:
        path.cubicTo(p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y);
        break;
      case OutlineStep::kClose:
        path.closeSubpath();
        break;
    }
  }
  return path;
}

QTransform place_glyph(const gen::Glyph& glyph, const QRectF& box, double em_share,
                       const std::vector<int>& only) {
  const Bounds bounds = glyph_bounds(glyph, only);
  if (bounds.empty) throw std::invalid_argument("a glyph without strokes");
  const double width = std::max(1.0, bounds.right - bounds.left);
  const double height = std::max(1.0, bounds.top - bounds.bottom);
  const double scale =
      std::min({box.width() / width, box.height() / height, em_share * box.height() / kEm});
  QTransform placement;
  placement.translate(box.center().x(), box.center().y());
  placement.scale(scale, -scale);  // the stroke data's y goes upwards
  placement.translate(-(bounds.left + bounds.right) / 2, -(bounds.bottom + bounds.top) / 2);
  return placement;
}

QTransform cell_placement(const gen::Glyph& glyph) {
  return place_glyph(glyph, kCellGlyphBox, 1.12);
}

QTransform statement_placement(const gen::Glyph& glyph) {
  return place_glyph(glyph, kStatementGlyphBox, 1.12);
}

void check_fonts() {
  const QFontInfo info(digit_font(20));
  if (info.family() != QString::fromLatin1(kDigitFamily))
    throw std::runtime_error(std::string("font not installed: ") + kDigitFamily);
}

QImage draw_stroke_form(const gen::Glyph& glyph, const std::vector<int>& strokes) {
  QImage image = blank(kCellWidth, kCellHeight);
  QPainter painter(&image);
  prepare(painter);
  // A lone dot would fill the cell; no form is drawn larger than a character twice the cell.
  const QTransform placement = place_glyph(glyph, kCellGlyphBox, 2.0, strokes);
  for (const int stroke : strokes)
    paint_stroke(painter, placement.map(stroke_path(glyph.at(static_cast<std::size_t>(stroke)))),
                 kInk, 0.6);
  return image;
}

QImage draw_corner_marked(const gen::Glyph& glyph, const std::vector<int>& marked) {
  QImage image = blank(kCellWidth, kCellHeight);
  QPainter painter(&image);
  prepare(painter);
  const QTransform placement = cell_placement(glyph);
  for (const bool marked_pass : {false, true})
    for (const int stroke : all_strokes(glyph))
      if (contains(marked, stroke) == marked_pass)
        paint_stroke(painter, placement.map(stroke_path(glyph[static_cast<std::size_t>(stroke)])),
                     marked_pass ? kMarkedInk : kQuietInk, 0.6);
  return image;
}

QImage draw_coloured_corners(const gen::Glyph& glyph, const CornerStrokes& corners) {
  QImage image = blank(kCellWidth, kCellHeight);
  QPainter painter(&image);
  prepare(painter);
  paint_positions(painter, glyph, cell_placement(glyph), corners, kQuietInk, 0.6);
  return image;
}

namespace {

QImage illustration_canvas(double zoom) {
  return blank(static_cast<int>(std::lround(kStatementWidth * zoom)),
               static_cast<int>(std::lround(kStatementHeight * zoom)));
}

// The writing grid, whose dashed cross helps to see the corners, and the coloured glyph in it,
// `zoom` times the illustration's size.
void paint_grid_and_glyph(QPainter& painter, double zoom, const gen::Glyph& glyph,
                          const CornerStrokes& corners) {
  prepare(painter);
  painter.scale(zoom, zoom);
  const QRectF grid = kStatementGrid;
  const QPointF centre = grid.center();
  painter.setPen(QPen(QColor::fromRgba(kGridFrame), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(grid);
  painter.setPen(QPen(QColor::fromRgba(kGridDash), 1, Qt::DashLine));
  painter.drawLine(QPointF(grid.left(), centre.y()), QPointF(grid.right(), centre.y()));
  painter.drawLine(QPointF(centre.x(), grid.top()), QPointF(centre.x(), grid.bottom()));
  paint_positions(painter, glyph, statement_placement(glyph), corners, kQuietInk, 0.6);
}

}  // namespace

QImage draw_statement(const gen::Glyph& glyph, const std::string& code,
                      const CornerStrokes& corners, double zoom) {
  QImage image = illustration_canvas(zoom);
  QPainter painter(&image);
  paint_grid_and_glyph(painter, zoom, glyph, corners);
  const QRectF grid = kStatementGrid;

  const QPointF badges[4] = {grid.topLeft(), grid.topRight(), grid.bottomLeft(),
                             grid.bottomRight()};
  for (int corner = 0; corner < 4 && corner < static_cast<int>(code.size()); ++corner)
    paint_digit(painter, badges[corner], 17, QChar(code[static_cast<std::size_t>(corner)]),
                kCornerColours[corner]);
  // The 附角 sits just above the lower right corner.
  if (code.size() > 4)
    paint_digit(painter, QPointF(grid.right(), grid.bottom() - 18), 13, QChar(code[4]),
                kSupplementColour);

  // The full code below, each digit in its position's colour.
  const QFont label = digit_font(11, false);
  const QFont digits = digit_font(17);
  const QString title = QStringLiteral("全码");
  const double label_width = QFontMetricsF(label).horizontalAdvance(title);
  const QFontMetricsF digit_metrics(digits);
  double digits_width = 0;
  for (const char digit : code) digits_width += digit_metrics.horizontalAdvance(QChar(digit));
  const double gap = 4, baseline = 109;
  double x = std::round((kStatementWidth - label_width - gap - digits_width) / 2);
  painter.setFont(label);
  painter.setPen(QColor::fromRgba(kLabelInk));
  painter.drawText(QPointF(x, baseline - 1), title);
  x += label_width + gap;
  painter.setFont(digits);
  for (std::size_t i = 0; i < code.size(); ++i) {
    painter.setPen(QColor::fromRgba(position_colour(static_cast<int>(i))));
    painter.drawText(QPointF(x, baseline), QChar(code[i]));
    x += digit_metrics.horizontalAdvance(QChar(code[i]));
  }
  return image;
}

QImage draw_corner_names(const gen::Glyph& glyph, const CornerStrokes& corners, double zoom) {
  QImage image = illustration_canvas(zoom);
  QPainter painter(&image);
  paint_grid_and_glyph(painter, zoom, glyph, corners);
  const QRectF grid = kStatementGrid;
  const QPointF tags[5] = {grid.topLeft(), grid.topRight(), grid.bottomLeft(), grid.bottomRight(),
                           QPointF(grid.right(), grid.bottom() - 20)};
  const char* names[5] = {"左上", "右上", "左下", "右下", "附角"};
  painter.setFont(digit_font(9));
  for (int position = 0; position < 5; ++position) {
    const QRectF tag(tags[position].x() - 12, tags[position].y() - 7, 24, 14);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(position_colour(position)));
    painter.drawRoundedRect(tag, 4, 4);
    painter.setPen(QColor::fromRgba(kBackground));
    painter.drawText(tag, Qt::AlignCenter, QString::fromUtf8(names[position]));
  }
  painter.setFont(digit_font(6, false));
  painter.setPen(QColor::fromRgba(kLabelInk));
  painter.drawText(QRectF(0, 96, kStatementWidth, 16), Qt::AlignCenter,
                   QStringLiteral("左上→右上→左下→右下→附角"));
  return image;
}

QImage draw_shape_sheet(char digit, const QString& name, const std::vector<ShapeForm>& forms) {
  constexpr int kBadge = 96, kFrame = 100;
  QImage image = blank(kBadge + kFrame * static_cast<int>(forms.size()) + 8, 124);
  QPainter painter(&image);
  prepare(painter);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor::fromRgba(kCornerColours[0]));
  painter.drawEllipse(QPointF(44, 44), 32, 32);
  painter.setPen(QColor::fromRgba(kBackground));
  painter.setFont(digit_font(40));
  painter.drawText(QRectF(12, 12, 64, 64), Qt::AlignCenter, QString(QChar(digit)));
  painter.setPen(QColor::fromRgba(kInk));
  painter.setFont(digit_font(20));
  painter.drawText(QRectF(0, 84, 88, 30), Qt::AlignCenter, name);
  for (std::size_t i = 0; i < forms.size(); ++i) {
    const double left = kBadge + kFrame * static_cast<double>(i);
    const QRectF frame(left + 6, 6, kFrame - 12, kFrame - 12);
    painter.setPen(QPen(QColor(225, 225, 225), 1));
    painter.setBrush(QColor(250, 250, 247));
    painter.drawRoundedRect(frame, 8, 8);
    const auto& form = forms[i];
    const QTransform placement =
        place_glyph(*form.glyph, frame.adjusted(12, 12, -12, -12), 2.0, form.strokes);
    for (const int stroke : form.strokes)
      paint_stroke(painter,
                   placement.map(stroke_path(form.glyph->at(static_cast<std::size_t>(stroke)))),
                   kInk, 0);
    painter.setPen(QColor(90, 90, 90));
    painter.setFont(digit_font(15, false));
    painter.drawText(QRectF(left, kFrame - 4, kFrame, 26), Qt::AlignCenter, form.caption);
  }
  return image;
}

QImage draw_word_code(const std::vector<WordPart>& parts) {
  constexpr int kCell = 92, kLeft = 16;
  const int n = static_cast<int>(parts.size());
  QImage image = blank(kLeft + kCell * n + 200, 178);
  QPainter painter(&image);
  prepare(painter);
  const QColor taken = QColor::fromRgba(kCornerColours[0]), rest(175, 175, 175),
               quiet(120, 120, 120);
  std::string word_code;
  for (int i = 0; i < n; ++i) {
    const WordPart& part = parts[static_cast<std::size_t>(i)];
    const double x = kLeft + kCell * i;
    const QRectF box(x + 12, 10, kCell - 24, kCell - 24);
    painter.setPen(QPen(QColor(190, 120, 120), 1.5));
    painter.setBrush(QColor(252, 249, 240));
    painter.drawRect(box);
    const QTransform placement = place_glyph(*part.glyph, box.adjusted(7, 7, -7, -7), 1.12);
    for (const auto& stroke : *part.glyph)
      paint_stroke(painter, placement.map(stroke_path(stroke)), kInk, 0);
    // The full code: the digits taken in red, the rest in grey.
    painter.setFont(digit_font(19));
    constexpr int kStep = 13;
    const double left = x + (kCell - kStep * static_cast<double>(part.full.size())) / 2;
    for (std::size_t k = 0; k < part.full.size(); ++k) {
      painter.setPen(k < part.take ? taken : rest);
      painter.drawText(QRectF(left + kStep * static_cast<double>(k), 84, kStep, 26),
                       Qt::AlignCenter, QString(QChar(part.full[k])));
    }
    const std::string take = part.full.substr(0, part.take);
    word_code += take;
    painter.setPen(QPen(QColor(214, 48, 49, 120), 1.5));
    painter.drawLine(QPointF(x + kCell / 2.0, 112), QPointF(x + kCell / 2.0, 126));
    painter.setPen(taken);
    painter.setFont(digit_font(22));
    painter.drawText(QRectF(x, 126, kCell, 30), Qt::AlignCenter,
                     take.empty() ? QStringLiteral("-") : QString::fromStdString(take));
    if (i + 1 < n) {
      painter.setPen(quiet);
      painter.drawText(QRectF(x + kCell - 10, 126, 20, 30), Qt::AlignCenter, QStringLiteral("+"));
    }
  }
  const double right = kLeft + kCell * n + 6;
  painter.setPen(quiet);
  painter.setFont(digit_font(28));
  painter.drawText(QRectF(right, 122, 34, 36), Qt::AlignCenter, QStringLiteral("→"));
  const QRectF result(right + 40, 118, 146, 44);
  painter.setPen(Qt::NoPen);
  painter.setBrush(taken);
  painter.drawRoundedRect(result, 10, 10);
  painter.setPen(QColor::fromRgba(kBackground));
  painter.drawText(result, Qt::AlignCenter, QString::fromStdString(word_code));
  painter.setPen(quiet);
  painter.setFont(digit_font(15, false));
  painter.drawText(QRectF(right + 40, 84, 146, 26), Qt::AlignCenter, QStringLiteral("词码"));
  return image;
}

QImage draw_icon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  image.setDotsPerMeterX(kDotsPerMeter);
  image.setDotsPerMeterY(kDotsPerMeter);
  QPainter painter(&image);
  prepare(painter);
  painter.scale(size / 256.0, size / 256.0);
  const bool detailed = size >= 64;

  // The keypad: a rounded blue body with a 3 x 3 block of keys.
  const QRectF body(8, 8, 240, 240);
  QLinearGradient shade(body.topLeft(), body.bottomRight());
  shade.setColorAt(0, QColor(0x3a, 0x86, 0xd6));
  shade.setColorAt(1, QColor(0x16, 0x46, 0x8c));
  painter.setPen(Qt::NoPen);
  painter.setBrush(shade);
  painter.drawRoundedRect(body, 44, 44);

  const double key = 58, step = 70, left = 30, top = 30;
  painter.setFont(digit_font(40));
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      const QRectF cap(left + column * step, top + row * step, key, key);
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(0x0e, 0x2f, 0x60, 120));
      painter.drawRoundedRect(cap.translated(0, 4), 12, 12);
      painter.setBrush(QColor(0xf4, 0xf8, 0xfd));
      painter.drawRoundedRect(cap, 12, 12);
      if (detailed) {
        painter.setPen(QColor(0x1f, 0x4e, 0x8e));
        painter.drawText(cap, Qt::AlignCenter, QString::number(7 - row * 3 + column));
      }
    }
  }

  // 码 on a red seal over the lower right keys.
  const QPointF seal(184, 184);
  const double radius = 62;
  painter.setPen(QPen(QColor(0xff, 0xff, 0xff), 8));
  painter.setBrush(QColor::fromRgba(kCornerColours[0]));
  painter.drawEllipse(seal, radius, radius);
  const QRectF inside(seal.x() - radius * 0.62, seal.y() - radius * 0.62, radius * 1.24,
                      radius * 1.24);
  paint_stroke(painter, fit(text_path(QStringLiteral("码")), inside, 1.0), 0xFFFFFFFF,
               detailed ? 3 : 6);
  return image;
}

namespace {

QImage indexed_against(const QImage& image, const QList<QRgb>& palette) {
  const QImage source = image.convertToFormat(QImage::Format_RGB32);
  QImage out(source.size(), QImage::Format_Indexed8);
  out.setColorTable(palette);
  out.setDotsPerMeterX(source.dotsPerMeterX());
  out.setDotsPerMeterY(source.dotsPerMeterY());
  QHash<QRgb, uchar> nearest;
  for (int y = 0; y < source.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    uchar* line = out.scanLine(y);
    for (int x = 0; x < source.width(); ++x) {
      const QRgb colour = in[x] | 0xFF000000;
      auto found = nearest.constFind(colour);
      if (found == nearest.constEnd()) {
        int best = 0;
        long best_distance = -1;
        for (int i = 0; i < palette.size(); ++i) {
          const long dr = qRed(colour) - qRed(palette[i]), dg = qGreen(colour) - qGreen(palette[i]),
                     db = qBlue(colour) - qBlue(palette[i]);
          const long distance = dr * dr + dg * dg + db * db;
          if (best_distance < 0 || distance < best_distance) best = i, best_distance = distance;
        }
        found = nearest.insert(colour, static_cast<uchar>(best));
      }
      line[x] = *found;
    }
  }
  return out;
}

}  // namespace

QImage to_indexed(const QImage& image) {
  static const QList<QRgb> palette = build_palette();
  return indexed_against(image, palette);
}

QImage to_indexed16(const QImage& image) {
  static const QList<QRgb> palette = build_palette16();
  return indexed_against(image, palette);
}

}  // namespace tavrel::drill_pictures

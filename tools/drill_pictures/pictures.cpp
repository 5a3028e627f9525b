// Drawing of the drill pictures, the code illustrations and the program icon.
#include "tools/drill_pictures/pictures.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace tavrel::drill_pictures {
namespace {

// Glyph outlines are taken at a large size and scaled down, so that placement is exact.
constexpr int kGlyphPixels = 200;
constexpr QRgb kInk = 0xFF202428;
// 96 dpi, stated so that the files do not depend on the machine's screen.
constexpr int kDotsPerMeter = 3780;

const char* family_of(Face face) {
  return face == Face::kHei ? "WenQuanYi Zen Hei" : "AR PL UMing CN";
}

QFont face_font(Face face, int pixel_size) {
  QFont font(QString::fromLatin1(family_of(face)));
  font.setPixelSize(pixel_size);
  font.setStyleStrategy(QFont::NoFontMerging);
  return font;
}

QFont glyph_font(Face face) { return face_font(face, kGlyphPixels); }

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

QPainterPath glyph_path(const QString& text, Face face) {
  const QFont font = glyph_font(face);
  const QFontMetricsF metrics(font);
  for (const char32_t code_point : text.toUcs4())
    if (!metrics.inFontUcs4(code_point))
      throw std::runtime_error("no glyph for " + text.toStdString() + " in " + family_of(face));
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

// A character's ink fits its box with the em square a little larger than the box, so that
// small characters such as 一 keep their natural size.
QPainterPath character_path(const QString& character, Face face, const QRectF& box) {
  return fit(glyph_path(character, face), box, box.height() * 1.12 / kGlyphPixels);
}

// Ink is filled and outlined a little, so that thin strokes survive the small size.
void paint_ink(QPainter& painter, const QPainterPath& path, QRgb colour, double weight) {
  painter.fillPath(path, QColor::fromRgba(colour));
  if (weight > 0)
    painter.strokePath(
        path, QPen(QColor::fromRgba(colour), weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// The point that splits the ink into its four corners, on whole pixels so that no seam shows.
QPoint corner_split(const QPainterPath& path) {
  const QPointF centre = path.boundingRect().center();
  return {static_cast<int>(std::lround(centre.x())), static_cast<int>(std::lround(centre.y()))};
}

QRect corner_area(int corner, QPoint split, const QSize& size) {
  const bool left = corner == 0 || corner == 2, top = corner == 0 || corner == 1;
  const int x = left ? 0 : split.x(), y = top ? 0 : split.y();
  const int right = left ? split.x() : size.width(), bottom = top ? split.y() : size.height();
  return QRect(x, y, right - x, bottom - y);
}

void paint_corners(QPainter& painter, const QPainterPath& path, const QSize& size,
                   const QRgb (&colours)[4], double weight) {
  const QPoint split = corner_split(path);
  for (int corner = 0; corner < 4; ++corner) {
    painter.save();
    painter.setClipRect(corner_area(corner, split, size));
    paint_ink(painter, path, colours[corner], weight);
    painter.restore();
  }
}

void paint_digit(QPainter& painter, const QPointF& centre, double diameter, QChar digit,
                 QRgb fill) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor::fromRgba(fill));
  painter.drawEllipse(centre, diameter / 2, diameter / 2);
  QFont font = face_font(Face::kHei, static_cast<int>(std::lround(diameter * 0.8)));
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(QColor::fromRgba(kBackground));
  const QRectF box(centre.x() - diameter / 2, centre.y() - diameter / 2 + 0.5, diameter, diameter);
  painter.drawText(box, Qt::AlignCenter, QString(digit));
}

QRgb blend(QRgb from, QRgb to, double t) {
  auto mix = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
  return qRgb(mix(qRed(from), qRed(to)), mix(qGreen(from), qGreen(to)),
              mix(qBlue(from), qBlue(to)));
}

// Ramps from the background to every colour we draw with, so that anti-aliased edges keep
// their shades in 8-bit pictures.
// Sixteen colours for the illustrations: each ink, and its half tint for anti-aliased edges.
QList<QRgb> build_palette16() {
  const QRgb inks[] = {kInk,
                       kCornerColours[0],
                       kCornerColours[1],
                       kCornerColours[2],
                       kCornerColours[3],
                       kSupplementColour,
                       0xFF707478};
  QList<QRgb> palette{kBackground};
  for (const QRgb ink : inks) palette.push_back(ink);
  for (const QRgb ink : inks) palette.push_back(blend(kBackground, ink, 0.5));
  palette.push_back(0xFFF2B9B4);  // the grid's frame
  return palette;
}

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

const std::vector<StrokeForm>& stroke_forms() {
  static const std::vector<StrokeForm> forms = {
      {"bx_heng_a", "一", Face::kHei, 1.0, 1},    {"bx_heng_b", "一", Face::kSong, 1.0, 1},
      {"bx_ti_a", "㇀", Face::kHei, 1.0, 1},      {"bx_wangou_a", "乚", Face::kHei, 0.9, 1},
      {"bx_shu_a", "㇑", Face::kHei, 1.0, 2},     {"bx_shu_b", "丨", Face::kSong, 1.0, 2},
      {"bx_shu_c", "㇑", Face::kHei, 0.62, 2},    {"bx_shu_d", "丨", Face::kSong, 0.62, 2},
      {"bx_dian_a", "丶", Face::kHei, 1.6, 3},    {"bx_dian_b", "丶", Face::kSong, 1.6, 3},
      {"bx_na_a", "㇏", Face::kHei, 1.0, 3},      {"bx_na_b", "㇏", Face::kSong, 1.0, 3},
      {"bx_cha_a", "十", Face::kHei, 0.95, 4},    {"bx_cha_b", "十", Face::kSong, 0.95, 4},
      {"bx_cha_c", "乂", Face::kHei, 0.95, 4},    {"bx_cha_d", "乂", Face::kSong, 0.95, 4},
      {"bx_chuan_a", "扌", Face::kHei, 0.95, 5},  {"bx_chuan_b", "扌", Face::kSong, 0.95, 5},
      {"bx_chuan_c", "丰", Face::kHei, 0.95, 5},  {"bx_chuan_d", "丰", Face::kSong, 0.95, 5},
      {"bx_fang_a", "口", Face::kHei, 0.95, 6},   {"bx_fang_b", "口", Face::kSong, 0.95, 6},
      {"bx_fang_c", "囗", Face::kHei, 0.95, 6},   {"bx_jiao_a", "㇕", Face::kHei, 1.0, 7},
      {"bx_jiao_b", "㇄", Face::kHei, 1.0, 7},    {"bx_jiao_c", "㇆", Face::kHei, 1.0, 7},
      {"bx_jiao_d", "厂", Face::kHei, 0.95, 7},   {"bx_jiao_e", "㇖", Face::kHei, 1.0, 7},
      {"bx_ba_a", "八", Face::kHei, 0.95, 8},     {"bx_ba_b", "八", Face::kSong, 0.95, 8},
      {"bx_ba_c", "丷", Face::kHei, 1.1, 8},      {"bx_ba_d", "人", Face::kHei, 0.95, 8},
      {"bx_xiao_a", "小", Face::kHei, 0.95, 9},   {"bx_xiao_b", "小", Face::kSong, 0.95, 9},
      {"bx_xiao_c", "⺌", Face::kHei, 1.0, 9},    {"bx_xiao_d", "忄", Face::kHei, 0.95, 9},
      {"bx_pie_a", "丿", Face::kHei, 1.0, 0},     {"bx_pie_b", "丿", Face::kSong, 1.0, 0},
      {"bx_pie_c", "㇓", Face::kHei, 1.0, 0},     {"bx_zuogou_a", "亅", Face::kHei, 1.0, 0},
      {"bx_zuogou_b", "亅", Face::kSong, 1.0, 0}, {"bx_zuogou_c", "㇁", Face::kHei, 1.0, 0},
  };
  return forms;
}

void check_fonts() {
  for (const Face face : {Face::kHei, Face::kSong}) {
    const QFontInfo info(face_font(face, 20));
    if (info.family() != QString::fromLatin1(family_of(face)))
      throw std::runtime_error(std::string("font not installed: ") + family_of(face));
  }
}

QImage draw_stroke_form(const StrokeForm& form) {
  QImage image = blank(kCellWidth, kCellHeight);
  QPainter painter(&image);
  prepare(painter);
  const QRectF box(4, 4, kCellWidth - 8, kCellHeight - 8);
  const QPainterPath path = fit(glyph_path(QString::fromUtf8(form.glyph), form.face), box,
                                form.size * kCellHeight / kGlyphPixels);
  // 宋体 horizontals are hairlines at this size; they get more weight than 黑体's.
  paint_ink(painter, path, kInk, form.face == Face::kSong ? 1.6 : 0.9);
  return image;
}

QImage draw_corner_marked(const QString& character, int corner) {
  QImage image = blank(kCellWidth, kCellHeight);
  QPainter painter(&image);
  prepare(painter);
  const QPainterPath path = character_path(character, Face::kHei, QRectF(5, 5, 39, 38));
  const QPoint split = corner_split(path);
  // A pale patch behind the corner and a bracket at its outer edge lead the eye to it; both
  // stay clear of the picture's border so that the background around them is untouched.
  const QRect ink = path.boundingRect().toAlignedRect().adjusted(-2, -2, 2, 2) &
                    QRect(2, 2, kCellWidth - 4, kCellHeight - 4);
  const QRect patch = ink & corner_area(corner, split, image.size());
  painter.fillRect(patch, QColor::fromRgba(0xFFFFE1DC));
  paint_ink(painter, path, kQuietInk, 0.8);
  painter.save();
  painter.setClipRect(corner_area(corner, split, image.size()));
  paint_ink(painter, path, kMarkedInk, 0.9);
  painter.restore();

  const bool left = corner == 0 || corner == 2, top = corner == 0 || corner == 1;
  const double x = left ? patch.left() + 0.5 : patch.right() + 0.5;
  const double y = top ? patch.top() + 0.5 : patch.bottom() + 0.5;
  const double arm = 8, dx = left ? arm : -arm, dy = top ? arm : -arm;
  painter.setPen(
      QPen(QColor::fromRgba(kMarkedInk), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolyline(QPolygonF({{x + dx, y}, {x, y}, {x, y + dy}}));
  return image;
}

QImage draw_coloured_corners(const QString& character) {
  QImage image = blank(kCellWidth, kCellHeight);
  QPainter painter(&image);
  prepare(painter);
  const QPainterPath path = character_path(character, Face::kHei, QRectF(3, 3, 43, 42));
  paint_corners(painter, path, image.size(), kCornerColours, 0.9);
  return image;
}

QImage draw_statement(const QString& character, const std::string& code) {
  QImage image = blank(kStatementWidth, kStatementHeight);
  QPainter painter(&image);
  prepare(painter);

  // A square writing grid whose dashed cross is where the corners part.
  const QRectF grid(10.5, 10.5, 76, 76);
  const QPointF centre = grid.center();
  const QRectF glyph_box(grid.adjusted(8, 8, -8, -8));
  const QPainterPath path = character_path(character, Face::kSong, glyph_box);
  const QPoint split = corner_split(path);
  QTransform shift;
  shift.translate(centre.x() - split.x() - 0.5, centre.y() - split.y() - 0.5);
  const QPainterPath placed = shift.map(path);

  painter.setPen(QPen(QColor::fromRgba(0xFFF2B9B4), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(grid);
  painter.setPen(QPen(QColor::fromRgba(0xFFF7D4D0), 1, Qt::DashLine));
  painter.drawLine(QPointF(grid.left(), centre.y()), QPointF(grid.right(), centre.y()));
  painter.drawLine(QPointF(centre.x(), grid.top()), QPointF(centre.x(), grid.bottom()));

  paint_corners(painter, placed, image.size(), kCornerColours, 0.9);

  const QPointF corners[4] = {grid.topLeft(), grid.topRight(), grid.bottomLeft(),
                              grid.bottomRight()};
  for (int corner = 0; corner < 4 && corner < static_cast<int>(code.size()); ++corner)
    paint_digit(painter, corners[corner], 17, QChar(code[corner]), kCornerColours[corner]);
  // The supplementary corner sits just above the bottom-right one.
  if (code.size() > 4)
    paint_digit(painter, QPointF(grid.right(), grid.bottom() - 18), 13, QChar(code[4]),
                kSupplementColour);

  // The full code below, each digit in its corner's colour.
  QFont label = face_font(Face::kHei, 11);
  QFont digits = face_font(Face::kHei, 17);
  digits.setBold(true);
  const QString title = QStringLiteral("全码");
  const double label_width = QFontMetricsF(label).horizontalAdvance(title);
  const QFontMetricsF digit_metrics(digits);
  double digits_width = 0;
  for (const char digit : code) digits_width += digit_metrics.horizontalAdvance(QChar(digit));
  const double gap = 4, baseline = 109;
  double x = std::round((kStatementWidth - label_width - gap - digits_width) / 2);
  painter.setFont(label);
  painter.setPen(QColor(0x70, 0x74, 0x78));
  painter.drawText(QPointF(x, baseline - 1), title);
  x += label_width + gap;
  painter.setFont(digits);
  for (std::size_t i = 0; i < code.size(); ++i) {
    painter.setPen(QColor::fromRgba(i < 4 ? kCornerColours[i] : kSupplementColour));
    painter.drawText(QPointF(x, baseline), QChar(code[i]));
    x += digit_metrics.horizontalAdvance(QChar(code[i]));
  }
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
  QFont digit_font = face_font(Face::kHei, 40);
  digit_font.setBold(true);
  painter.setFont(digit_font);
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
  paint_ink(painter, fit(glyph_path(QStringLiteral("码"), Face::kHei), inside, 1.0), 0xFFFFFFFF,
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

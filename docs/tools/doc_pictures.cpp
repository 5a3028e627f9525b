// Draws the pictures of the tutorial: the ten stroke shapes, a character with its corner digits,
// how a word code is put together, and the numeric keypad. Reads one job per line from a file
// (made by build_chm.py from the code table, so every digit drawn comes from our data):
//   shape OUT.png DIGIT
//   char OUT.png CHARACTER CODE          (corner digits round the character)
//   corners OUT.png CHARACTER            (the corner names instead of digits)
//   word OUT.png WORDCODE CHAR FULL TAKE [CHAR FULL TAKE]...   (TAKE: digits taken from FULL)
//   keypad OUT.png
// Usage: doc_pictures JOBS.txt OUTDIR
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <cstdio>
#include <vector>

namespace {

const QColor kInk(40, 40, 40);
const QColor kCornerColors[5] = {QColor(214, 48, 49), QColor(9, 132, 227), QColor(0, 148, 50),
                                 QColor(230, 126, 34), QColor(142, 68, 173)};
const QColor kShapeColors[10] = {QColor(142, 68, 173), QColor(214, 48, 49), QColor(230, 126, 34),
                                 QColor(202, 160, 0),  QColor(0, 148, 50),  QColor(0, 150, 136),
                                 QColor(9, 132, 227),  QColor(63, 81, 181), QColor(156, 39, 176),
                                 QColor(121, 85, 72)};

QFont hei(int px, bool bold = false) {
  QFont f(QStringLiteral("WenQuanYi Zen Hei"));
  f.setPixelSize(px);
  f.setBold(bold);
  return f;
}

QFont song(int px) {
  QFont f(QStringLiteral("AR PL UMing CN"));
  f.setPixelSize(px);
  return f;
}

QImage canvas(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

void start(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
}

bool save(const QImage& image, const QString& path) {
  if (!image.save(path, "PNG")) {
    std::fprintf(stderr, "doc_pictures: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

// ---- stroke shapes, drawn in a 100 x 100 box ----

struct Stroke {
  std::vector<QPointF> points;
  bool dot = false;    // a short, heavier stroke
  bool curve = false;  // points are start, control, control, end of one cubic curve
};
struct Form {
  QString caption;
  std::vector<Stroke> strokes;
};

Stroke line(std::initializer_list<QPointF> pts) { return Stroke{pts, false, false}; }
Stroke dot(QPointF a, QPointF b) { return Stroke{{a, b}, true, false}; }
Stroke curve(QPointF a, QPointF c1, QPointF c2, QPointF b) { return Stroke{{a, c1, c2, b}, false, true}; }

std::vector<Form> forms_of(int digit) {
  switch (digit) {
    case 0:
      return {{"撇", {curve({66, 10}, {64, 50}, {50, 74}, {22, 90})}},
              {"竖钩", {line({{56, 10}, {56, 80}, {48, 90}, {34, 80}})}},
              {"横折钩", {line({{16, 20}, {76, 20}, {76, 82}, {68, 90}, {56, 82}})}}};
    case 1:
      return {{"横", {line({{12, 50}, {88, 50}})}},
              {"提", {line({{16, 70}, {84, 30}})}},
              {"右钩", {line({{30, 12}, {30, 66}, {38, 78}, {80, 78}, {86, 60}})}}};
    case 2:
      return {{"竖", {line({{50, 10}, {50, 90}})}},
              {"竖提", {line({{44, 10}, {44, 84}, {80, 62}})}}};
    case 3:
      return {{"点", {dot({40, 28}, {60, 66})}},
              {"捺", {curve({18, 14}, {44, 46}, {60, 72}, {88, 82})}},
              {"亠的点", {dot({46, 12}, {56, 32}), line({{14, 50}, {86, 50}})}}};
    case 4:
      return {{"十", {line({{14, 50}, {86, 50}}), line({{50, 14}, {50, 86}})}},
              {"乂", {line({{20, 16}, {82, 84}}), line({{80, 16}, {18, 84}})}}};
    case 5:
      return {{"扌", {line({{18, 34}, {80, 34}}), line({{54, 10}, {54, 82}, {46, 90}, {34, 84}}),
                      line({{18, 72}, {80, 52}})}},
              {"一笔穿两笔", {line({{18, 36}, {82, 36}}), line({{18, 64}, {82, 64}}),
                             line({{50, 10}, {50, 90}})}}};
    case 6: return {{"口", {line({{22, 22}, {22, 80}}), line({{22, 22}, {78, 22}, {78, 80}}),
                            line({{22, 78}, {78, 78}})}}};
    case 7:
      return {{"横折", {line({{16, 24}, {80, 24}, {80, 86}})}},
              {"竖折", {line({{24, 14}, {24, 76}, {86, 76}})}}};
    case 8:
      return {{"八", {curve({44, 18}, {42, 50}, {32, 72}, {14, 84}), curve({58, 22}, {62, 52}, {74, 72}, {88, 82})}},
              {"人", {curve({52, 10}, {48, 50}, {36, 72}, {14, 88}), line({{50, 40}, {86, 86}})}},
              {"丷", {dot({28, 26}, {40, 50}), dot({72, 26}, {60, 50})}}};
    case 9:
      return {{"小", {line({{50, 10}, {50, 80}, {42, 90}, {32, 84}}), dot({30, 40}, {18, 66}),
                      dot({70, 40}, {84, 64})}},
              {"忄", {line({{52, 10}, {52, 90}}), dot({32, 34}, {36, 60}), dot({70, 34}, {64, 50})}}};
  }
  return {};
}

const char* shape_name(int digit) {
  static const char* names[10] = {"撇钩", "横", "竖", "点捺", "叉", "插", "方块", "角", "八", "小"};
  return names[digit];
}

void draw_form(QPainter& p, const Form& form, QRectF box, const QColor& color) {
  p.save();
  p.translate(box.topLeft());
  p.scale(box.width() / 100.0, box.height() / 100.0);
  for (const auto& s : form.strokes) {
    QPen pen(color, s.dot ? 13 : 8.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    QPainterPath path(s.points.front());
    if (s.curve) path.cubicTo(s.points[1], s.points[2], s.points[3]);
    else for (size_t i = 1; i < s.points.size(); ++i) path.lineTo(s.points[i]);
    p.drawPath(path);
  }
  p.restore();
}

bool draw_shape(const QString& out, int digit) {
  const auto forms = forms_of(digit);
  const int cell = 100, badge = 96;
  QImage image = canvas(badge + cell * static_cast<int>(forms.size()) + 8, 124);
  QPainter p(&image);
  start(p);
  const QColor color = kShapeColors[digit];
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawEllipse(QPointF(44, 44), 32, 32);
  p.setPen(Qt::white);
  p.setFont(hei(40, true));
  p.drawText(QRectF(12, 12, 64, 64), Qt::AlignCenter, QString::number(digit));
  p.setPen(kInk);
  p.setFont(hei(20, true));
  p.drawText(QRectF(0, 84, 88, 30), Qt::AlignCenter, QString::fromUtf8(shape_name(digit)));
  for (size_t i = 0; i < forms.size(); ++i) {
    QRectF frame(badge + cell * i + 6, 6, cell - 12, cell - 12);
    p.setPen(QPen(QColor(225, 225, 225), 1));
    p.setBrush(QColor(250, 250, 247));
    p.drawRoundedRect(frame, 8, 8);
    draw_form(p, forms[i], frame.adjusted(10, 10, -10, -10), kInk);
    p.setPen(QColor(90, 90, 90));
    p.setFont(hei(15));
    p.drawText(QRectF(badge + cell * i, cell - 4, cell, 26), Qt::AlignCenter, forms[i].caption);
  }
  p.end();
  return save(image, out);
}

// ---- a character with its corners ----

bool draw_char(const QString& out, const QString& ch, const QString& code, bool names) {
  const int w = names ? 330 : 250, h = names ? 262 : 262;
  const QRectF sq(names ? 90 : 50, 34, 150, 150);
  QImage image = canvas(w, h);
  QPainter p(&image);
  start(p);
  // The four corner regions, lightly tinted, and the 田 guide lines.
  const QRectF quads[4] = {QRectF(sq.left(), sq.top(), 75, 75), QRectF(sq.center().x(), sq.top(), 75, 75),
                           QRectF(sq.left(), sq.center().y(), 75, 75),
                           QRectF(sq.center().x(), sq.center().y(), 75, 75)};
  for (int i = 0; i < 4; ++i) {
    QColor c = kCornerColors[i];
    c.setAlpha(28);
    p.fillRect(quads[i], c);
  }
  p.setPen(QPen(QColor(200, 160, 160), 1, Qt::DashLine));
  p.drawLine(QPointF(sq.center().x(), sq.top()), QPointF(sq.center().x(), sq.bottom()));
  p.drawLine(QPointF(sq.left(), sq.center().y()), QPointF(sq.right(), sq.center().y()));
  p.setPen(QPen(QColor(190, 120, 120), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawRect(sq);
  p.setPen(kInk);
  p.setFont(song(136));
  p.drawText(sq, Qt::AlignCenter, ch);

  const QString labels[5] = {"左上", "右上", "左下", "右下", "附角"};
  const QPointF corners[5] = {sq.topLeft(), sq.topRight(), sq.bottomLeft(), sq.bottomRight(),
                              QPointF(sq.right() - 22, sq.bottom() - 46)};
  const double dx = names ? 44 : 26, dy = 16;
  const QPointF badges[5] = {sq.topLeft() + QPointF(-dx, -dy), sq.topRight() + QPointF(dx, -dy),
                             sq.bottomLeft() + QPointF(-dx, dy), sq.bottomRight() + QPointF(dx, dy),
                             QPointF(sq.right() + dx, sq.bottom() - 58)};
  const int count = names ? 5 : static_cast<int>(code.size());
  for (int i = 0; i < count; ++i) {
    p.setPen(QPen(kCornerColors[i], 1.5, i == 4 ? Qt::DashLine : Qt::SolidLine));
    p.drawLine(badges[i], corners[i]);
    p.setPen(Qt::NoPen);
    p.setBrush(kCornerColors[i]);
    p.drawEllipse(corners[i], 3.5, 3.5);
    QRectF r = names ? QRectF(badges[i].x() - 27, badges[i].y() - 14, 54, 28)
                     : QRectF(badges[i].x() - 15, badges[i].y() - 15, 30, 30);
    if (names) p.drawRoundedRect(r, 8, 8);
    else p.drawEllipse(r);
    p.setPen(Qt::white);
    p.setFont(names ? hei(16, true) : hei(20, true));
    p.drawText(r, Qt::AlignCenter, names ? labels[i] : code.mid(i, 1));
  }
  // The code below, each digit in its corner's colour.
  p.setFont(hei(26, true));
  QFontMetrics fm(p.font());
  QString shown = names ? QString() : code;
  if (names) {
    p.setPen(kInk);
    p.setFont(hei(16));
    p.drawText(QRectF(0, h - 40, w, 30), Qt::AlignCenter,
               QStringLiteral("左上 → 右上 → 左下 → 右下 → 附角"));
  } else {
    const int step = 24;
    double x = (w - step * shown.size()) / 2.0;
    for (int i = 0; i < shown.size(); ++i) {
      p.setPen(kCornerColors[i]);
      p.drawText(QRectF(x + step * i, h - 44, step, 36), Qt::AlignCenter, shown.mid(i, 1));
    }
  }
  p.end();
  return save(image, out);
}

// ---- a word code ----

struct WordPart {
  QString ch, full, take;
};

bool draw_word(const QString& out, const QString& word_code, const std::vector<WordPart>& parts) {
  const int cell = 92, left = 16;
  const int n = static_cast<int>(parts.size());
  const int w = left + cell * n + 200, h = 178;
  QImage image = canvas(w, h);
  QPainter p(&image);
  start(p);
  const QColor take_color(214, 48, 49), rest_color(175, 175, 175);
  for (int i = 0; i < n; ++i) {
    const double x = left + cell * i;
    QRectF box(x + 12, 10, cell - 24, cell - 24);
    p.setPen(QPen(QColor(190, 120, 120), 1.5));
    p.setBrush(QColor(252, 249, 240));
    p.drawRect(box);
    p.setPen(kInk);
    p.setFont(song(56));
    p.drawText(box, Qt::AlignCenter, parts[i].ch);
    // Full code: the digits taken in red, the rest in grey.
    p.setFont(hei(19, true));
    const int step = 13;
    const QString& full = parts[i].full;
    double fx = x + (cell - step * full.size()) / 2.0;
    for (int k = 0; k < full.size(); ++k) {
      p.setPen(k < parts[i].take.size() ? take_color : rest_color);
      p.drawText(QRectF(fx + step * k, 84, step, 26), Qt::AlignCenter, full.mid(k, 1));
    }
    p.setPen(QPen(QColor(214, 48, 49, 120), 1.5));
    p.drawLine(QPointF(x + cell / 2.0, 112), QPointF(x + cell / 2.0, 126));
    p.setPen(take_color);
    p.setFont(hei(22, true));
    p.drawText(QRectF(x, 126, cell, 30), Qt::AlignCenter, parts[i].take);
    if (i + 1 < n) {
      p.setPen(QColor(120, 120, 120));
      p.drawText(QRectF(x + cell - 10, 126, 20, 30), Qt::AlignCenter, QStringLiteral("+"));
    }
  }
  const double rx = left + cell * n + 6;
  p.setPen(QColor(120, 120, 120));
  p.setFont(hei(28, true));
  p.drawText(QRectF(rx, 122, 34, 36), Qt::AlignCenter, QStringLiteral("→"));
  QRectF result(rx + 40, 118, 146, 44);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(214, 48, 49));
  p.drawRoundedRect(result, 10, 10);
  p.setPen(Qt::white);
  p.setFont(hei(28, true));
  p.drawText(result, Qt::AlignCenter, word_code);
  p.setPen(QColor(120, 120, 120));
  p.setFont(hei(15));
  p.drawText(QRectF(rx + 40, 84, 146, 26), Qt::AlignCenter, QStringLiteral("词码"));
  p.end();
  return save(image, out);
}

// ---- the numeric keypad ----

bool draw_keypad(const QString& out) {
  QImage image = canvas(660, 372);
  QPainter p(&image);
  start(p);
  const int k = 62, g = 8, ox = 20, oy = 22;
  struct Key {
    QString label;
    int col, row, cols, rows;
    QColor color;
  };
  const QColor digit(214, 234, 248), end_char(250, 219, 216), end_word(252, 228, 196),
      page(213, 245, 227), edit(232, 232, 232), idle(245, 245, 245);
  const std::vector<Key> keys = {
      {"Num", 0, 0, 1, 1, idle}, {"/", 1, 0, 1, 1, end_char}, {"*", 2, 0, 1, 1, end_word},
      {"-", 3, 0, 1, 1, page},   {"7", 0, 1, 1, 1, digit},    {"8", 1, 1, 1, 1, digit},
      {"9", 2, 1, 1, 1, digit},  {"+", 3, 1, 1, 2, page},     {"4", 0, 2, 1, 1, digit},
      {"5", 1, 2, 1, 1, digit},  {"6", 2, 2, 1, 1, digit},    {"1", 0, 3, 1, 1, digit},
      {"2", 1, 3, 1, 1, digit},  {"3", 2, 3, 1, 1, digit},    {"Enter", 3, 3, 1, 2, edit},
      {"0", 0, 4, 2, 1, digit},  {".", 2, 4, 1, 1, edit}};
  for (const auto& key : keys) {
    QRectF r(ox + key.col * (k + g), oy + key.row * (k + g), key.cols * k + (key.cols - 1) * g,
             key.rows * k + (key.rows - 1) * g);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 190, 190));
    p.drawRoundedRect(r.translated(0, 3), 9, 9);
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.setBrush(key.color);
    p.drawRoundedRect(r, 9, 9);
    p.setPen(kInk);
    p.setFont(hei(key.label.size() > 1 ? 16 : 26, true));
    p.drawText(r, Qt::AlignCenter, key.label);
  }
  // The legend.
  struct Line {
    QColor color;
    QString key, text;
  };
  const std::vector<Line> legend = {
      {digit, "0～9", "输入编码；有候选时选字"},
      {end_char, "/", "字的编码结束（训练时：确认）"},
      {end_word, "*", "词的编码结束"},
      {page, "+", "候选下一页"},
      {page, "-", "候选上一页（训练时：删去一位）"},
      {edit, ".", "退格：删去一位或撤回一个字"},
      {edit, "Enter", "和空格一样：结束编码或选 0 号"},
  };
  const int lx = ox + 4 * (k + g) + 24;
  for (size_t i = 0; i < legend.size(); ++i) {
    const double y = oy + 6 + i * 46;
    QRectF sw(lx, y, 58, 32);
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.setBrush(legend[i].color);
    p.drawRoundedRect(sw, 6, 6);
    p.setPen(kInk);
    p.setFont(hei(legend[i].key.size() > 2 ? 14 : 18, true));
    p.drawText(sw, Qt::AlignCenter, legend[i].key);
    p.setFont(hei(16));
    p.drawText(QRectF(lx + 70, y, 260, 32), Qt::AlignVCenter | Qt::AlignLeft, legend[i].text);
  }
  p.end();
  return save(image, out);
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: doc_pictures JOBS.txt OUTDIR\n");
    return 2;
  }
  QFile file(QString::fromLocal8Bit(argv[1]));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    std::fprintf(stderr, "doc_pictures: cannot read %s\n", argv[1]);
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[2]) + "/";
  QTextStream in(&file);
  in.setEncoding(QStringConverter::Utf8);
  bool ok = true;
  while (!in.atEnd()) {
    const QStringList f = in.readLine().split(' ', Qt::SkipEmptyParts);
    if (f.isEmpty() || f[0].startsWith('#')) continue;
    const QString out = dir + f.value(1);
    if (f[0] == "shape" && f.size() == 3) ok &= draw_shape(out, f[2].toInt());
    else if (f[0] == "char" && f.size() == 4) ok &= draw_char(out, f[2], f[3], false);
    else if (f[0] == "corners" && f.size() == 3) ok &= draw_char(out, f[2], QString(), true);
    else if (f[0] == "keypad" && f.size() == 2) ok &= draw_keypad(out);
    else if (f[0] == "word" && f.size() >= 6 && (f.size() - 3) % 3 == 0) {
      std::vector<WordPart> parts;
      for (int i = 3; i + 2 < f.size(); i += 3) parts.push_back({f[i], f[i + 1], f[i + 2]});
      ok &= draw_word(out, f[2], parts);
    } else {
      std::fprintf(stderr, "doc_pictures: bad job: %s\n", qPrintable(f.join(' ')));
      ok = false;
    }
  }
  return ok ? 0 : 1;
}

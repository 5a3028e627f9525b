// Draws the one picture of the tutorial that shows no strokes, the numeric keypad (the shapes,
// characters and word codes are drawn from the stroke data by make_drill_pictures). Reads one job
// per line from a file made by build_chm.py:
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

QFont hei(int px, bool bold = false) {
  QFont f(QStringLiteral("WenQuanYi Zen Hei"));
  f.setPixelSize(px);
  f.setBold(bold);
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
    if (f[0] == "keypad" && f.size() == 2) {
      ok &= draw_keypad(out);
    } else {
      std::fprintf(stderr, "doc_pictures: bad job: %s\n", qPrintable(f.join(' ')));
      ok = false;
    }
  }
  return ok ? 0 : 1;
}

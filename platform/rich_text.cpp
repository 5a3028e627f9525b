// Rich text into QTextDocument: paragraphs with alignment, runs with their character formats.
#include "platform/rich_text.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <stdexcept>

#include "common/data_path.h"
#include "common/rtf.h"
#include "common/safe_file.h"
#include "platform/fonts.h"
#include "platform/qt_text.h"

namespace tavrel {
namespace {

// Noto CJK's lines are 1.45 em high; the panels were laid out for 宋体's 1.13 em. At 85 % the
// lines are 1.23 em: the texts fit their boxes and the lines still stand apart.
constexpr qreal kLinePercent = 85;

Qt::Alignment alignment_of(RtfAlign align) {
  switch (align) {
    case RtfAlign::Center:
      return Qt::AlignHCenter;
    case RtfAlign::Right:
      return Qt::AlignRight;
    case RtfAlign::Justify:
      return Qt::AlignJustify;
    case RtfAlign::Left:
      break;
  }
  return Qt::AlignLeft;
}

QTextCharFormat format_of(const RtfStyle& style, const QFont& base_font) {
  QTextCharFormat format;
  QFont font = base_font;
  if (!style.font_name.empty())
    font.setFamily(font_family(QString::fromStdString(style.font_name)));
  // Half points at 96 dots per inch: px = half_points / 2 * 96 / 72.
  if (style.font_half_points > 0) font.setPixelSize(std::max(1, style.font_half_points * 2 / 3));
  font.setBold(style.bold);
  font.setItalic(style.italic);
  font.setUnderline(style.underline);
  format.setFont(font);
  if (style.color) {
    std::uint32_t c = *style.color;
    format.setForeground(QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
  }
  return format;
}

std::string read_file_bytes(std::string_view path) {
  return read_regular_file(resolve_path(path), file_limits::kDocument);
}

}  // namespace

void fill_document(QTextDocument& document, std::string_view bytes, const QFont& base_font) {
  document.clear();
  document.setDefaultFont(base_font);
  QTextCursor cursor(&document);
  if (!looks_like_rtf(bytes)) {
    QString text = from_gbk(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    cursor.insertText(text);
    return;
  }
  RtfDocument rtf = parse_rtf(bytes);
  bool first = true;
  for (const auto& paragraph : rtf.paragraphs) {
    QTextBlockFormat block;
    block.setAlignment(alignment_of(paragraph.align));
    block.setLineHeight(kLinePercent, QTextBlockFormat::ProportionalHeight);
    if (first)
      cursor.setBlockFormat(block);
    else
      cursor.insertBlock(block);
    first = false;
    for (const auto& run : paragraph.runs)
      cursor.insertText(QString::fromStdString(run.text), format_of(run.style, base_font));
  }
}

void load_rich_text(QTextEdit& box, std::string_view path) {
  std::string bytes = read_file_bytes(path);
  fill_document(*box.document(), bytes, box.font());
  box.moveCursor(QTextCursor::Start);
}

}  // namespace tavrel

// Checks our ".rtf" documents the way the program shows them: parses each with the program's RTF
// reader, prints its plain text, lays it out in a text box like the explanation panel (473 x 353,
// 宋体 16 px, no scroll bars) or the help window (544 x 384, 宋体 14 px, vertical scroll bar) and
// writes a picture of the box. Exits with 1 when a panel text does not fit without scrolling.
//
// Usage: rtf_check [--panel|--help] [--png OUT.png] [--quiet] FILE.rtf
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextEdit>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "common/rtf.h"
#include "platform/fonts.h"
#include "platform/rich_text.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  bool panel = true, quiet = false;
  std::string png, file;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--panel") panel = true;
    else if (a == "--help") panel = false;
    else if (a == "--quiet") quiet = true;
    else if (a == "--png" && i + 1 < argc) png = argv[++i];
    else file = a;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "rtf_check: cannot read %s\n", file.c_str());
    return 2;
  }
  std::ostringstream bytes;
  bytes << in.rdbuf();
  const std::string text = bytes.str();
  if (!tavrel::looks_like_rtf(text)) {
    std::fprintf(stderr, "rtf_check: %s is not RTF\n", file.c_str());
    return 2;
  }
  tavrel::RtfDocument doc = tavrel::parse_rtf(text);
  const std::string plain = doc.plain_text();
  if (plain.find("\xEF\xBF\xBD") != std::string::npos) {
    std::fprintf(stderr, "rtf_check: %s holds bytes that are not GBK\n", file.c_str());
    return 2;
  }
  if (!quiet) std::cout << plain << "\n";

  // The box as the windows build it (app/UnitSM.cpp, article/test_help.cpp).
  const int width = panel ? 473 : 544, height = panel ? 353 : 384;
  QTextEdit box;
  box.setFixedSize(width, height);
  box.setReadOnly(true);
  box.setFont(tavrel::song_font(panel ? 16 : 14));
  if (panel) {
    box.setFrameShape(QFrame::NoFrame);
    box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
    box.setPalette(palette);
  } else {
    box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  }
  box.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  tavrel::fill_document(*box.document(), text, box.font());
  box.show();
  QApplication::processEvents();
  const int text_width = box.viewport()->width();
  box.document()->setTextWidth(text_width);
  const int doc_height = static_cast<int>(std::ceil(box.document()->size().height()));
  const int limit = box.viewport()->height();
  const std::string name = file.substr(file.find_last_of('/') + 1);
  std::printf("%s: %d paragraphs, text width %d, document height %d of %d visible%s\n",
              name.c_str(), static_cast<int>(doc.paragraphs.size()), text_width, doc_height, limit,
              doc_height <= limit ? "" : (panel ? " (does not fit)" : " (scrolls)"));

  if (!png.empty()) {
    // The whole document on the box's ground, with a red line where the box ends.
    const int h = std::max(height, doc_height);
    QImage image(width, h, QImage::Format_RGB32);
    image.fill(box.palette().color(QPalette::Base));
    QPainter painter(&image);
    QTextDocument* d = box.document();
    d->drawContents(&painter, QRectF(0, 0, text_width, h));
    painter.setPen(QPen(Qt::red, 1, Qt::DashLine));
    painter.drawLine(0, limit, width, limit);
    painter.end();
    image.save(QString::fromStdString(png));
  }
  return panel && doc_height > limit ? 1 : 0;
}

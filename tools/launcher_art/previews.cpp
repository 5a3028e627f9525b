// The five preview pictures shown beside the launcher menu, one per entry.
#include "previews.h"

#include <QLinearGradient>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <stdexcept>

#include "art_style.h"
#include "illustrations.h"

namespace tavrel::art {
namespace {

constexpr double kMargin = 16;
constexpr double kHeadingHeight = 68;
const QRectF kIllustrationArea(kMargin, kHeadingHeight + 12, kPreviewSize.width() - 2 * kMargin,
                               150);
constexpr double kTextTop = kHeadingHeight + 12 + 150 + 14;

using IllustrationFn = void (*)(QPainter&, const QRectF&, const QColor&);

struct PreviewContent {
  QString title;
  QString subtitle;
  QColor accent;
  IllustrationFn illustration;
  QStringList points;
};

PreviewContent content_for(int entry) {
  switch (entry) {
    case 1:
      return {QStringLiteral("入门教程"),
              QStringLiteral("系统学习Tavrel码的编码规则"),
              entry_accent(1),
              draw_tutorial_illustration,
              {QStringLiteral("帮助文档形式的教程，分六课由浅入深"),
               QStringLiteral("十种笔形：一首口诀记住十个数字"),
               QStringLiteral("四个角和附角：每个字五位全码"),
               QStringLiteral("全码、简码和词编码，例子都取自码表"),
               QStringLiteral("学习中随时可以打开查阅")}};
    case 2:
      return {
          QStringLiteral("键盘热身"),
          QStringLiteral("先让手指熟悉小键盘"),
          entry_accent(2),
          draw_warmup_illustration,
          {QStringLiteral("两种热身游戏：古典式和趣味式"),
           QStringLiteral("经典式：看到什么数字，就敲什么数字"),
           QStringLiteral("趣味式（打兔子）：十六个洞按小键盘排列，兔子从哪个洞钻出，就敲哪个键"),
           QStringLiteral("一分钟到五分钟的计时"), QStringLiteral("成绩记入排行榜")}};
    case 3:
      return {QStringLiteral("字词训练"),
              QStringLiteral("三页十二项，从笔形到多字词"),
              entry_accent(3),
              draw_drill_illustration,
              {QStringLiteral("基本编码：简单、较难、彩色字"),
               QStringLiteral("字编码：全码字、稍难字、一键简码、二键简码"),
               QStringLiteral("词编码：二字词、三字词、四字词、一键词、多字词"),
               QStringLiteral("按F1看编码，字还能看“编码图解”"),
               QStringLiteral("每个项目记下最高速度和记录保持者")}};
    case 4:
      return {QStringLiteral("文章练习"),
              QStringLiteral("整篇文章，实打实地练速度"),
              entry_accent(4),
              draw_article_illustration,
              {QStringLiteral("选一篇文章，按词库编码从头打到尾"),
               QStringLiteral("全程计时，边打边看速度"),
               QStringLiteral("自动标出文中的词语，提示用词码输入"),
               QStringLiteral("打完生成测试报告，列出打错的字"),
               QStringLiteral("成绩优秀可进入前十名榜单")}};
    case 5:
      return {QStringLiteral("在线交流"),
              QStringLiteral("访问本软件的网页"),
              entry_accent(5),
              draw_online_illustration,
              {QStringLiteral("用浏览器打开本软件的网页"),
               QStringLiteral("了解Tavrel码和本软件的更多内容"),
               QStringLiteral("与其他学习者交流学习心得"), QStringLiteral("需要连接互联网")}};
    default:
      throw std::out_of_range("preview entry must be 1 to 5");
  }
}

void draw_page(QPainter& p) {
  QLinearGradient paper(0, 0, 0, kPreviewSize.height());
  paper.setColorAt(0.0, Qt::white);
  paper.setColorAt(1.0, QColor(0xf1, 0xf5, 0xfa));
  p.fillRect(QRect(QPoint(0, 0), kPreviewSize), paper);
  p.setPen(QPen(QColor(0xc5, 0xd3, 0xe3), 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, kPreviewSize.width() - 1, kPreviewSize.height() - 1));
}

void draw_heading(QPainter& p, int entry, const PreviewContent& c) {
  const QRectF band(0, 0, kPreviewSize.width(), kHeadingHeight);
  QLinearGradient fill(band.topLeft(), band.bottomRight());
  fill.setColorAt(0.0, c.accent.darker(115));
  fill.setColorAt(1.0, c.accent.lighter(125));
  p.fillRect(band, fill);

  const QRectF badge(kMargin, 14, 40, 40);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 235));
  p.drawEllipse(badge);
  draw_centred(p, badge, QString::number(entry), hei_font(24, true), c.accent.darker(110));

  p.save();
  p.setPen(Qt::white);
  p.setFont(hei_font(24, true));
  p.drawText(QRectF(badge.right() + 12, 10, 220, 32), Qt::AlignLeft | Qt::AlignVCenter, c.title);
  p.setFont(hei_font(13));
  p.setPen(QColor(255, 255, 255, 225));
  p.drawText(QRectF(badge.right() + 12, 40, 220, 20), Qt::AlignLeft | Qt::AlignVCenter, c.subtitle);
  p.restore();
}

void draw_points(QPainter& p, const PreviewContent& c) {
  const QFont font = hei_font(14);
  constexpr double kBulletIndent = 14;
  constexpr double kLineSpacing = 1.2;
  const double text_width = kIllustrationArea.width() - kBulletIndent;
  // Fewer or shorter points are spread out a little so the page does not end in a blank band.
  double text_height = 0;
  for (const QString& point : c.points) {
    text_height += wrapped_height(text_width, point, font, kLineSpacing);
  }
  const double room = kPreviewSize.height() - kMargin - kTextTop - text_height;
  const double gap = std::clamp(room / std::max<qsizetype>(1, c.points.size()), 5.0, 12.0);

  double y = kTextTop;
  for (const QString& point : c.points) {
    p.setPen(Qt::NoPen);
    p.setBrush(c.accent);
    p.drawRoundedRect(QRectF(kMargin + 1, y + 6, 6, 6), 1.5, 1.5);
    y += draw_wrapped(p, {kMargin + kBulletIndent, y}, text_width, point, font, colours::kInk,
                      kLineSpacing);
    y += gap;
  }
}

}  // namespace

QImage draw_preview(int entry) {
  const PreviewContent content = content_for(entry);
  QImage image(kPreviewSize, QImage::Format_RGB32);
  QPainter p(&image);
  prepare_painter(p);
  draw_page(p);
  draw_heading(p, entry, content);
  content.illustration(p, kIllustrationArea, content.accent);
  draw_points(p, content);
  return image;
}

}  // namespace tavrel::art

// The Windows font names map to installed faces whose Latin letters and digits read right.
#include "platform/fonts.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>

namespace tavrel {
namespace {

QImage drawn(const QString& text, const QFont& font) {
  QImage image(80, 32, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignVCenter, text);
  return image;
}

TEST(Fonts, SongAndHeiAreTheInstalledNotoFaces) {
  EXPECT_EQ(QFontInfo(song_font(16)).family(), QStringLiteral("Noto Serif CJK SC"));
  EXPECT_EQ(QFontInfo(hei_font(16)).family(), QStringLiteral("Noto Sans CJK SC"));
  EXPECT_EQ(font_family(QStringLiteral("SimSun")), font_family(QStringLiteral("宋体")));
  EXPECT_EQ(font_family(QStringLiteral("Arial")), QStringLiteral("Arial"));
}

TEST(Fonts, TheProgramsNameDoesNotReadTavre1) {
  for (const QFont& font : {song_font(12), song_font(16), hei_font(16)}) {
    EXPECT_NE(drawn(QStringLiteral("l"), font), drawn(QStringLiteral("1"), font))
        << font.family().toStdString();
    EXPECT_NE(drawn(QStringLiteral("O"), font), drawn(QStringLiteral("0"), font))
        << font.family().toStdString();
  }
}

TEST(Fonts, BoldIsARealBoldFace) {
  QFont bold = song_font(19);
  bold.setBold(true);
  const QFontInfo info(bold);
  EXPECT_EQ(info.family(), QStringLiteral("Noto Serif CJK SC"));
  EXPECT_EQ(info.styleName(), QStringLiteral("Bold"));
}

}  // namespace
}  // namespace tavrel

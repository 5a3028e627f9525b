// The documents shipped in the data tree load through the program's reader and fit their windows.
#include <gtest/gtest.h>

#include <QTextDocument>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/rtf.h"
#include "platform/fonts.h"
#include "platform/rich_text.h"

namespace tavrel {
namespace {

const std::filesystem::path kData = TAVREL_DATA_DIR;

std::string read_bytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

// The height the text takes in the explanation panel: 473 pixels wide, 宋体 16 px, no margin.
qreal panel_height(const std::string& bytes) {
  QTextDocument doc;
  doc.setDocumentMargin(0);
  fill_document(doc, bytes, song_font(16));
  doc.setTextWidth(473);
  return doc.size().height();
}

TEST(ShippedDocuments, ExplanationTextsAreRichTextAndFitThePanel) {
  for (const char* name : {"base.rtf", "single.rtf", "word.rtf"}) {
    std::string bytes = read_bytes(kData / "files" / name);
    ASSERT_FALSE(bytes.empty()) << name;
    EXPECT_TRUE(looks_like_rtf(bytes)) << name;
    QTextDocument doc;
    fill_document(doc, bytes, song_font(16));
    EXPECT_GT(doc.toPlainText().size(), 100) << name;
    EXPECT_FALSE(doc.toPlainText().contains(QChar(0xFFFD))) << name << ": undecodable bytes";
    EXPECT_LE(panel_height(bytes), 353) << name << " needs scrolling in the panel";
  }
}

TEST(ShippedDocuments, HelpTextsNameTheKeysTheyExplain) {
  QTextDocument doc;
  fill_document(doc, read_bytes(kData / "files/tvm.rtf"), song_font(14));
  QString keys = doc.toPlainText();
  EXPECT_FALSE(keys.contains(QChar(0xFFFD)));
  for (const char* key : {"/", "*", "+", "-"}) EXPECT_TRUE(keys.contains(QString(key))) << key;
  fill_document(doc, read_bytes(kData / "files/tvmsm.rtf"), song_font(14));
  QString drills = doc.toPlainText();
  for (const char* button : {"开始", "暂停", "设置", "高手", "退出"})
    EXPECT_TRUE(drills.contains(QString::fromUtf8(button))) << button;
}

TEST(ShippedDocuments, CompiledHelpFilesArePresent) {
  for (const char* name : {"course.chm", "readme.chm"}) {
    std::string bytes = read_bytes(kData / name);
    ASSERT_GE(bytes.size(), 4u) << name;
    EXPECT_EQ(bytes.substr(0, 4), "ITSF") << name << " is not a compiled help file";
  }
}

}  // namespace
}  // namespace tavrel

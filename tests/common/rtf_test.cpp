// Tests for the RTF reader: WordPad documents, encodings, styles, and hostile input.
#include "common/rtf.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "common/gbk.h"

namespace tavrel {

// Readable failure messages for style comparisons.
void PrintTo(const RtfStyle& s, std::ostream* os) {
  *os << "{b=" << s.bold << " i=" << s.italic << " u=" << s.underline
      << " fs=" << s.font_half_points << " color=";
  if (s.color) {
    *os << std::hex << *s.color << std::dec;
  } else {
    *os << "none";
  }
  *os << " font='" << s.font_name << "'}";
}

namespace {

const std::string kReplacement = "\xEF\xBF\xBD";

bool is_valid_utf8(const std::string& s) {
  for (std::size_t i = 0; i < s.size();) {
    auto lead = static_cast<unsigned char>(s[i]);
    std::size_t n = lead < 0x80           ? 1
                    : (lead >> 5) == 0x6  ? 2
                    : (lead >> 4) == 0xE  ? 3
                    : (lead >> 3) == 0x1E ? 4
                                          : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (std::size_t k = 1; k < n; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += n;
  }
  return true;
}

std::vector<std::string> paragraph_texts(const RtfDocument& doc) {
  std::vector<std::string> out;
  for (const RtfParagraph& p : doc.paragraphs) {
    std::string text;
    for (const RtfRun& run : p.runs) text += run.text;
    out.push_back(text);
  }
  return out;
}

RtfStyle song(int half_points) {
  RtfStyle s;
  s.font_half_points = half_points;
  s.font_name = "宋体";
  return s;
}

// --- A document as Chinese WordPad saves it ---

TEST(RtfWordPadTest, ReadsChineseDocumentWithStyledRuns) {
  const std::string rtf =
      std::string(R"({\rtf1\ansi\ansicpg936\deff0\nouicompat\deflang1033\deflangfe2052)") +
      R"({\fonttbl{\f0\fnil\fcharset134 \'cb\'ce\'cc\'e5;}{\f1\fswiss\fcharset0 Arial;}})" +
      "\r\n" + R"({\colortbl ;\red255\green0\blue0;\red0\green128\blue255;})" + "\r\n" +
      R"({\*\generator Riched20 10.0.19041}\viewkind4\uc1 )" + "\r\n" +
      R"(\pard\sa200\sl276\slmult1\lang2052\f0\fs32\'d6\'d0\'ce\'c4 )" +
      R"(\b\'bc\'d3\'b4\'d6\b0  abc \ul\'cf\'c2\'bb\'ae\ulnone\par)" + "\r\n" +
      R"(\cf1\'ba\'ec\cf0 X\cf2 Y\cf0\f1\fs20 Latin\par)" + "\r\n}\r\n" + std::string(1, '\0');

  RtfDocument doc = parse_rtf(rtf);

  ASSERT_EQ(doc.paragraphs.size(), 2u);
  const auto& first = doc.paragraphs[0].runs;
  ASSERT_EQ(first.size(), 4u);
  EXPECT_EQ(first[0].text, "中文 ");
  EXPECT_EQ(first[0].style, song(32));
  EXPECT_EQ(first[1].text, "加粗");
  RtfStyle bold = song(32);
  bold.bold = true;
  EXPECT_EQ(first[1].style, bold);
  EXPECT_EQ(first[2].text, " abc ");
  EXPECT_EQ(first[2].style, song(32));
  EXPECT_EQ(first[3].text, "下划");
  RtfStyle underlined = song(32);
  underlined.underline = true;
  EXPECT_EQ(first[3].style, underlined);

  const auto& second = doc.paragraphs[1].runs;
  ASSERT_EQ(second.size(), 4u);
  EXPECT_EQ(second[0].text, "红");
  EXPECT_EQ(second[0].style.color, std::optional<std::uint32_t>(0x0000FF));
  EXPECT_EQ(second[1].text, "X");
  EXPECT_EQ(second[1].style, song(32));  // \cf0 is the empty entry: default colour
  EXPECT_EQ(second[2].text, "Y");
  EXPECT_EQ(second[2].style.color, std::optional<std::uint32_t>(0xFF8000));
  EXPECT_EQ(second[3].text, "Latin");
  EXPECT_EQ(second[3].style.font_name, "Arial");
  EXPECT_EQ(second[3].style.font_half_points, 20);
  EXPECT_FALSE(second[3].style.color.has_value());

  EXPECT_EQ(doc.plain_text(), "中文 加粗 abc 下划\n红XYLatin");
  EXPECT_TRUE(looks_like_rtf(rtf));
}

TEST(RtfWordPadTest, GbkTextBuiltWithTheEncoderRoundTrips) {
  const std::string chinese = "数字码输入法：练习一、二、三。";
  std::string escaped;
  for (unsigned char byte : gbk_from_utf8(chinese)) {
    static const char kHex[] = "0123456789abcdef";
    escaped += "\\'";
    escaped += kHex[byte >> 4];
    escaped += kHex[byte & 0xF];
  }
  RtfDocument doc = parse_rtf("{\\rtf1\\ansi\\ansicpg936 " + escaped + "\\par}");
  EXPECT_EQ(doc.plain_text(), chinese);
}

// --- Code pages ---

TEST(RtfEncodingTest, DecodesHexBytesTogether) {
  EXPECT_EQ(parse_rtf(R"({\rtf1 \'d6\'d0\'ce\'c4})").plain_text(), "中文");
  EXPECT_EQ(parse_rtf(R"({\rtf1 ab\'b0\'a1cd})").plain_text(), "ab啊cd");
  // A trail byte in the printable range may be written as a plain character.
  EXPECT_EQ(parse_rtf(R"({\rtf1 \'b0A})").plain_text(), "\xE7\x99\x86");  // U+7646
  // Raw eight-bit GBK in the file is read the same way.
  EXPECT_EQ(parse_rtf("{\\rtf1 \xD6\xD0}").plain_text(), "中");
}

TEST(RtfEncodingTest, BrokenDoubleByteBecomesReplacement) {
  EXPECT_EQ(parse_rtf(R"({\rtf1 {\'d6}x})").plain_text(), kReplacement + "x");
  EXPECT_EQ(parse_rtf(R"({\rtf1 \'d6\par y})").plain_text(), kReplacement + "\ny");
}

TEST(RtfEncodingTest, AnsiCodePageSelectsDecoding) {
  EXPECT_EQ(parse_rtf(R"({\rtf1\ansi\ansicpg1252 caf\'e9})").plain_text(), "café");
  EXPECT_EQ(parse_rtf(R"({\rtf1\ansi\ansicpg1251 \'c4\'e0})").plain_text(), "Да");
  // A code page this reader does not take falls back to GBK.
  EXPECT_EQ(parse_rtf(R"({\rtf1\ansi\ansicpg37 a\'d6\'d0})").plain_text(), "a中");
}

TEST(RtfEncodingTest, FontCharsetOverridesDocumentCodePage) {
  // English WordPad writes Chinese in a GB2312-charset font inside a 1252 document.
  const std::string rtf = R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0\fnil\fcharset0 Arial;})"
                          R"({\f1\fnil\fcharset134 \'cb\'ce\'cc\'e5;}}\f1\'d6\'d0\f0 \'e9})";
  RtfDocument doc = parse_rtf(rtf);
  ASSERT_EQ(doc.paragraphs.size(), 1u);
  const auto& runs = doc.paragraphs[0].runs;
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].text, "中");
  EXPECT_EQ(runs[0].style.font_name, "宋体");
  EXPECT_EQ(runs[1].text, "é");
  EXPECT_EQ(runs[1].style.font_name, "Arial");
}

// --- \uN ---

TEST(RtfUnicodeTest, SkipsReplacementCharacters) {
  EXPECT_EQ(parse_rtf(R"({\rtf1\uc1 \u20013?\u25991?})").plain_text(), "中文");
  EXPECT_EQ(parse_rtf(R"({\rtf1\uc2 \u20013\'d6\'d0x})").plain_text(), "中x");
  EXPECT_EQ(parse_rtf(R"({\rtf1\uc0 \u20013x})").plain_text(), "中x");
  // Without \uc one replacement character is skipped; a \'hh counts as one.
  EXPECT_EQ(parse_rtf(R"({\rtf1 \u20013?x})").plain_text(), "中x");
  EXPECT_EQ(parse_rtf(R"({\rtf1 \u20013\'3fA})").plain_text(), "中A");
}

TEST(RtfUnicodeTest, NegativeValuesAndSurrogates) {
  EXPECT_EQ(parse_rtf(R"({\rtf1 \u-24691?})").plain_text(), "龍");  // U+9F8D
  EXPECT_EQ(parse_rtf(R"({\rtf1 \u-10179?\u-8704?})").plain_text(), "\xF0\x9F\x98\x80");
  EXPECT_EQ(parse_rtf(R"({\rtf1 \u-10179?a})").plain_text(), kReplacement + "a");
  EXPECT_EQ(parse_rtf(R"({\rtf1 \u-8704?b})").plain_text(), kReplacement + "b");
  EXPECT_EQ(parse_rtf(R"({\rtf1 \u-10179?})").plain_text(), kReplacement);
}

TEST(RtfUnicodeTest, SkipCountIsScopedByGroups) {
  EXPECT_EQ(parse_rtf(R"({\rtf1 {\uc2 \u20013??}\u20013?x})").plain_text(), "中中x");
  // Skipping stops where the group ends.
  EXPECT_EQ(parse_rtf(R"({\rtf1 {\uc3 \u20013}ab})").plain_text(), "中ab");
}

// --- Character and paragraph properties ---

TEST(RtfStyleTest, GroupsScopeCharacterProperties) {
  RtfDocument doc = parse_rtf(R"({\rtf1 a{\b b{\i c}d}e})");
  ASSERT_EQ(doc.paragraphs.size(), 1u);
  const auto& runs = doc.paragraphs[0].runs;
  ASSERT_EQ(runs.size(), 5u);
  const std::vector<std::pair<bool, bool>> bold_italic = {
      {false, false}, {true, false}, {true, true}, {true, false}, {false, false}};
  for (std::size_t i = 0; i < runs.size(); ++i) {
    EXPECT_EQ(runs[i].text, std::string(1, static_cast<char>('a' + i)));
    EXPECT_EQ(runs[i].style.bold, bold_italic[i].first) << i;
    EXPECT_EQ(runs[i].style.italic, bold_italic[i].second) << i;
  }
}

TEST(RtfStyleTest, TogglesAndPlainResetProperties) {
  RtfDocument doc = parse_rtf(R"({\rtf1{\colortbl;\red0\green0\blue255;}\b\i\ul\fs40\cf1 a\plain b)"
                              R"(\ul c\ul0 d\uldb e\ulnone f\b1 g\b0 h\i1 j\i0 k\v hidden\v0 l})");
  ASSERT_EQ(doc.paragraphs.size(), 1u);
  const auto& runs = doc.paragraphs[0].runs;
  EXPECT_EQ(runs[0].text, "a");
  EXPECT_EQ(runs[0].style.font_half_points, 40);
  EXPECT_EQ(runs[0].style.color, std::optional<std::uint32_t>(0xFF0000));
  struct Expected {
    std::string text;
    bool bold, italic, underline;
  };
  // Hidden text leaves no trace, so k and l share a run.
  const std::vector<Expected> expected = {{"a", true, true, true},   {"b", false, false, false},
                                          {"c", false, false, true}, {"d", false, false, false},
                                          {"e", false, false, true}, {"f", false, false, false},
                                          {"g", true, false, false}, {"h", false, false, false},
                                          {"j", false, true, false}, {"kl", false, false, false}};
  ASSERT_EQ(runs.size(), expected.size());
  for (std::size_t i = 1; i < runs.size(); ++i) {
    EXPECT_EQ(runs[i].text, expected[i].text);
    EXPECT_EQ(runs[i].style.bold, expected[i].bold) << expected[i].text;
    EXPECT_EQ(runs[i].style.italic, expected[i].italic) << expected[i].text;
    EXPECT_EQ(runs[i].style.underline, expected[i].underline) << expected[i].text;
    EXPECT_EQ(runs[i].style.font_half_points, 0) << expected[i].text;
    EXPECT_FALSE(runs[i].style.color.has_value()) << expected[i].text;
  }
  EXPECT_TRUE(runs[0].style.bold && runs[0].style.italic && runs[0].style.underline);
}

TEST(RtfStyleTest, EqualStylesShareOneRun) {
  RtfDocument doc = parse_rtf(R"({\rtf1 ab{\b0 cd}\i0 ef{\b gh}})");
  ASSERT_EQ(doc.paragraphs.size(), 1u);
  const auto& runs = doc.paragraphs[0].runs;
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].text, "abcdef");
  EXPECT_EQ(runs[1].text, "gh");
}

TEST(RtfStyleTest, ColorTableEntries) {
  RtfDocument doc = parse_rtf(R"({\rtf1{\colortbl;\red255\green0\blue0;\red999\green-5\blue16;})"
                              R"(\cf0 a\cf1 b\cf2 c\cf9 d\cf-1 e})");
  ASSERT_EQ(doc.paragraphs.size(), 1u);
  const auto& runs = doc.paragraphs[0].runs;
  ASSERT_EQ(runs.size(), 4u);
  EXPECT_EQ(runs[0].text, "a");
  EXPECT_FALSE(runs[0].style.color.has_value());
  EXPECT_EQ(runs[1].style.color, std::optional<std::uint32_t>(0x0000FF));
  EXPECT_EQ(runs[2].style.color, std::optional<std::uint32_t>(0x1000FF));  // clamped components
  EXPECT_EQ(runs[3].text, "de");  // past the table and negative: default colour
  EXPECT_FALSE(runs[3].style.color.has_value());
}

TEST(RtfStyleTest, FontTableForms) {
  RtfDocument flat =
      parse_rtf(R"({\rtf1{\fonttbl\f0\froman Times New Roman;\f1\fswiss Arial;}\f1 x\f0 y\f7 z})");
  ASSERT_EQ(flat.paragraphs.size(), 1u);
  const auto& runs = flat.paragraphs[0].runs;
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].style.font_name, "Arial");
  EXPECT_EQ(runs[1].style.font_name, "Times New Roman");
  EXPECT_EQ(runs[2].style.font_name, "");

  // An entry with an ignorable sub-group and no closing ';'.
  RtfDocument grouped = parse_rtf(
      R"({\rtf1{\fonttbl{\f0\fnil\fcharset134{\*\panose 02010600030101010101}\'ba\'da\'cc\'e5})"
      R"({\f1 Courier{\*\falt Mono};}}\f0 x\f1 y})");
  ASSERT_EQ(grouped.paragraphs.size(), 1u);
  ASSERT_EQ(grouped.paragraphs[0].runs.size(), 2u);
  EXPECT_EQ(grouped.paragraphs[0].runs[0].style.font_name, "黑体");
  EXPECT_EQ(grouped.paragraphs[0].runs[1].style.font_name, "Courier");
  EXPECT_EQ(grouped.plain_text(), "xy");
}

TEST(RtfParagraphTest, Alignment) {
  RtfDocument doc =
      parse_rtf(R"({\rtf1\pard\qc A\par\pard B\par\qr C\par\qj D\par\pard\ql E\par{\qc F\par}G})");
  ASSERT_EQ(paragraph_texts(doc), (std::vector<std::string>{"A", "B", "C", "D", "E", "F", "G"}));
  const std::vector<RtfAlign> expected = {RtfAlign::Center,  RtfAlign::Left, RtfAlign::Right,
                                          RtfAlign::Justify, RtfAlign::Left, RtfAlign::Center,
                                          RtfAlign::Left};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(doc.paragraphs[i].align, expected[i]) << doc.paragraphs[i].runs[0].text;
  }
}

TEST(RtfParagraphTest, TrailingParDoesNotAddAParagraph) {
  using Texts = std::vector<std::string>;
  EXPECT_EQ(paragraph_texts(parse_rtf(R"({\rtf1 A\par B\par})")), (Texts{"A", "B"}));
  EXPECT_EQ(paragraph_texts(parse_rtf(R"({\rtf1 A\par B})")), (Texts{"A", "B"}));
  // An empty line the user left at the end is kept.
  EXPECT_EQ(paragraph_texts(parse_rtf(R"({\rtf1 A\par\par})")), (Texts{"A", ""}));
  EXPECT_EQ(paragraph_texts(parse_rtf(R"({\rtf1 \par A})")), (Texts{"", "A"}));
  EXPECT_EQ(paragraph_texts(parse_rtf(R"({\rtf1 \par})")), (Texts{""}));
  EXPECT_TRUE(parse_rtf(R"({\rtf1\ansi })").paragraphs.empty());
}

TEST(RtfParagraphTest, BreaksTabsAndSymbols) {
  EXPECT_EQ(paragraph_texts(parse_rtf(R"({\rtf1 a\line b\tab c})")),
            (std::vector<std::string>{"a\nb\tc"}));
  EXPECT_EQ(parse_rtf(R"({\rtf1 \\\{\}\~\-\_x})").plain_text(), "\\{}\xC2\xA0\xE2\x80\x91x");
  EXPECT_EQ(parse_rtf("{\\rtf1 a\\\nb}").paragraphs.size(), 2u);  // backslash-newline is \par
  EXPECT_EQ(parse_rtf("{\\rtf1 a\r\nb\n}").plain_text(), "ab");   // bare line ends are not text
  EXPECT_EQ(parse_rtf(R"({\rtf1 \ldblquote x\rdblquote\emdash\lquote y\rquote\endash\bullet})")
                .plain_text(),
            "“x”—‘y’–•");
  EXPECT_EQ(paragraph_texts(parse_rtf(R"({\rtf1 A\cell B\cell\row C})")),
            (std::vector<std::string>{"A\tB\t", "C"}));
  // The space after a control word is its delimiter; a second space is text.
  EXPECT_EQ(parse_rtf(R"({\rtf1 \b  x\b0 y})").plain_text(), " xy");
}

// --- Destinations that hold no document text ---

TEST(RtfDestinationTest, SkipsNonTextDestinations) {
  RtfDocument doc = parse_rtf(
      R"({\rtf1{\*\generator Riched20 10.0.19041;}{\info{\title Secret}{\author Me}})"
      R"({\stylesheet{\s0 Normal;}}{\header Head}{\footer Foot}{\pict\wmetafile8 0102abcd})"
      R"({\*\unknowndest {nested} text}Body {\field{\*\fldinst HYPERLINK "u"}{\fldrslt link}}})");
  EXPECT_EQ(doc.plain_text(), "Body link");
}

TEST(RtfDestinationTest, BinaryDataIsSteppedOver) {
  // The binary bytes hold braces that must not count as groups.
  EXPECT_EQ(parse_rtf("{\\rtf1 A{\\pict\\bin4 }}{{}B}").plain_text(), "AB");
  EXPECT_EQ(parse_rtf("{\\rtf1 A\\bin2 xyB}").plain_text(), "AB");
}

TEST(RtfDestinationTest, UnknownControlWordsAreIgnored) {
  EXPECT_EQ(parse_rtf(R"({\rtf1\nouicompat\sa200\sl276\slmult1\lang2052 x\zzz123 y})").plain_text(),
            "xy");
}

// --- Hostile input ---

struct MalformedCase {
  const char* name;
  std::string input;
  std::string expected;
};

void PrintTo(const MalformedCase& c, std::ostream* os) { *os << c.name; }

class RtfMalformedTest : public testing::TestWithParam<MalformedCase> {};

TEST_P(RtfMalformedTest, ReadsWhatItCan) {
  RtfDocument doc = parse_rtf(GetParam().input);
  EXPECT_EQ(doc.plain_text(), GetParam().expected);
  EXPECT_TRUE(is_valid_utf8(doc.plain_text()));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RtfMalformedTest,
    testing::Values(
        MalformedCase{"Empty", "", ""}, MalformedCase{"OnlyOpenBrace", "{", ""},
        MalformedCase{"OnlyCloseBraces", "}}}", ""},
        MalformedCase{"MissingClose", "{\\rtf1 abc", "abc"},
        MalformedCase{"MissingCloseInGroups", "{\\rtf1 a{\\b b{\\i c", "abc"},
        MalformedCase{"ExtraCloseBraces", "{\\rtf1 abc}}}}x", "abc"},
        MalformedCase{"TextAfterDocument", "{\\rtf1 abc}\r\ntrailing", "abc"},
        MalformedCase{"LoneBackslash", "{\\rtf1 abc\\", "abc"},
        MalformedCase{"HexWithoutDigits", "{\\rtf1 abc\\'", "abc"},
        MalformedCase{"HexWithOneDigit", "{\\rtf1 abc\\'d", "abc"},
        MalformedCase{"HexNotHex", "{\\rtf1 a\\'zzb}", "azzb"},
        MalformedCase{"HexOneDigitThenText", "{\\rtf1 a\\'4zb}", "azb"},
        MalformedCase{"LeadByteCutOff", "{\\rtf1 a\\'d6", "a" + kReplacement},
        MalformedCase{"HugeBold", "{\\rtf1 \\b99999999999999999999999 x}", "x"},
        MalformedCase{"HugeNegativeFontSize", "{\\rtf1 \\fs-99999999999999999999 x}", "x"},
        MalformedCase{"HugeUnicode", "{\\rtf1 \\u99999999999999999999 ?x}", kReplacement + "x"},
        MalformedCase{"HugeNegativeUnicode", "{\\rtf1 \\u-99999999999999999999 ?x}",
                      kReplacement + "x"},
        MalformedCase{"HugeUnicodeSkip", "{\\rtf1 {\\uc99999999999 \\u20013 abc}def}", "中def"},
        MalformedCase{"HugeFontNumber", "{\\rtf1 \\f99999999999999 x}", "x"},
        MalformedCase{"HugeColorIndex", "{\\rtf1 {\\colortbl;\\red1;}\\cf99999999999 x}", "x"},
        MalformedCase{"HugeBin", "{\\rtf1 a\\bin99999999999 bcd}", "a"},
        MalformedCase{"NegativeBin", "{\\rtf1 a\\bin-5 bcd}", "abcd"},
        MalformedCase{"TruncatedFontTable", "{\\rtf1{\\fonttbl{\\f0\\fnil \\'cb\\'ce", ""},
        MalformedCase{"TruncatedColorTable", "{\\rtf1{\\colortbl;\\red99999999999999", ""},
        MalformedCase{"TruncatedUnicode", "{\\rtf1 a\\u", "a"},
        MalformedCase{"UnicodeMinusOnly", "{\\rtf1 a\\u-", "a-"},
        MalformedCase{"TruncatedControlWord", "{\\rtf1 a\\pa", "a"},
        MalformedCase{"LongControlWord", "{\\rtf1 a\\" + std::string(5000, 'q') + " b}", "ab"},
        MalformedCase{"UnclosedSkippedDestination", "{\\rtf1 a{\\*\\foo b", "a"},
        MalformedCase{"NotRtf", "plain words", "plain words"},
        MalformedCase{"NotRtfWithBraces", "a{b}c}d", "abcd"},
        MalformedCase{"Backslashes", "\\\\\\\\\\", "\\\\"},
        MalformedCase{"NulBytes", std::string("{\\rtf1 a\0b}", 11), "ab"},
        MalformedCase{"InvalidByteNotRtf",
                      "\xFF"
                      "a",
                      kReplacement + "a"}),
    [](const testing::TestParamInfo<MalformedCase>& info) { return info.param.name; });

TEST(RtfRobustnessTest, DeepNestingIsCappedAndBalanced) {
  constexpr int kDepth = 100000;
  const std::string rtf =
      "{\\rtf1 " + std::string(kDepth, '{') + "\\b x" + std::string(kDepth, '}') + "y}";
  RtfDocument doc = parse_rtf(rtf);
  ASSERT_EQ(doc.paragraphs.size(), 1u);
  const auto& runs = doc.paragraphs[0].runs;
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].text, "x");
  EXPECT_TRUE(runs[0].style.bold);
  EXPECT_EQ(runs[1].text, "y");
  EXPECT_FALSE(runs[1].style.bold);

  EXPECT_EQ(parse_rtf(std::string(kDepth, '{') + "deep").plain_text(), "deep");
  // A skipped destination stays skipped however deep it goes.
  const std::string skipped =
      "{\\rtf1 {\\*\\x " + std::string(5000, '{') + "hidden" + std::string(5000, '}') + "}shown}";
  EXPECT_EQ(parse_rtf(skipped).plain_text(), "shown");
}

TEST(RtfRobustnessTest, LargeDocumentIsReadWhole) {
  constexpr int kRepeats = 50000;
  std::string rtf = "{\\rtf1\\ansi\\ansicpg936 ";
  for (int i = 0; i < kRepeats; ++i) rtf += "\\'d6\\'d0{\\b x}";
  rtf += "}";
  RtfDocument doc = parse_rtf(rtf);
  ASSERT_EQ(doc.paragraphs.size(), 1u);
  EXPECT_EQ(doc.paragraphs[0].runs.size(), 2u * kRepeats);
  EXPECT_EQ(doc.plain_text().size(), 4u * kRepeats);  // 中 is three bytes, x one
}

// Random token soup: whatever comes in, the output keeps its invariants.
TEST(RtfRobustnessTest, RandomInputKeepsInvariants) {
  const std::vector<std::string> tokens = {"{",
                                           "}",
                                           "\\",
                                           "\\'",
                                           "\\'d6",
                                           "\\'d0",
                                           "\\'b0",
                                           "A",
                                           " ",
                                           "\\par",
                                           "\\line",
                                           "\\b",
                                           "\\b0",
                                           "\\u-10179",
                                           "\\u-8704",
                                           "\\u20013",
                                           "\\uc2 ",
                                           "\\uc0",
                                           "?",
                                           "\\*",
                                           "\\bin3 ",
                                           "{\\fonttbl",
                                           "{\\colortbl",
                                           "\\f0",
                                           "\\cf1",
                                           ";",
                                           "\\red300",
                                           "\\'",
                                           "\\'cb\\'ce",
                                           "\\fcharset134 ",
                                           "\\ansicpg1252",
                                           "\\ansicpg65001",
                                           "\xE4",
                                           "\xB8",
                                           "\xAD",
                                           "\\v",
                                           "\\~",
                                           "\r\n",
                                           "9",
                                           "-",
                                           "\\plain",
                                           "{\\info",
                                           "\\qc",
                                           "\\fs99999999999"};
  std::mt19937 rng(20240611);
  std::uniform_int_distribution<std::size_t> pick(0, tokens.size() - 1);
  std::uniform_int_distribution<int> length(0, 80);
  for (int round = 0; round < 3000; ++round) {
    std::string rtf = round % 2 == 0 ? "{\\rtf1 " : "";
    for (int n = length(rng); n > 0; --n) rtf += tokens[pick(rng)];
    SCOPED_TRACE(rtf);
    RtfDocument doc = parse_rtf(rtf);
    ASSERT_TRUE(is_valid_utf8(doc.plain_text()));
    for (const RtfParagraph& p : doc.paragraphs) {
      for (std::size_t i = 0; i < p.runs.size(); ++i) {
        ASSERT_FALSE(p.runs[i].text.empty());
        ASSERT_TRUE(is_valid_utf8(p.runs[i].style.font_name));
        if (i > 0) {
          ASSERT_FALSE(p.runs[i].style == p.runs[i - 1].style);
        }
      }
    }
  }
}

// --- Helpers ---

TEST(RtfDocumentTest, PlainTextJoinsParagraphs) {
  EXPECT_EQ(RtfDocument{}.plain_text(), "");
  RtfDocument doc;
  doc.paragraphs.resize(3);
  RtfStyle bold;
  bold.bold = true;
  doc.paragraphs[0].runs = {RtfRun{"甲", {}}, RtfRun{"b", bold}};
  doc.paragraphs[2].runs = {RtfRun{"c", {}}};
  EXPECT_EQ(doc.plain_text(), "甲b\n\nc");
}

TEST(RtfLooksLikeRtfTest, RecognisesTheHeader) {
  EXPECT_TRUE(looks_like_rtf("{\\rtf1\\ansi}"));
  EXPECT_TRUE(looks_like_rtf(" \t\r\n{\\rtf"));
  EXPECT_FALSE(looks_like_rtf(""));
  EXPECT_FALSE(looks_like_rtf("   "));
  EXPECT_FALSE(looks_like_rtf("{\\rt"));
  EXPECT_FALSE(looks_like_rtf("{\\RTF1"));
  EXPECT_FALSE(looks_like_rtf("x{\\rtf1"));
  EXPECT_FALSE(looks_like_rtf("中文"));
}

}  // namespace
}  // namespace tavrel

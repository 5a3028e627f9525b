// A reader for the rich text that WordPad writes, into paragraphs of styled runs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel {

struct RtfStyle {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int font_half_points = 0;              // \fsN; 0 when the text does not set one
  std::optional<std::uint32_t> color;    // 0x00BBGGRR from \cfN and \colortbl; none = default
  std::string font_name;                 // UTF-8 name from \fonttbl for \fN; empty = default
  bool operator==(const RtfStyle&) const = default;
};

struct RtfRun {
  std::string text;  // UTF-8; \line is '\n', \tab and \cell are '\t'
  RtfStyle style;
};

enum class RtfAlign { Left, Center, Right, Justify };

struct RtfParagraph {
  std::vector<RtfRun> runs;
  RtfAlign align = RtfAlign::Left;
};

struct RtfDocument {
  std::vector<RtfParagraph> paragraphs;
  std::string plain_text() const;  // paragraphs joined with '\n', UTF-8
};

// True when the bytes start (after blanks) with "{\rtf".
bool looks_like_rtf(std::string_view bytes);

// Parses RTF bytes. Never throws and never reads past the input: unknown control words and
// destinations are skipped, unbalanced or truncated input yields what was read up to there.
// \'hh bytes are GBK (code page 936) unless \ansicpgN names another; \uN gives a Unicode
// character and skips the following \ucN replacement characters.
RtfDocument parse_rtf(std::string_view bytes);

}  // namespace tavrel

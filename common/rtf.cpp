// Reads WordPad-style RTF into paragraphs of styled runs with one pass and an explicit group stack.
#include "rtf.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <map>
#include <utility>

#include "gbk.h"
#include "common/utf8.h"

namespace tavrel {
namespace {

constexpr std::size_t kMaxDepth = 1000;              // deeper groups are read flat, not stacked
constexpr std::int64_t kParamLimit = 1'000'000'000;  // numeric parameters saturate here
constexpr int kMaxUnicodeSkip = 64;                  // \ucN beyond this is surely garbage
constexpr int kMaxHalfPoints = 3276;                 // 1638 pt, the largest size Word accepts
constexpr int kDefaultCodePage = 936;                // GBK, what Chinese WordPad writes
constexpr char32_t kReplacement = 0xFFFD;

enum class Dest { kText, kFontTable, kColorTable, kSkip };

enum class Word {
  kPar,
  kLine,
  kTab,
  kCell,
  kRow,
  kPard,
  kPlain,
  kBold,
  kItalic,
  kUnderline,
  kUnderlineNone,
  kHidden,
  kFontSize,
  kFont,
  kColor,
  kAlignLeft,
  kAlignCenter,
  kAlignRight,
  kAlignJustify,
  kAnsiCodePage,
  kUnicodeSkip,
  kUnicode,
  kBin,
  kFontTable,
  kColorTable,
  kCharset,
  kRed,
  kGreen,
  kBlue,
  kSkipDestination,
  kEmDash,
  kEnDash,
  kLeftQuote,
  kRightQuote,
  kLeftDoubleQuote,
  kRightDoubleQuote,
  kBullet,
  kEmSpace,
  kEnSpace,
};

// Sorted by name (byte order) for binary search; checked below at compile time.
constexpr std::array<std::pair<std::string_view, Word>, 95> kWords = {{
    {"annotation", Word::kSkipDestination},
    {"ansicpg", Word::kAnsiCodePage},
    {"atnauthor", Word::kSkipDestination},
    {"atnid", Word::kSkipDestination},
    {"author", Word::kSkipDestination},
    {"b", Word::kBold},
    {"bin", Word::kBin},
    {"bkmkend", Word::kSkipDestination},
    {"bkmkstart", Word::kSkipDestination},
    {"blue", Word::kBlue},
    {"bullet", Word::kBullet},
    {"buptim", Word::kSkipDestination},
    {"cell", Word::kCell},
    {"cf", Word::kColor},
    {"colorschememapping", Word::kSkipDestination},
    {"colortbl", Word::kColorTable},
    {"comment", Word::kSkipDestination},
    {"company", Word::kSkipDestination},
    {"creatim", Word::kSkipDestination},
    {"datastore", Word::kSkipDestination},
    {"doccomm", Word::kSkipDestination},
    {"emdash", Word::kEmDash},
    {"emspace", Word::kEmSpace},
    {"endash", Word::kEnDash},
    {"enspace", Word::kEnSpace},
    {"f", Word::kFont},
    {"fcharset", Word::kCharset},
    {"filetbl", Word::kSkipDestination},
    {"fldinst", Word::kSkipDestination},
    {"fonttbl", Word::kFontTable},
    {"footer", Word::kSkipDestination},
    {"footerf", Word::kSkipDestination},
    {"footerl", Word::kSkipDestination},
    {"footerr", Word::kSkipDestination},
    {"footnote", Word::kSkipDestination},
    {"fs", Word::kFontSize},
    {"generator", Word::kSkipDestination},
    {"green", Word::kGreen},
    {"header", Word::kSkipDestination},
    {"headerf", Word::kSkipDestination},
    {"headerl", Word::kSkipDestination},
    {"headerr", Word::kSkipDestination},
    {"i", Word::kItalic},
    {"info", Word::kSkipDestination},
    {"keywords", Word::kSkipDestination},
    {"latentstyles", Word::kSkipDestination},
    {"ldblquote", Word::kLeftDoubleQuote},
    {"line", Word::kLine},
    {"listoverridetable", Word::kSkipDestination},
    {"listtable", Word::kSkipDestination},
    {"lquote", Word::kLeftQuote},
    {"nonshppict", Word::kSkipDestination},
    {"objdata", Word::kSkipDestination},
    {"object", Word::kSkipDestination},
    {"operator", Word::kSkipDestination},
    {"par", Word::kPar},
    {"pard", Word::kPard},
    {"pgdsctbl", Word::kSkipDestination},
    {"pict", Word::kSkipDestination},
    {"plain", Word::kPlain},
    {"printim", Word::kSkipDestination},
    {"private", Word::kSkipDestination},
    {"qc", Word::kAlignCenter},
    {"qd", Word::kAlignJustify},
    {"qj", Word::kAlignJustify},
    {"ql", Word::kAlignLeft},
    {"qr", Word::kAlignRight},
    {"rdblquote", Word::kRightDoubleQuote},
    {"red", Word::kRed},
    {"revtbl", Word::kSkipDestination},
    {"revtim", Word::kSkipDestination},
    {"row", Word::kRow},
    {"rquote", Word::kRightQuote},
    {"rsidtbl", Word::kSkipDestination},
    {"shp", Word::kSkipDestination},
    {"stylesheet", Word::kSkipDestination},
    {"subject", Word::kSkipDestination},
    {"tab", Word::kTab},
    {"tc", Word::kSkipDestination},
    {"themedata", Word::kSkipDestination},
    {"title", Word::kSkipDestination},
    {"txe", Word::kSkipDestination},
    {"u", Word::kUnicode},
    {"uc", Word::kUnicodeSkip},
    {"ul", Word::kUnderline},
    {"uld", Word::kUnderline},
    {"uldash", Word::kUnderline},
    {"uldb", Word::kUnderline},
    {"ulnone", Word::kUnderlineNone},
    {"ulth", Word::kUnderline},
    {"ulw", Word::kUnderline},
    {"ulwave", Word::kUnderline},
    {"userprops", Word::kSkipDestination},
    {"v", Word::kHidden},
    {"xe", Word::kSkipDestination},
}};
static_assert(std::is_sorted(kWords.begin(), kWords.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; }));

std::optional<Word> find_word(std::string_view name) {
  auto it = std::lower_bound(kWords.begin(), kWords.end(), name,
                             [](const auto& entry, std::string_view n) { return entry.first < n; });
  if (it == kWords.end() || it->first != name) return std::nullopt;
  return it->second;
}

bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The Windows code page a \fcharsetN font implies; 0 means "the document's code page".
int code_page_of_charset(int charset) {
  static constexpr std::pair<int, int> kCharsets[] = {
      {77, 10000}, {128, 932},  {129, 949},  {130, 1361}, {134, 936},
      {136, 950},  {161, 1253}, {162, 1254}, {163, 1258}, {177, 1255},
      {178, 1256}, {186, 1257}, {204, 1251}, {222, 874},  {238, 1250}};
  for (const auto& [set, code_page] : kCharsets) {
    if (set == charset) return code_page;
  }
  return 0;
}

// Only ASCII-compatible code pages are handed to iconv; anything else is read as GBK.
const char* iconv_name(int code_page) {
  static constexpr std::pair<int, const char*> kNames[] = {
      {437, "CP437"},   {850, "CP850"},       {866, "CP866"},    {874, "CP874"},
      {932, "CP932"},   {949, "CP949"},       {950, "CP950"},    {1250, "CP1250"},
      {1251, "CP1251"}, {1252, "CP1252"},     {1253, "CP1253"},  {1254, "CP1254"},
      {1255, "CP1255"}, {1256, "CP1256"},     {1257, "CP1257"},  {1258, "CP1258"},
      {1361, "JOHAB"},  {10000, "MACINTOSH"}, {20936, "GB2312"}, {54936, "GB18030"},
      {65001, "UTF-8"}};
  for (const auto& [number, name] : kNames) {
    if (number == code_page) return name;
  }
  return nullptr;
}

// Turns code-page bytes into UTF-8; keeps one iconv descriptor per code page for the parse.
class Decoder {
 public:
  Decoder() = default;
  Decoder(const Decoder&) = delete;
  Decoder& operator=(const Decoder&) = delete;
  ~Decoder() {
    for (auto& [code_page, cd] : open_) {
      if (cd != invalid()) iconv_close(cd);
    }
  }

  std::string decode(std::string_view bytes, int code_page) {
    bool ascii = std::all_of(bytes.begin(), bytes.end(),
                             [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) return std::string(bytes);
    iconv_t cd = code_page == kDefaultCodePage ? invalid() : descriptor(code_page);
    if (cd == invalid()) return utf8_from_gbk(bytes);
    return convert(cd, bytes);
  }

 private:
  static iconv_t invalid() { return reinterpret_cast<iconv_t>(-1); }

  iconv_t descriptor(int code_page) {
    auto it = open_.find(code_page);
    if (it != open_.end()) return it->second;
    const char* name = iconv_name(code_page);
    iconv_t cd = name == nullptr ? invalid() : iconv_open("UTF-8", name);
    open_.emplace(code_page, cd);
    return cd;
  }

  // A byte iconv cannot take becomes U+FFFD and decoding resumes at the next byte.
  static std::string convert(iconv_t cd, std::string_view bytes) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    char* src = const_cast<char*>(bytes.data());
    std::size_t src_left = bytes.size();
    char buffer[1024];
    while (src_left > 0) {
      char* dst = buffer;
      std::size_t dst_left = sizeof buffer;
      std::size_t rc = iconv(cd, &src, &src_left, &dst, &dst_left);
      out.append(buffer, dst - buffer);
      if (rc != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
      append_utf8(out, kReplacement);
      ++src;
      --src_left;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
  }

  std::map<int, iconv_t> open_;
};

// What a group carries and restores when it closes.
struct State {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool hidden = false;
  int half_points = 0;
  int color = -1;  // index into the colour table
  int font = -1;   // font number from \fN
  int unicode_skip = 1;
  RtfAlign align = RtfAlign::Left;
  Dest dest = Dest::kText;
};

struct Font {
  std::string name;
  int code_page = 0;
};

class Parser {
 public:
  explicit Parser(std::string_view in) : in_(in) {}

  RtfDocument parse() {
    try {
      read();
      finish();
    } catch (...) {
      // Out of memory or a failing converter: keep what was read.
      if (!paragraph_.runs.empty()) doc_.paragraphs.push_back(std::move(paragraph_));
    }
    return std::move(doc_);
  }

 private:
  void read() {
    while (pos_ < in_.size() && is_blank(in_[pos_])) ++pos_;
    // Anything after the closing brace of an RTF file (WordPad may add a NUL) is not text.
    bool stop_at_outer_close = pos_ < in_.size() && in_[pos_] == '{';
    while (pos_ < in_.size()) {
      char c = in_[pos_++];
      switch (c) {
        case '{':
          open_group();
          break;
        case '}':
          if (close_group() && stop_at_outer_close) return;
          break;
        case '\\':
          read_control();
          break;
        case '\r':
        case '\n':
        case '\0':
          break;
        default:
          text_byte(c);
      }
    }
  }

  // A document whose last paragraph ends with \par has no further paragraph: WordPad writes
  // \par after every paragraph including the last, so only a paragraph holding text is kept.
  void finish() {
    flush_bytes();
    drop_lone_surrogate();
    if (!paragraph_.runs.empty()) doc_.paragraphs.push_back(std::move(paragraph_));
  }

  State& state() { return stack_.back(); }

  void open_group() {
    flush_bytes();
    skip_ = 0;
    if (stack_.size() > kMaxDepth) {
      ++flat_groups_;
    } else {
      stack_.push_back(stack_.back());
    }
  }

  // Returns true when this closes the outermost group.
  bool close_group() {
    flush_bytes();
    skip_ = 0;
    if (flat_groups_ > 0) {
      --flat_groups_;
      return false;
    }
    if (stack_.size() <= 1) return false;  // a stray '}'
    bool in_font_table = state().dest == Dest::kFontTable;
    if (in_font_table && stack_.size() <= font_entry_depth_) commit_font();
    stack_.pop_back();
    if (in_font_table && state().dest != Dest::kFontTable) {
      font_name_.clear();  // text outside any entry names no font
      font_number_ = -1;
    }
    return stack_.size() == 1;
  }

  void read_control() {
    if (pos_ >= in_.size()) return;  // a lone backslash at the end
    char c = in_[pos_];
    if (is_letter(c)) {
      std::size_t start = pos_;
      while (pos_ < in_.size() && is_letter(in_[pos_])) ++pos_;
      std::string_view name = in_.substr(start, pos_ - start);
      std::optional<int> param = read_param();
      if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
      control_word(name, param);
    } else if (c == '\'') {
      ++pos_;
      int value = 0;
      int digits = 0;
      while (digits < 2 && pos_ < in_.size() && hex_value(in_[pos_]) >= 0) {
        value = value * 16 + hex_value(in_[pos_++]);
        ++digits;
      }
      if (digits == 2) text_byte(static_cast<char>(value));  // a cut-off \'h is dropped
    } else {
      ++pos_;
      control_symbol(c);
    }
  }

  std::optional<int> read_param() {
    bool negative = false;
    if (pos_ + 1 < in_.size() && in_[pos_] == '-' && is_digit(in_[pos_ + 1])) {
      negative = true;
      ++pos_;
    }
    if (pos_ >= in_.size() || !is_digit(in_[pos_])) return std::nullopt;
    std::int64_t value = 0;
    while (pos_ < in_.size() && is_digit(in_[pos_])) {
      if (value < kParamLimit) value = value * 10 + (in_[pos_] - '0');
      ++pos_;
    }
    value = std::min(value, kParamLimit);
    return static_cast<int>(negative ? -value : value);
  }

  // Replacement characters after \uN are dropped one token at a time.
  bool take_replacement() {
    if (skip_ == 0) return false;
    --skip_;
    return true;
  }

  void text_byte(char c) {
    if (take_replacement()) return;
    switch (state().dest) {
      case Dest::kText:
        pending_ += c;
        break;
      case Dest::kFontTable:
        if (c == ';') {
          flush_bytes();
          commit_font();
        } else {
          pending_ += c;
        }
        break;
      case Dest::kColorTable:
        if (c == ';') commit_color();
        break;
      case Dest::kSkip:
        break;
    }
  }

  void control_symbol(char c) {
    if (c == '\\' || c == '{' || c == '}') {
      text_byte(c);
      return;
    }
    if (take_replacement() || state().dest == Dest::kSkip) return;
    flush_bytes();
    switch (c) {
      case '*':
        state().dest = Dest::kSkip;  // a destination this reader may not know
        break;
      case '~':
        emit_code_point(0x00A0);
        break;
      case '_':
        emit_code_point(0x2011);
        break;
      case '\r':
      case '\n':
        if (state().dest == Dest::kText) end_paragraph();
        break;
      default:
        break;  // \- optional hyphen and the rest show nothing
    }
  }

  void control_word(std::string_view name, std::optional<int> param) {
    std::optional<Word> word = find_word(name);
    if (word == Word::kBin) {
      // Raw bytes follow; they may hold braces, so they are stepped over even when skipping.
      std::size_t count = static_cast<std::size_t>(std::max(param.value_or(0), 0));
      pos_ += std::min(count, in_.size() - pos_);
      take_replacement();
      return;
    }
    if (take_replacement() || state().dest == Dest::kSkip || !word) return;
    flush_bytes();
    switch (state().dest) {
      case Dest::kText:
        text_word(*word, param);
        break;
      case Dest::kFontTable:
        font_table_word(*word, param);
        break;
      case Dest::kColorTable:
        color_table_word(*word, param);
        break;
      case Dest::kSkip:
        break;
    }
  }

  void destination_word(Word word) {
    if (word == Word::kFontTable) state().dest = Dest::kFontTable;
    if (word == Word::kColorTable) state().dest = Dest::kColorTable;
    if (word == Word::kSkipDestination) state().dest = Dest::kSkip;
  }

  void text_word(Word word, std::optional<int> param) {
    State& s = state();
    bool on = param.value_or(1) != 0;
    int value = param.value_or(0);
    switch (word) {
      case Word::kPar:
      case Word::kRow:
        end_paragraph();
        break;
      case Word::kLine:
        emit_code_point('\n');
        break;
      case Word::kTab:
      case Word::kCell:
        emit_code_point('\t');
        break;
      case Word::kPard:
        s.align = RtfAlign::Left;
        break;
      case Word::kPlain: {
        State plain;
        plain.unicode_skip = s.unicode_skip;
        plain.align = s.align;
        plain.dest = s.dest;
        s = plain;
        break;
      }
      case Word::kBold:
        s.bold = on;
        break;
      case Word::kItalic:
        s.italic = on;
        break;
      case Word::kUnderline:
        s.underline = on;
        break;
      case Word::kUnderlineNone:
        s.underline = false;
        break;
      case Word::kHidden:
        s.hidden = on;
        break;
      case Word::kFontSize:
        s.half_points = std::clamp(value, 0, kMaxHalfPoints);
        break;
      case Word::kFont:
        s.font = param ? std::max(value, -1) : -1;
        break;
      case Word::kColor:
        s.color = param ? std::max(value, -1) : -1;
        break;
      case Word::kAlignLeft:
        s.align = RtfAlign::Left;
        break;
      case Word::kAlignCenter:
        s.align = RtfAlign::Center;
        break;
      case Word::kAlignRight:
        s.align = RtfAlign::Right;
        break;
      case Word::kAlignJustify:
        s.align = RtfAlign::Justify;
        break;
      case Word::kAnsiCodePage:
        if (value > 0) code_page_ = value;
        break;
      case Word::kUnicodeSkip:
        s.unicode_skip = std::clamp(param.value_or(1), 0, kMaxUnicodeSkip);
        break;
      case Word::kUnicode:
        if (param) unicode(value);
        break;
      case Word::kEmDash:
        emit_code_point(0x2014);
        break;
      case Word::kEnDash:
        emit_code_point(0x2013);
        break;
      case Word::kLeftQuote:
        emit_code_point(0x2018);
        break;
      case Word::kRightQuote:
        emit_code_point(0x2019);
        break;
      case Word::kLeftDoubleQuote:
        emit_code_point(0x201C);
        break;
      case Word::kRightDoubleQuote:
        emit_code_point(0x201D);
        break;
      case Word::kBullet:
        emit_code_point(0x2022);
        break;
      case Word::kEmSpace:
        emit_code_point(0x2003);
        break;
      case Word::kEnSpace:
        emit_code_point(0x2002);
        break;
      default:
        destination_word(word);
        break;
    }
  }

  void font_table_word(Word word, std::optional<int> param) {
    switch (word) {
      case Word::kFont:
        if (!font_name_.empty()) commit_font();
        font_number_ = std::max(param.value_or(0), 0);
        font_code_page_ = 0;
        font_entry_depth_ = stack_.size();
        break;
      case Word::kCharset:
        font_code_page_ = code_page_of_charset(param.value_or(0));
        break;
      case Word::kUnicode:
        if (param) unicode(*param);
        break;
      case Word::kUnicodeSkip:
        state().unicode_skip = std::clamp(param.value_or(1), 0, kMaxUnicodeSkip);
        break;
      default:
        destination_word(word);
        break;
    }
  }

  void color_table_word(Word word, std::optional<int> param) {
    std::uint32_t value = static_cast<std::uint32_t>(std::clamp(param.value_or(0), 0, 255));
    switch (word) {
      case Word::kRed:
        color_ = (color_.value_or(0) & 0xFFFF00u) | value;
        break;
      case Word::kGreen:
        color_ = (color_.value_or(0) & 0xFF00FFu) | (value << 8);
        break;
      case Word::kBlue:
        color_ = (color_.value_or(0) & 0x00FFFFu) | (value << 16);
        break;
      default:
        destination_word(word);
        break;
    }
  }

  void commit_color() {
    colors_.push_back(color_);  // an entry with no components means the default colour
    color_.reset();
  }

  void commit_font() {
    std::size_t first = font_name_.find_first_not_of(' ');
    std::size_t last = font_name_.find_last_not_of(' ');
    std::string name =
        first == std::string::npos ? std::string() : font_name_.substr(first, last - first + 1);
    if (font_number_ >= 0) fonts_[font_number_] = Font{std::move(name), font_code_page_};
    font_name_.clear();
    font_number_ = -1;
    font_code_page_ = 0;
    font_entry_depth_ = 0;
  }

  // \uN is a signed 16-bit unit; surrogate pairs arrive as two \u words.
  void unicode(int value) {
    if (value < 0) value += 65536;
    skip_ = state().unicode_skip;
    if (value == 0) return;
    if (value < 0 || value > 0x10FFFF) {
      emit_code_point(kReplacement);
    } else if (value >= 0xD800 && value < 0xDC00) {
      drop_lone_surrogate();
      high_surrogate_ = static_cast<char32_t>(value);
    } else if (value >= 0xDC00 && value < 0xE000) {
      if (high_surrogate_ == 0) {
        emit_code_point(kReplacement);
      } else {
        char32_t cp = 0x10000 + ((high_surrogate_ - 0xD800) << 10) + (value - 0xDC00);
        high_surrogate_ = 0;
        emit_code_point(cp);
      }
    } else {
      emit_code_point(static_cast<char32_t>(value));
    }
  }

  void drop_lone_surrogate() {
    if (high_surrogate_ == 0) return;
    high_surrogate_ = 0;
    std::string text;
    append_utf8(text, kReplacement);
    put(text);
  }

  void emit_code_point(char32_t cp) {
    std::string text;
    append_utf8(text, cp);
    emit(text);
  }

  void emit(std::string_view text) {
    if (text.empty()) return;
    drop_lone_surrogate();
    put(text);
  }

  void put(std::string_view text) {
    const State& s = state();
    if (s.dest == Dest::kFontTable) {
      font_name_ += text;
      return;
    }
    if (s.dest != Dest::kText || s.hidden) return;
    RtfStyle style = style_of(s);
    if (!paragraph_.runs.empty() && paragraph_.runs.back().style == style) {
      paragraph_.runs.back().text += text;
    } else {
      paragraph_.runs.push_back(RtfRun{std::string(text), std::move(style)});
    }
    paragraph_.align = s.align;
  }

  // Bytes gathered since the last control word are decoded together, so a double-byte
  // character split as \'b0A or \'d6\'d0 comes out whole.
  void flush_bytes() {
    if (pending_.empty()) return;
    const State& s = state();
    int code_page = 0;
    if (s.dest == Dest::kFontTable) {
      code_page = font_code_page_;
    } else if (auto it = fonts_.find(s.font); it != fonts_.end()) {
      code_page = it->second.code_page;
    }
    if (code_page == 0) code_page = code_page_;
    std::string text = decoder_.decode(pending_, code_page);
    pending_.clear();
    emit(text);
  }

  void end_paragraph() {
    drop_lone_surrogate();
    paragraph_.align = state().align;
    doc_.paragraphs.push_back(std::move(paragraph_));
    paragraph_ = RtfParagraph{};
  }

  RtfStyle style_of(const State& s) const {
    RtfStyle style;
    style.bold = s.bold;
    style.italic = s.italic;
    style.underline = s.underline;
    style.font_half_points = s.half_points;
    if (s.color >= 0 && static_cast<std::size_t>(s.color) < colors_.size()) {
      style.color = colors_[s.color];
    }
    if (auto it = fonts_.find(s.font); it != fonts_.end()) style.font_name = it->second.name;
    return style;
  }

  std::string_view in_;
  std::size_t pos_ = 0;
  std::vector<State> stack_{State{}};
  std::size_t flat_groups_ = 0;  // groups opened past kMaxDepth
  int skip_ = 0;                 // replacement characters still to drop after \uN
  char32_t high_surrogate_ = 0;
  int code_page_ = kDefaultCodePage;
  std::string pending_;  // undecoded code-page bytes
  Decoder decoder_;

  std::map<int, Font> fonts_;
  std::string font_name_;
  int font_number_ = -1;
  int font_code_page_ = 0;
  std::size_t font_entry_depth_ = 0;

  std::vector<std::optional<std::uint32_t>> colors_;
  std::optional<std::uint32_t> color_;

  RtfParagraph paragraph_;
  RtfDocument doc_;
};

}  // namespace

std::string RtfDocument::plain_text() const {
  std::string out;
  for (std::size_t i = 0; i < paragraphs.size(); ++i) {
    if (i > 0) out += '\n';
    for (const RtfRun& run : paragraphs[i].runs) out += run.text;
  }
  return out;
}

bool looks_like_rtf(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size() && is_blank(bytes[i])) ++i;
  return bytes.substr(i).starts_with("{\\rtf");
}

RtfDocument parse_rtf(std::string_view bytes) { return Parser(bytes).parse(); }

}  // namespace tavrel

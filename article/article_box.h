// The article box's text as the typing test addresses it: GBK lines, positions and colours.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel::article {

using Colour = std::uint32_t;  // 0x00BBGGRR

// Positions count every byte of the text and two for every line break, as the box reports
// them; box line 2k is article line k, line 2k+1 its typed line.
class ArticleBox {
 public:
  static constexpr int kBreakWidth = 2;

  void load(std::vector<std::string> lines, Colour text_colour);
  void clear() { load({}, text_colour_); }

  int line_count() const { return static_cast<int>(lines_.size()); }
  // The line, or an empty one for an index outside the text.
  const std::string& line(int k) const;
  int line_start(int k) const;
  // The byte at `position`: '\r' and '\n' on a line break, 0 outside the text.
  char byte_at(int position) const;
  std::string bytes_at(int position, int count) const;

  // Typed lines may lie past the loaded text; appending creates the lines up to them.
  void append(int k, std::string_view text);
  void cut_end(int k, std::size_t count);

  // Colours the byte positions that hold text; line breaks and positions outside are skipped.
  void colour(int position, int count, Colour colour);
  Colour colour_at(int k, std::size_t column) const;
  // A new text colour: characters shown in the old one take the new one.
  void replace_text_colour(Colour colour);

  // Lines changed since the last call, for the window to redraw.
  std::set<int> take_changed();

 private:
  std::vector<std::string> lines_;
  std::vector<std::vector<Colour>> colours_;
  Colour text_colour_ = 0;
  std::set<int> changed_;
};

}  // namespace tavrel::article

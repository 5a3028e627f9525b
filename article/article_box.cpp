// Positions, bytes and colours of the article box's text.
#include "article/article_box.h"

#include <algorithm>
#include <utility>

namespace tavrel::article {
namespace {
const std::string kNoLine;
}  // namespace

void ArticleBox::load(std::vector<std::string> lines, Colour text_colour) {
  lines_ = std::move(lines);
  text_colour_ = text_colour;
  colours_.clear();
  for (const auto& l : lines_) colours_.emplace_back(l.size(), text_colour);
  changed_.clear();
}

const std::string& ArticleBox::line(int k) const {
  return k >= 0 && k < line_count() ? lines_[k] : kNoLine;
}

int ArticleBox::line_start(int k) const {
  int start = 0;
  for (int i = 0; i < k && i < line_count(); ++i)
    start += static_cast<int>(lines_[i].size()) + kBreakWidth;
  return start;
}

char ArticleBox::byte_at(int position) const {
  if (position < 0) return 0;
  int start = 0;
  for (const auto& l : lines_) {
    const int size = static_cast<int>(l.size());
    if (position < start + size) return l[position - start];
    if (position == start + size) return '\r';
    if (position == start + size + 1) return '\n';
    start += size + kBreakWidth;
  }
  return 0;
}

std::string ArticleBox::bytes_at(int position, int count) const {
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += byte_at(position + i);
  return bytes;
}

void ArticleBox::append(int k, std::string_view text) {
  if (k < 0) return;
  while (line_count() <= k) {
    lines_.emplace_back();
    colours_.emplace_back();
  }
  lines_[k] += text;
  colours_[k].resize(lines_[k].size(), text_colour_);
  changed_.insert(k);
}

void ArticleBox::cut_end(int k, std::size_t count) {
  if (k < 0 || k >= line_count()) return;
  std::string& l = lines_[k];
  l.resize(l.size() - std::min(count, l.size()));
  colours_[k].resize(l.size());
  changed_.insert(k);
}

void ArticleBox::colour(int position, int count, Colour colour) {
  if (count <= 0 || position + count <= 0) return;
  int start = 0;
  for (int k = 0; k < line_count(); ++k) {
    const int size = static_cast<int>(lines_[k].size());
    for (int p = std::max(position, start); p < position + count && p < start + size; ++p) {
      colours_[k][p - start] = colour;
      changed_.insert(k);
    }
    start += size + kBreakWidth;
    if (start >= position + count) return;
  }
}

Colour ArticleBox::colour_at(int k, std::size_t column) const {
  if (k < 0 || k >= line_count() || column >= colours_[k].size()) return text_colour_;
  return colours_[k][column];
}

void ArticleBox::replace_text_colour(Colour colour) {
  for (int k = 0; k < line_count(); ++k) {
    for (Colour& c : colours_[k]) {
      if (c == text_colour_) {
        c = colour;
        changed_.insert(k);
      }
    }
  }
  text_colour_ = colour;
}

std::set<int> ArticleBox::take_changed() { return std::exchange(changed_, {}); }

}  // namespace tavrel::article

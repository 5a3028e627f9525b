// Fixed-width blank-filled fields.
#include "fixed_field.h"

namespace tavrel {

std::string left_field(std::string_view text, std::size_t width) {
  std::string field(text.substr(0, width));
  field.append(width - field.size(), ' ');
  return field;
}

std::string right_field(std::string_view text, std::size_t width) {
  std::string_view kept = text.substr(0, width);
  std::string field(width - kept.size(), ' ');
  field.append(kept);
  return field;
}

std::string_view trim_blanks(std::string_view text) {
  auto is_blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace tavrel

// Level steps, contrast colours and number parsing for the drill settings.
#include "drills/settings_rules.h"

#include <charconv>
#include <stdexcept>
#include <string>

#include "common/fixed_field.h"

namespace tavrel::drills {

int level_step(int index) {
  constexpr int kSteps[] = {1, 4, 6, 10};
  return index >= 0 && index < 4 ? kSteps[index] : 1;
}

std::uint32_t contrast_colour(std::uint32_t colour) {
  switch (colour) {
    case 0x808000:  // teal and its neighbours: yellow
    case 0x808040:
    case 0x408000:
    case 0x408080:
      return 0x00FFFF;
    case 0x008000:  // green, olive, grey: fuchsia
    case 0x008080:
    case 0x808080:
      return 0xFF00FF;
    default:
      return ~colour & 0xFFFFFF;
  }
}

int parse_whole_number(std::string_view text) {
  std::string_view digits = trim_blanks(text);
  if (digits.size() > 1 && digits.front() == '+' && digits[1] != '-') digits.remove_prefix(1);
  int value = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
    throw std::invalid_argument("'" + std::string(text) + "' 不是有效的整数值");
  return value;
}

}  // namespace tavrel::drills

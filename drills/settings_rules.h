// The rules of the drill settings: levels, the contrast colour of a board colour, numbers.
#pragma once

#include <cstdint>
#include <string_view>

namespace tavrel::drills {

// The gauge step of the level at `index` in the level list (0-3); 1 for any other.
int level_step(int index);

// The font colour that goes with a board colour; colours are 0x00BBGGRR.
std::uint32_t contrast_colour(std::uint32_t colour);

// A whole number as the settings window accepts it (blanks around it and a sign allowed);
// throws std::invalid_argument naming the text otherwise.
int parse_whole_number(std::string_view text);

}  // namespace tavrel::drills

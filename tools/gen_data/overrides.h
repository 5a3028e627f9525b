// The reviewed table of hand decisions on character codes, one line per character with its reason.
#pragma once

#include <istream>
#include <map>
#include <string>

namespace tavrel::gen {

// One hand decision. Each of the three values is empty where the sources stand ("-" in the file).
struct CodeOverride {
  std::string four_corner;     // the four-corner value to read from: "2421.4" as "24214", or "5030"
  std::string stroke_letters;  // the stroke names where the stroke-name data lacks them
  std::string code;            // the Tavrel code itself, where the reading gets it wrong
  std::string reason;
};

// Lines "字 TAB four-corner TAB stroke letters TAB Tavrel code TAB reason"; "#" begins a comment
// line. Throws std::runtime_error naming the line for a malformed one, a character listed twice,
// a line that decides nothing, or one without a reason.
std::map<std::string, CodeOverride> read_code_overrides(std::istream& in);

}  // namespace tavrel::gen

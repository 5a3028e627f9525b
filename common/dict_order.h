// The one byte-wise collation of the program: dictionary files are sorted in it.
#pragma once

#include <string_view>

namespace tavrel {

// Compares byte by byte as unsigned values, with 'a'-'z' taken as 'A'-'Z'; a string that is a
// prefix of the other sorts first. Returns -1, 0 or 1.
int dict_compare(std::string_view a, std::string_view b);

inline bool dict_less(std::string_view a, std::string_view b) { return dict_compare(a, b) < 0; }

}  // namespace tavrel

// Writing Unicode code points as UTF-8.
#pragma once

#include <string>

namespace tavrel {

// Appends `cp` as UTF-8; a surrogate or a value beyond U+10FFFF becomes U+FFFD.
void append_utf8(std::string& out, char32_t cp);

}  // namespace tavrel

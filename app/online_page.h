// Which address the launcher's online button opens, from "Server.ini".
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tavrel {

extern const char* const kDefaultOnlinePage;

// True for an http:// or https:// address (scheme in any letter case) with a host and no
// blanks or control characters: only such an address is handed to the shell.
bool is_web_address(std::string_view address);

// The address to open: nothing when `ini_file` does not exist; its [ServerSetup] Address when
// set, else the default page; nothing when the address is not a web address.
std::optional<std::string> online_page_address(const std::filesystem::path& ini_file);

}  // namespace tavrel

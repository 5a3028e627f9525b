// The online page: "Server.ini" may name it, but only a web address is ever opened.
#include "app/online_page.h"

#include <algorithm>

#include "common/ini_file.h"

namespace tavrel {

const char* const kDefaultOnlinePage = "https://tavrel.example.org/tvm.asp?lxid=4";

bool is_web_address(std::string_view address) {
  auto starts_with_ci = [&](std::string_view prefix) {
    return address.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), address.begin(),
                      [](char p, char a) { return p == ((a >= 'A' && a <= 'Z') ? a + 32 : a); });
  };
  std::size_t scheme = starts_with_ci("https://") ? 8 : starts_with_ci("http://") ? 7 : 0;
  if (scheme == 0 || address.size() == scheme) return false;
  char first_of_host = address[scheme];
  if (first_of_host == '/' || first_of_host == '\\') return false;
  return std::none_of(address.begin(), address.end(),
                      [](char c) { return static_cast<unsigned char>(c) <= 0x20 || c == 0x7F; });
}

std::optional<std::string> online_page_address(const std::filesystem::path& ini_file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(ini_file, ec)) return std::nullopt;
  std::string address =
      read_ini_value(ini_file, "ServerSetup", "Address").value_or(kDefaultOnlinePage);
  if (!is_web_address(address)) return std::nullopt;
  return address;
}

}  // namespace tavrel

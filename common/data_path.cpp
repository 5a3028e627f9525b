// Path mapping: backslashes, GBK names stored as UTF-8, case-insensitive fall-back.
#include "data_path.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <vector>

#include "gbk.h"
#include "user_files.h"

namespace fs = std::filesystem;

namespace tavrel {
namespace {

std::vector<std::string> split_components(std::string_view path) {
  std::vector<std::string> parts;
  std::string current;
  for (char c : path) {
    if (c == '\\' || c == '/') {
      if (!current.empty()) parts.push_back(std::move(current));
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) parts.push_back(std::move(current));
  return parts;
}

bool equal_ignoring_ascii_case(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; };
           return lower(x) == lower(y);
         });
}

bool exists_quietly(const fs::path& p) {
  std::error_code ec;
  return fs::exists(p, ec);
}

bool is_ascii(std::string_view s) {
  return std::all_of(s.begin(), s.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The spellings a stored name may have: as given, and its GBK bytes decoded.
std::vector<std::string> spellings(const std::string& name) {
  std::vector<std::string> result{name};
  if (!is_ascii(name) && is_valid_gbk(name)) {
    std::string decoded = utf8_from_gbk(name);
    if (decoded != name) result.push_back(decoded);
  }
  return result;
}

fs::path resolve_component(const fs::path& dir, const std::string& name) {
  if (name == "." || name == "..") return dir / name;
  auto names = spellings(name);
  for (const auto& n : names)
    if (exists_quietly(dir / n)) return dir / n;
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::string entry = it->path().filename().string();
    for (const auto& n : names)
      if (equal_ignoring_ascii_case(entry, n)) return dir / entry;
  }
  return dir / names.back();
}

}  // namespace

fs::path resolve_path(std::string_view path, const fs::path& base) {
  bool absolute = !path.empty() && (path.front() == '/' || path.front() == '\\');
  fs::path result = absolute ? fs::path("/") : base;
  for (const auto& name : split_components(path)) result = resolve_component(result, name);
  return user_file_for(result);
}

fs::path resolve_path(std::string_view path) {
  std::error_code ec;
  fs::path cwd = fs::current_path(ec);
  return resolve_path(path, ec ? fs::path(".") : cwd);
}

int open_read_only(std::string_view path) {
  const std::string spelled = spelled_path(path);
  // O_NONBLOCK: a pipe in a file's place must not hold the opening until a writer comes.
  if (const fs::path own = user_file_for(spelled); own != spelled)
    return ::open(own.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  const int fd = ::open(spelled.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd >= 0 || errno != ENOENT) return fd;
  return ::open(resolve_path(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

std::string spelled_path(std::string_view path) {
  std::string spelled(path);
  std::replace(spelled.begin(), spelled.end(), '\\', '/');
  return spelled;
}

bool path_exists(std::string_view path) { return exists_quietly(resolve_path(path)); }

std::string program_dir_for_executable(const fs::path& executable) {
  fs::path dir = executable.parent_path();
  const fs::path installed = dir.parent_path() / "share" / "tavrel";
  if (!exists_quietly(dir / "hzlib") && exists_quietly(installed / "hzlib")) dir = installed;
  std::string text = dir.string();
  if (text.empty() || text.back() != '/') text += '/';
  return text;
}

fs::path program_library_for_executable(const fs::path& executable, std::string_view file_name) {
  const fs::path beside = executable.parent_path() / file_name;
  if (exists_quietly(beside)) return beside;
  return executable.parent_path().parent_path() / TAVREL_PRIVATE_LIBDIR / file_name;
}

std::string program_dir_from(std::string_view argv0) {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec || exe.empty()) exe = fs::absolute(fs::path(argv0), ec);
  return program_dir_for_executable(exe);
}

}  // namespace tavrel

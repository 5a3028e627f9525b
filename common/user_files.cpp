// Each user's own record files: the decision at start-up and the copy made on first use.
#include "common/user_files.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace tavrel {
namespace {

struct Redirect {
  fs::path shipped;  // the blank file in the program's tree, canonical
  fs::path own;      // the user's copy
};

std::vector<Redirect>& redirects() {
  static std::vector<Redirect> table;
  return table;
}

fs::path canonical_quietly(const fs::path& path) {
  std::error_code ec;
  fs::path result = fs::weakly_canonical(path, ec);
  return ec ? path.lexically_normal() : result;
}

fs::path joined(const fs::path& dir, std::string_view program_path) {
  std::string relative(program_path);
  std::replace(relative.begin(), relative.end(), '\\', '/');
  return dir / relative;
}

bool is_installed_tree(std::string_view program_dir) {
  fs::path dir = fs::path(program_dir).lexically_normal();
  if (!dir.has_filename()) dir = dir.parent_path();
  return dir.filename() == "tavrel" && dir.parent_path().filename() == "share";
}

std::runtime_error copy_error(const Redirect& file, const std::error_code& ec) {
  return std::runtime_error("无法在个人文件夹中建立记录文件 " + file.own.string() + "：" +
                            ec.message());
}

// Copies the shipped blank through a file beside the target, so that an interrupted copy never
// leaves a half file that later starts would take for the user's own.
void make_own_copy(const Redirect& file) {
  std::error_code ec;
  fs::create_directories(file.own.parent_path(), ec);
  if (ec) throw copy_error(file, ec);
  if (!fs::exists(file.shipped, ec)) return;
  fs::path partial = file.own;
  partial += ".part";
  fs::copy_file(file.shipped, partial, fs::copy_options::overwrite_existing, ec);
  if (!ec)
    fs::permissions(partial,
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                        fs::perms::others_read,
                    ec);
  if (!ec) fs::rename(partial, file.own, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(partial, ignored);
    throw copy_error(file, ec);
  }
}

}  // namespace

fs::path user_data_folder(const char* xdg_data_home, const char* home) {
  if (xdg_data_home && xdg_data_home[0] == '/') return fs::path(xdg_data_home) / "tavrel";
  std::string home_dir = home && home[0] ? home : "";
  if (home_dir.empty()) {
    const passwd* entry = ::getpwuid(::getuid());
    if (entry && entry->pw_dir) home_dir = entry->pw_dir;
  }
  return fs::path(home_dir) / ".local" / "share" / "tavrel";
}

std::optional<fs::path> user_files_folder(std::string_view program_dir, bool files_folder_writable,
                                          const char* xdg_data_home, const char* home) {
  if (files_folder_writable && !is_installed_tree(program_dir)) return std::nullopt;
  return user_data_folder(xdg_data_home, home);
}

void decide_user_files(std::string_view program_dir) {
  const fs::path files = fs::path(program_dir) / "files";
  const bool writable = ::access(files.c_str(), W_OK) == 0;
  auto folder =
      user_files_folder(program_dir, writable, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  if (folder) keep_user_files_in(program_dir, *folder);
}

void keep_user_files_in(const fs::path& program_dir, const fs::path& user_folder) {
  auto& table = redirects();
  table.clear();
  for (const auto& file : kUserFiles)
    table.push_back(
        {canonical_quietly(joined(program_dir, file.program_path)), user_folder / file.user_name});
}

void keep_user_files_beside_program() { redirects().clear(); }

fs::path user_file_for(const fs::path& resolved) {
  for (const auto& file : redirects()) {
    if (resolved.filename() != file.shipped.filename()) continue;
    if (canonical_quietly(resolved) != file.shipped) continue;
    std::error_code ec;
    if (!fs::exists(file.own, ec)) make_own_copy(file);
    return file.own;
  }
  return resolved;
}

}  // namespace tavrel

// Maps the program's Windows-style paths ("hzlib\zh1", GBK names) to the file system.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tavrel {

// Resolves `path` (separators '\' or '/', names in GBK or UTF-8) against `base` unless it is
// absolute. Each name is taken as spelled when that entry exists, else as its GBK bytes
// decoded to UTF-8, else as an existing entry that differs only in ASCII letter case. A name
// that matches nothing keeps its decoded spelling, so that a file can be created there. A file
// the program writes may resolve to the user's own copy instead (user_files.h).
std::filesystem::path resolve_path(std::string_view path, const std::filesystem::path& base);

// The same against the process's current directory.
std::filesystem::path resolve_path(std::string_view path);

// Opens `path` read-only through the same mapping: a POSIX descriptor, or -1 with errno set.
// Opening never blocks (O_NONBLOCK), also on a pipe; the caller checks what it opened.
// A path that exists as spelled opens at once, without the walk through its folders (the
// mapping would find that spelling first anyway); the dictionary opens files on every lookup.
int open_read_only(std::string_view path);
// That first spelling: the path as given, with '/' for every '\'.
std::string spelled_path(std::string_view path);

// Existence test through the same mapping.
bool path_exists(std::string_view path);

// The program's own folder as a byte string with a trailing separator, from the path of the
// running executable (falling back to `argv0`).
std::string program_dir_from(std::string_view argv0);

// The program directory of an executable: its own folder, or, for an installed program
// (".../bin/tavrel" beside no data tree, ".../share/tavrel/" holding one), the shared data tree.
std::string program_dir_for_executable(const std::filesystem::path& executable);

// Where a library of the program's own lies for an executable: beside it (a build folder), or,
// when it is not there, in the installed package's private library folder
// (".../bin/../lib/<multiarch>/tavrel/").
std::filesystem::path program_library_for_executable(const std::filesystem::path& executable,
                                                     std::string_view file_name);

}  // namespace tavrel

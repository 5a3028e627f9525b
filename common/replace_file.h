// Rewriting a whole file so that a crash or a full disk never leaves it half written.
#pragma once

#include <filesystem>
#include <string_view>

namespace tavrel {

// Replaces the content of `file` with `bytes`: they are written to the file's temporary copy
// beside it (temporary_copy_of), forced to the disk and renamed over it, so the file holds either
// all of the old content or all of the new. An existing file's permissions carry over. A copy
// left by a write that was killed is reused; two programs writing the same file take turns.
// Refuses a symbolic link, a read-only file and what is not a regular file (check_rewritable).
// On failure the old file is untouched, the copy is removed, and FileError tells why in Chinese.
void replace_file(const std::filesystem::path& file, std::string_view bytes);

// The one temporary copy of `file`: "record.dat" is written as "record.dat.tavrel-new".
std::filesystem::path temporary_copy_of(const std::filesystem::path& file);

}  // namespace tavrel

// A private working folder per fuzzing process, and writing the input into files there.
#pragma once

#include <filesystem>
#include <string_view>

namespace tavrel::fuzz {

// The folder, created once and made the current directory (the readers use relative paths).
const std::filesystem::path& work_dir();

// Writes `bytes` to `relative` below the folder, folders created, and returns the full path.
std::filesystem::path put(const std::filesystem::path& relative, std::string_view bytes);

}  // namespace tavrel::fuzz

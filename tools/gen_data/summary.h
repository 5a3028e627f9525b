// Figures about a generated data tree, measured by reading its files back.
#pragma once

#include <filesystem>
#include <string>

namespace tavrel::gen {

// Records per file, candidates per code in each scope, and how often a character is the first
// candidate of its full code; one figure a line.
std::string describe_data(const std::filesystem::path& data_dir);

}  // namespace tavrel::gen

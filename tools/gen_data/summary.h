// Figures about a generated data tree, measured by reading its files back.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

#include "tools/gen_data/character_codes.h"

namespace tavrel::gen {

// Records per file, candidates per code in each scope, how often a character is the first
// candidate of its full code (also weighted by the characters' running-text counts), and how
// many four-character and long drill words are first candidates and on the first page.
std::string describe_data(const std::filesystem::path& data_dir,
                          const std::map<std::string, std::int64_t>& running_text = {});

// How the character codes were found: overrides, near ties, and the 附角 read from the strokes
// against the source's where it gives one.
std::string describe_character_codes(const CharacterCodeFigures& figures);

}  // namespace tavrel::gen

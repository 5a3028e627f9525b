// Finding and running the external programs (espeak-ng, sox) that render the sound cues.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tavrel::sound {

// The executable `name` on PATH, if there is one.
std::optional<std::filesystem::path> find_program(const std::string& name);

// Runs argv[0] (looked up on PATH) with the given arguments, without a shell, and waits for it.
// Throws std::runtime_error naming the command when it cannot start or does not exit with 0.
void run_program(const std::vector<std::string>& argv);

}  // namespace tavrel::sound

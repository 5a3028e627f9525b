// Rewriting a whole file so that a crash or a full disk never leaves it half written.
#pragma once

#include <filesystem>
#include <string_view>

namespace tavrel {

// Replaces the content of `file` with `bytes`: they are written to a new file beside it, forced
// to the disk and renamed over it, so the file holds either all of the old content or all of the
// new. An existing file's permissions carry over. On failure the old file is untouched, no copy
// is left behind, and std::system_error tells why.
void replace_file(const std::filesystem::path& file, std::string_view bytes);

}  // namespace tavrel

// Writing practice results into the learning history without ever holding up the practice.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "history/history_entries.h"

namespace tavrel::history {

// Where the history is kept. Nothing is recorded until start-up (or a test) sets a file;
// setting one also allows the next failure to be reported again.
void set_history_file(std::optional<std::filesystem::path> file);
const std::optional<std::filesystem::path>& history_file();

// Each writes one entry stamped with the platform clock's date and time. A failure (a damaged,
// read-only or locked file) is told to the learner once per program run and otherwise ignored:
// the drill, test or game goes on and its record files are written as before.
// Returns the new row's id, or 0 when nothing was written.
std::int64_t record(DrillRun run);
// The run `id` ended again after it was continued; with id 0 the run is added as new.
std::int64_t record_again(std::int64_t id, DrillRun run);
std::int64_t record(ArticleTest test);
std::int64_t record(WarmupGame game);

}  // namespace tavrel::history

// The learning history's figures as plain text, for `tavrel-tool history`.
#pragma once

#include <string>

#include "history_view/charts.h"

namespace tavrel::history {

// The series (entries, latest, best, mean), the minutes per day and the latest entries.
std::string terminal_report(const Charts& charts);

}  // namespace tavrel::history

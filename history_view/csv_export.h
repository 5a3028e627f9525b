// The whole learning history as CSV text: UTF-8, a header line, one line per entry in time order.
#pragma once

#include <string>

#include "history/history_entries.h"

namespace tavrel::history {

std::string history_csv(const History& history);

}  // namespace tavrel::history

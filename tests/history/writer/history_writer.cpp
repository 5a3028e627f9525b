// A second program for the tests: writes warm-up rows into a history file, as another instance
// of the program would, with a pause between writes. Usage: history_writer FILE ROWS
#include <chrono>
#include <cstdio>
#include <exception>
#include <string>
#include <thread>

#include "history/history_store.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  try {
    tavrel::history::HistoryStore store(argv[1]);
    const int rows = std::stoi(argv[2]);
    for (int i = 0; i < rows; ++i) {
      store.add(tavrel::history::WarmupGame{0, "2026-01-05 09:00:00", tavrel::history::kClassicMode,
                                            60, i});
      // A program writes once a run, not in a tight loop that would never let the other in.
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}

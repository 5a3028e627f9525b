// The drill window's entries in the learning history: one per run that ends or runs out of time.
#include <algorithm>

#include "drills/Unit1.h"
#include "drills/run_rules.h"
#include "history/recorder.h"

void TForm1::start_history() {
  RunErrors = RunHints = 0;
  HintCell = -1;
  HistoryRow = 0;
}

void TForm1::count_hint() {
  if (HintCell == CurrentCell) return;
  HintCell = CurrentCell;
  ++RunHints;
}

// A completed typing run keeps its last item counted as left (the last cell stays red), so the
// items answered are counted here rather than read from ItemsLeft.
void TForm1::record_history(bool completed) {
  const tavrel::drills::DrillKindInfo& kind = tavrel::drills::drill_kind(DrillKind);
  tavrel::history::DrillRun run;
  run.kind = DrillKind;
  run.level = NoLevel ? "无级别训练" : LevelName.toStdString();
  run.items = completed ? ItemsTotal : ItemsTotal - ItemsLeft;
  run.speed = tavrel::drills::chars_per_minute(
      static_cast<long long>(run.items) * kind.chars_per_item, std::max(SpeedTicks, 1));
  run.errors = RunErrors;
  run.hints = RunHints;
  run.seconds = SpeedTicks;
  run.completed = completed;
  HistoryRow = tavrel::history::record_again(HistoryRow, run);
}

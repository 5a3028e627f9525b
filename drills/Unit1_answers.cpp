// The drill window's answer boxes: keys typed into them, judging, and the picture runs.
#include <stdexcept>

#include "common/data_path.h"
#include "common/gbk.h"
#include "drills/UPhbIn.h"
#include "drills/Unit1.h"
#include "drills/Unit1_shared.h"
#include "drills/Unitdelait.h"
#include "drills/judging.h"
#include "drills/records.h"
#include "drills/run_rules.h"
#include "platform/keys.h"
#include "platform/qt_text.h"

using tavrel::drills::Family;
namespace drills = tavrel::drills;
using namespace unit1;

namespace {

bool ends_with_digit(const QString& text) {
  return !text.isEmpty() && text.back() >= QLatin1Char('0') && text.back() <= QLatin1Char('9');
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Answer boxes and judging.

QLineEdit* TForm1::box_of(Family family) const {
  switch (family) {
    case Family::kBasic:
      return Labelhint1;
    case Family::kCharacter:
      return Editinput;
    default:
      return Editinput2;
  }
}

bool& TForm1::after_help_of(Family family) {
  switch (family) {
    case Family::kBasic:
      return BasicAfterHelp;
    case Family::kCharacter:
      return CharAfterHelp;
    default:
      return WordAfterHelp;
  }
}

int& TForm1::errors_of(Family family) {
  switch (family) {
    case Family::kBasic:
      return BasicErrors;
    case Family::kCharacter:
      return CharErrors;
    default:
      return WordErrors;
  }
}

void TForm1::Labelhint1KeyDown(int key) { box_key_down(Family::kBasic, key); }
void TForm1::EditinputKeyDown(int key) { box_key_down(Family::kCharacter, key); }
void TForm1::Editinput2KeyDown(int key) { box_key_down(Family::kWord, key); }
void TForm1::Labelhint1Change() { box_change(Labelhint1); }
void TForm1::EditinputChange() { box_change(Editinput); }
void TForm1::Editinput2Change() { box_change(Editinput2); }

void TForm1::box_change(QLineEdit* box) {
  QString text = box->text();
  if (!text.isEmpty()) {
    if (ends_with_digit(text)) {
      box->setCursorPosition(static_cast<int>(text.size()));
    } else {
      text.chop(1);
      box->setText(text);
      box->setCursorPosition(static_cast<int>(text.size()));
    }
  }
  if (PendingReplace) {
    PendingReplace = false;
    box->setText(PendingText);
  }
}

void TForm1::box_key_down(Family family, int key) {
  using drills::KeyRole;
  namespace vk = tavrel::vk;
  QLineEdit* box = box_of(family);
  PendingReplace = false;
  if (family != Family::kWord) BitBtn1->hide();
  bool& after_help = after_help_of(family);
  if (after_help) {
    after_help = false;
    if (key != vk::kSubtract && key != vk::kF1) {
      PendingReplace = true;
      const int digit = drills::digit_of_key(key);
      PendingText = digit >= 0 ? QString::number(digit) : QString();
    }
  }
  const KeyRole role = drills::key_role(family, key);
  bool submission_due = role == KeyRole::kSubmit;
  if (role == KeyRole::kDelete) {
    QString text = box->text();
    text.chop(1);
    box->setText(text);
    box->setCursorPosition(static_cast<int>(text.size()));
  }
  if (box->text().size() == drills::kBoxFull) submission_due = true;
  if (submission_due) {
    const QString typed = box->text();
    PendingReplace = true;
    PendingText.clear();
    judge(family, typed);
  }
  if (role == KeyRole::kHelp) help_key(family);
}

void TForm1::judge(Family family, const QString& typed) {
  const auto& codes = codes_[family_index(family)];
  if (CurrentCell < 0 || static_cast<std::size_t>(CurrentCell) >= codes.size()) return;
  if (!drills::answer_is_right(tavrel::to_gbk(typed),
                               codes[static_cast<std::size_t>(CurrentCell)])) {
    wrong_answer(family);
  } else if (family == Family::kBasic) {
    right_picture();
  } else {
    right_typed(family);
  }
}

void TForm1::wrong_answer(Family family) {
  QLineEdit* box = box_of(family);
  ++RunErrors;
  const drills::WrongAnswer wrong =
      drills::count_wrong_answer(family, errors_of(family), auto_hint_on(), HintAfter);
  if (family == Family::kBasic) box->clear();
  if (wrong.message) {
    Timer4->start();
    if (family != Family::kWord) cue(kCueZaixiang);
    if (family == Family::kBasic)
      say("再想想", "再想想");
    else
      say("再想想！", "加油啊！");
  }
  if (!wrong.hint) return;
  const QString code = tavrel::from_gbk(cell_code(family, CurrentCell));
  if (family == Family::kBasic) {
    Labelhint1->show();
    Labelhint1->setText(code);
  } else {
    // The typing boxes show the code as F1 does: the next digit starts a new code. The key
    // that was judged still puts its own character into the box after this handler; the
    // pending replacement puts the code back, or the digit would be appended to it and the
    // shown code be judged wrong once more.
    PendingReplace = false;
    box->setText(code);
    PendingReplace = true;
    PendingText = code;
    after_help_of(family) = true;
  }
}

void TForm1::right_picture() {
  BasicErrors = 0;
  Timer4->stop();
  say("Tavrel编码", "Tavrel天下");
  const bool last = ItemsLeft == 1;
  --ItemsLeft;
  if (last) complete_picture_run();
  show_picture(Images[static_cast<std::size_t>(CurrentCell)], true);
  const drills::BoxPlace next =
      drills::next_picture_place({Labelhint1->x(), Labelhint1->y(), ImageColumn, CurrentCell});
  CurrentCell = next.cell;
  ImageColumn = next.column;
  Labelhint1->clear();
  Labelhint1->move(next.left, next.top);
  Image71->move(next.left + 17, next.top + 6);
  if (ItemsLeft == 0) record_check();
}

void TForm1::complete_picture_run() {
  Timer1->stop();
  SpeedRunning = false;
  FinalSpeedDue = true;
  SBtnStart->setEnabled(true);
  // No item is left to answer or pause for.
  Labelhint1->setEnabled(false);
  SBtnPause->setEnabled(false);
  record_history(true);
  cue(kCueWin);
  say(" 太棒了！", " 继续训练吗？", " 按《开始》键");
}

void TForm1::right_typed(Family family) {
  if (ItemsLeft <= 1) {
    complete_typed_run();
    return;
  }
  QLineEdit* box = box_of(family);
  const drills::BoxPlace at{box->x(), box->y(), CellColumn, CurrentCell};
  const drills::BoxPlace next = family == Family::kCharacter ? drills::next_character_place(at)
                                : DrillKind == 11            ? drills::next_long_word_place(at)
                                                             : drills::next_word_place(at);
  CellColumn = next.column;
  --ItemsLeft;
  set_cell_colour(cell_label(family, CurrentCell), kNavy, true);
  box->move(next.left, next.top);
  CurrentCell = next.cell;
  box->clear();
  set_cell_colour(cell_label(family, CurrentCell), kRed, true);
}

void TForm1::complete_typed_run() {
  Timer1->stop();
  // The readout stays at the speed the record check reads.
  Timer3->stop();
  SpeedRunning = false;
  Timer4->start();
  Gauge1->setValue(0);
  Gauge2->setValue(0);
  box_of(drills::family_of(DrillKind))->setEnabled(false);
  SBtnStart->setEnabled(true);
  SBtnPause->setEnabled(false);
  say("太棒了！", "想继续训练吗？", "请按《开始》键");
  record_history(true);
  record_check();
}

void TForm1::record_check() {
  if (IsNewRecord()) {
    cue(kCueHero);
    FPhbin->RecordKind = DrillKind;
    FPhbin->RecordSpeed = tavrel::to_gbk(Labeljifen->text());
    FPhbin->exec();
  } else {
    cue(kCueWin);
  }
}

void TForm1::help_key(Family family) {
  const std::string& code = cell_code(family, CurrentCell);
  QLineEdit* box = box_of(family);
  after_help_of(family) = true;
  count_hint();
  if (family != Family::kBasic) {
    const drills::Item item{cell_text(family, CurrentCell), code};
    if (family == Family::kCharacter) {
      HelpItemText = std::string(tavrel::gbk_prefix(item.text, 4));
      HelpLists.store(DrillKind, item);
      if (tavrel::path_exists("statement\\" + HelpItemText + ".bmp")) BitBtn1->show();
    } else {
      HelpLists.store(DrillKind, item);
    }
  }
  box->setText(tavrel::from_gbk(code));
}

void TForm1::BitBtn1Click() {
  Timer1->stop();
  Timer3->stop();
  const std::string file = "statement\\" + HelpItemText + ".bmp";
  QPixmap picture(QString::fromStdString(tavrel::resolve_path(file).string()));
  if (picture.isNull()) throw std::runtime_error("无法读取图片：" + tavrel::utf8_from_gbk(file));
  formdelait->Image1->setPixmap(picture);
  formdelait->exec();
  Editinput->setFocus();
}

bool IsNewRecord() {
  return tavrel::drills::is_new_record(tavrel::drills::kRecordFile, Form1->DrillKind,
                                       tavrel::to_gbk(Form1->Labeljifen->text()));
}

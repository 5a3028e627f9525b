// The drill window's runs: choosing a kind, starting, the level, speed and hint clocks, leaving.
#include <algorithm>
#include <stdexcept>

#include "common/data_path.h"
#include "drills/UPhb.h"
#include "drills/Unit1.h"
#include "drills/Unit1_shared.h"
#include "drills/Unitstop.h"
#include "drills/drill_art.h"
#include "drills/shezhi.h"
#include "platform/UnitSM.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "platform/rich_text.h"
#include "platform/shuoming.h"
#include "platform/sound.h"
#include "platform/test_help.h"

using tavrel::drills::Family;
namespace drills = tavrel::drills;
using namespace unit1;

// ---------------------------------------------------------------------------------------
// Choosing a kind, clearing and leaving.

void TForm1::SpeedButton8Click() { choose_kind(0); }
void TForm1::SpeedButton10Click() { choose_kind(1); }
void TForm1::SpeedButton9Click() { choose_kind(2); }
void TForm1::SpeedButton12Click() { choose_kind(3); }
void TForm1::SpeedButton17Click() { choose_kind(4); }
void TForm1::SpeedButton13Click() { choose_kind(5); }
void TForm1::SpeedButton18Click() { choose_kind(6); }
void TForm1::SpeedButton4Click() { choose_kind(7); }
void TForm1::SpeedButton6Click() { choose_kind(8); }
void TForm1::SpeedButton5Click() { choose_kind(9); }
void TForm1::SpeedButton7Click() { choose_kind(10); }
void TForm1::SpeedButton2Click() { choose_kind(11); }

void TForm1::choose_kind(int kind) {
  LeaveKind(DrillKind);
  DrillKind = kind;
  const Family family = drills::family_of(kind);
  if (family != Family::kBasic) {
    drills::HelpList& list = HelpLists.of_kind(kind);
    if (list.owner_kind != kind) list.clear();
  }
  Imagefaceclose->show();
  Timer4->start();
  say(drills::drill_kind(kind).title_on_choosing, "请按<开始>键");
  if (family == Family::kBasic) Labelhint1->hide();
  SBtnStart->setEnabled(true);
}

void TForm1::ClearBoard(int kind) {
  SpeedTicks = 0;
  Timer3->stop();
  Labeljifen->clear();
  SBtnStart->setText(u8("开始"));
  BitBtn1->hide();
  switch (drills::family_of(kind)) {
    case Family::kBasic:
      for (QLabel* image : Images) image->hide();
      break;
    case Family::kCharacter:
      for (QLabel* cell : CharCells) {
        cell->setAutoFillBackground(false);
        cell->hide();
      }
      break;
    case Family::kWord:
      for (QLabel* cell : WordCells) {
        cell->setAutoFillBackground(false);
        cell->hide();
      }
      break;
  }
}

void TForm1::LeaveKind(int kind) {
  Labeloutput1->setPalette(Labeloutput1->parentWidget()->palette());
  HelpLists.count = 0;
  switch (drills::family_of(kind)) {
    case Family::kBasic:
      Image71->hide();
      break;
    case Family::kCharacter:
      Editinput->move(8, 34);
      Editinput->clear();
      HelpLists.characters.owner_kind = kind;
      Editinput->hide();
      break;
    case Family::kWord:
      Editinput2->move(5, 24);
      Editinput2->clear();
      HelpLists.words.owner_kind = kind;
      Editinput2->hide();
      break;
  }
  if (FormSM) FormSM->close();
  ClearBoard(DrillKind);
  SBtnStart->setEnabled(true);
  SBtnSetup->setEnabled(true);
  sbAbout->setEnabled(true);
  Gauge1->setValue(0);
  Gauge2->setValue(0);
  Timer1->stop();
  if (Formstop) Formstop->close();
  SBtnPause->setEnabled(false);
}

// ---------------------------------------------------------------------------------------
// Runs.

void TForm1::SBtnStartClick() {
  if (Gauge2->value() >= drills::kGaugeFull)
    continue_run();
  else
    fresh_start();
}

void TForm1::fresh_start() {
  cue(kCueStart);
  if (FormSM) FormSM->close();
  SBtnPause->setEnabled(true);
  sbAbout->setEnabled(false);
  SBtnSetup->setEnabled(false);
  Timer4->start();
  SpeedRunning = true;
  Imagebike->show();
  Imagecar->hide();
  Imageplane->hide();
  SpeedTicks = 0;
  Labeljifen->clear();
  Gauge1->setValue(0);
  Gauge2->setValue(0);
  ImageColumn = 0;
  const drills::DrillKindInfo& kind = drills::drill_kind(DrillKind);
  say(kind.title_at_start, "按F1键帮助");
  ItemsTotal = ItemsLeft = kind.items;
  start_history();
  try {
    fill_board();
  } catch (...) {
    back_to_choosing();
    throw;
  }
  Image71->move(32, 68);
  Image71->show();
  CellColumn = 0;
  Labelhint1->move(15, 62);
  Labelhint1->show();
  Editinput->move(8, 44);
  Editinput->clear();
  Editinput->show();
  Editinput2->move(2, 34);
  Editinput2->clear();
  Editinput2->show();
  HelpLists.count = 0;
  QLineEdit* box = box_of(drills::family_of(DrillKind));
  box->setEnabled(true);
  box->show();
  box->setFocus();

  tavrel::platform().wait_one_second();
  start_level_clock();
  Timer3->start();
  SBtnStart->setEnabled(false);
  SBtnSetup->setEnabled(false);
}

// A start whose board could not be filled leaves the window ready to choose again.
void TForm1::back_to_choosing() {
  ClearBoard(DrillKind);
  SpeedRunning = false;
  SBtnPause->setEnabled(false);
  SBtnStart->setEnabled(true);
  SBtnSetup->setEnabled(true);
  sbAbout->setEnabled(true);
  Image71->hide();
  Labelhint1->hide();
  Editinput->hide();
  Editinput2->hide();
  say(drills::drill_kind(DrillKind).title_on_choosing, "请按<开始>键");
}

void TForm1::fill_board() {
  auto random = [](int n) { return tavrel::platform().random(n); };
  const Family family = drills::family_of(DrillKind);
  const int f = family_index(family);
  if (family == Family::kBasic) {
    std::vector<drills::Item> items = drills::fill_picture_board(DrillKind, random);
    for (std::size_t i = 0; i < items.size(); ++i) {
      QPixmap picture(QString::fromStdString(tavrel::resolve_path(items[i].text).string()));
      if (picture.isNull()) throw std::runtime_error("无法读取图片：" + items[i].text);
      pictures_[i] = picture;
      codes_[f][i] = items[i].code;
      texts_[f][i] = items[i].text;
      Images[i]->setToolTip(tavrel::from_gbk(items[i].code));
      show_picture(Images[i], false);
      Images[i]->show();
    }
    CurrentCell = 0;
    return;
  }
  std::vector<drills::PlacedItem> items =
      drills::fill_list_board(DrillKind, HelpLists.of_kind(DrillKind), random);
  for (const drills::PlacedItem& placed : items) {
    const auto cell = static_cast<std::size_t>(placed.cell);
    codes_[f][cell] = placed.item.code;
    texts_[f][cell] = placed.item.text;
    QLabel* label = cell_label(family, placed.cell);
    label->setText(tavrel::from_gbk(placed.item.text));
    label->setToolTip(tavrel::from_gbk(placed.item.code));
    if (family == Family::kWord)  // long words reach over the hidden cells beside them
      label->resize(std::max(108, label->sizeHint().width()), label->height());
    label->show();
    set_cell_colour(label, kTeal, label->autoFillBackground());
  }
  CurrentCell = items.front().cell;
  set_cell_colour(cell_label(family, CurrentCell), kRed, true);
}

void TForm1::continue_run() {
  SBtnStart->setText(u8("开始"));
  SBtnStart->setEnabled(false);
  SBtnPause->setEnabled(true);
  SBtnSetup->setEnabled(false);
  sbAbout->setEnabled(false);
  Gauge1->setValue(0);
  Gauge2->setValue(0);
  say("加油啊！", "");
  start_level_clock();
  Timer3->start();
  Timer4->start();
  QLineEdit* box = box_of(drills::family_of(DrillKind));
  box->setEnabled(true);
  box->setFocus();
}

void TForm1::start_level_clock() {
  if (!NoLevel) Timer1->start();
}

void TForm1::resume_clocks_if_running() {
  if (SBtnStart->isEnabled()) return;
  start_level_clock();
  Timer3->start();
}

void TForm1::Timer1Timer() {
  int gauge1 = Gauge1->value(), gauge2 = Gauge2->value();
  const bool was_full = gauge1 >= drills::kGaugeFull;
  const drills::LevelTick tick = drills::level_tick(gauge1, gauge2, LevelStep);
  // The gauges move before any cue, so that a sound that fails does not hold the clock.
  Gauge1->setValue(gauge1);
  Gauge2->setValue(gauge2);
  if (was_full) {
    if (tick.first_full) cue(kCueJiayou);
    if (tick.stop) {
      Timer1->stop();
    } else {
      Timer4->start();
      say("加油啊！", "加油啊！");
    }
  }
  if (tick.half_way) {
    Timer4->start();
    cue(kCueJiayou);
    say("加油啊！", "加油啊！");
  }
  if (tick.time_up) {
    SBtnStart->setEnabled(true);
    SBtnStart->setText(u8("继续"));
    Timer4->start();
    Labelplay1->setText(u8("你离\"") + LevelName + u8("\""));
    Labelplay2->setText(u8("还有一点距离."));
    Labelplay3->setText(u8("加油啊！"));
    Labelplay4->setText(u8("可按<继续>键继续."));
    SBtnPause->setEnabled(false);
    Timer1->stop();
    Editinput->setEnabled(false);
    Editinput2->setEnabled(false);
    Labelhint1->setEnabled(false);  // the basic box waits for 继续 as well
    record_history(false);
    cue(kCueTimeUp);
  }
}

void TForm1::show_speed(int speed) {
  Labeljifen->setText(QString::number(speed));
  const drills::Vehicle vehicle = drills::vehicle_for(speed);
  Imagebike->setVisible(vehicle == drills::Vehicle::kBike);
  Imagecar->setVisible(vehicle == drills::Vehicle::kCar);
  Imageplane->setVisible(vehicle == drills::Vehicle::kPlane);
}

void TForm1::Timer3Timer() {
  if (SpeedRunning) {
    ++SpeedTicks;
    if (SpeedTicks % 10 == 0) {
      const long long done = static_cast<long long>(ItemsTotal - ItemsLeft) *
                             drills::drill_kind(DrillKind).chars_per_item;
      show_speed(drills::chars_per_minute(done, SpeedTicks));
    }
  }
  if (ItemsLeft == 0 && FinalSpeedDue) {
    // A run finished within its first second still shows a speed.
    Labeljifen->setText(
        QString::number(drills::chars_per_minute(ItemsTotal, std::max(SpeedTicks, 1))));
    SpeedTicks = 0;
    FinalSpeedDue = false;
  }
}

void TForm1::Timer4Timer() {
  ++face_count_;
  Imagefaceclose->show();
  if (face_count_ == 4 || face_count_ == 8) {
    Imagefaceclose->hide();
    Imagefaceopen->show();
  }
  if (face_count_ == 7 || face_count_ == 10) Imagefaceopen->hide();
  if (face_count_ >= 10) face_count_ = 0;
}

void TForm1::TimertimeTimer() {
  auto& platform = tavrel::platform();
  Label1->setText(platform.long_time(platform.now().time()));
}

void TForm1::SBtnPauseClick() {
  Timer1->stop();
  Timer3->stop();
  Timer4->stop();
  cue(kCuePause);
  Formstop->exec();
  Form2->MediaPlayer1.close();
  start_level_clock();
  Timer3->start();
  Timer4->start();
}

void TForm1::SBtnSetupClick() {
  Timer1->stop();
  Timer3->stop();
  if (!tavrel::sound_ready(Form2->MediaPlayer1)) {
    form_sz->CheckBox1->setChecked(false);
    form_sz->CheckBox1->setEnabled(false);
  }
  form_sz->exec();
}

void TForm1::sbAboutClick() {
  Timer1->stop();
  Timer3->stop();
  FPhb->exec();
}

void TForm1::sbHelpClick() {
  Timer1->stop();
  Timer3->stop();
  const char* const kHelpFile = "files\\tvmsm.rtf";
  if (tavrel::path_exists(kHelpFile)) {
    tavrel::load_rich_text(*form_help->RichEdit1, kHelpFile);
    form_help->exec();
  }
  resume_clocks_if_running();
}

void TForm1::SBtnQuitClick() {
  if (tavrel::platform().message_box(this, u8("确定退出吗"), u8("确认"),
                                     tavrel::MsgButtons::OkCancel,
                                     tavrel::MsgIcon::Question) != tavrel::MsgResult::Ok)
    return;
  ClearBoard(DrillKind);
  LeaveKind(DrillKind);
  close();
}

bool TForm1::music_on() const { return form_sz && form_sz->CheckBox1->isChecked(); }

bool TForm1::auto_hint_on() const { return form_sz && form_sz->Checkhelp->isChecked(); }

void TForm1::cue(unsigned number) {
  if (music_on()) tavrel::play_cue(number, Form2->MediaPlayer1);
}

void TForm1::say(const char* line1, const char* line2, const char* line3, const char* line4) {
  Labelplay1->setText(u8(line1));
  Labelplay2->setText(u8(line2));
  Labelplay3->setText(u8(line3));
  Labelplay4->setText(u8(line4));
}

void TForm1::set_cell_colour(QLabel* cell, const QColor& colour, bool opaque) {
  QPalette palette = cell->palette();
  palette.setColor(QPalette::Window, colour);
  cell->setPalette(palette);
  cell->setAutoFillBackground(opaque);
}

void TForm1::show_picture(QLabel* cell, bool opaque) {
  const auto index =
      static_cast<std::size_t>(std::find(Images.begin(), Images.end(), cell) - Images.begin());
  if (index >= pictures_.size()) return;
  cell->setPixmap(opaque ? pictures_[index] : drills::transparent_picture(pictures_[index]));
}

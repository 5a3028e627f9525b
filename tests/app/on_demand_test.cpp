// Windows built on demand: start-up creates them all without their controls, and the controls
// exist with their first states as soon as a window is shown or one of them is reached.
#include "platform/on_demand.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QShowEvent>
#include <QTabWidget>
#include <vector>

#include "app/face01.h"
#include "app/startup.h"
#include "article/test.h"
#include "article/test_result.h"
#include "common/data_path.h"
#include "drills/Unit1.h"
#include "drills/shezhi.h"
#include "platform/scripted_platform.h"
#include "warmup/UHot_sort.h"
#include "warmup/Uhelp.h"
#include "warmup/hot.h"

namespace tavrel {
namespace {

// A window that counts its builds and notes what happened in which order.
class Probe : public OnDemand<QDialog> {
 public:
  Probe() { log.push_back("created"); }
  Control<QLabel> Caption{this}, Second{this};
  ControlArray<QLabel, 3> Cells{this};
  std::vector<const char*> log;
  int builds = 0;

 protected:
  void build() override {
    ++builds;
    log.push_back("built");
    Caption = new QLabel("caption", this);
    Second = new QLabel(Caption->text(), this);  // controls reach each other while building
    for (auto& cell : Cells) cell = new QLabel(this);
  }
  void showEvent(QShowEvent* event) override {
    log.push_back(Caption ? "shown with controls" : "shown without controls");
    QDialog::showEvent(event);
  }
};

TEST(OnDemand, ReachingAControlBuildsTheWindowOnceWithAllItsControls) {
  Probe probe;
  EXPECT_FALSE(probe.controls_built());
  EXPECT_TRUE(probe.findChildren<QLabel*>().isEmpty());
  EXPECT_EQ(probe.Second->text(), QStringLiteral("caption"));
  EXPECT_TRUE(probe.controls_built());
  EXPECT_NE(probe.Cells[2], nullptr);
  EXPECT_EQ(probe.Cells.at(0)->parent(), &probe);
  probe.Caption->setText("changed");
  probe.show();
  EXPECT_EQ(probe.builds, 1);
  EXPECT_EQ(probe.findChildren<QLabel*>().size(), 5);
  EXPECT_EQ(probe.Caption->text(), QStringLiteral("changed")) << "not built again on show";
}

TEST(OnDemand, ShowingBuildsBeforeTheShowHandlerRuns) {
  Probe probe;
  probe.show();
  const std::vector<const char*> expected = {"created", "built", "shown with controls"};
  EXPECT_EQ(probe.log, expected);
  EXPECT_TRUE(probe.Caption->isVisible()) << "controls built at the show are shown with it";
}

class WindowsAtStartUp : public ::testing::Test {
 protected:
  void SetUp() override { create_windows(); }
  void TearDown() override { destroy_windows(); }
  ScopedScriptedPlatform platform_;
};

TEST_F(WindowsAtStartUp, LeavesEveryWindowButTheLauncherUnbuiltWithItsCreationDefaultsSet) {
  for (QWidget* window : created_windows()) {
    auto* on_demand = dynamic_cast<ControlsOnDemand*>(window);
    if (window == preface01) {
      EXPECT_EQ(on_demand, nullptr) << "the launcher shows at once";
      continue;
    }
    if (on_demand) {
      EXPECT_FALSE(on_demand->controls_built()) << window->objectName().toStdString();
    }
  }
  // What creating the windows sets, before any control exists.
  EXPECT_EQ(Form1->LevelStep, 1);
  EXPECT_EQ(Form1->LevelName, QStringLiteral("初级能手"));
  EXPECT_EQ(Form1->HintAfter, 2);
  EXPECT_FALSE(Form1->SpeedRunning);
  EXPECT_EQ(form_sz->ColorDialog1.Color, QColor(0, 255, 0));
  EXPECT_EQ(form_test->session.practice_minutes, 15);
  EXPECT_EQ(form_test->session.background_color, 0xFFFFFFu);
  EXPECT_FALSE(Form_result->review_only);
  EXPECT_EQ(FHot_Sort->ProgramDir,
            program_dir_from(QCoreApplication::applicationFilePath().toStdString()));
  EXPECT_EQ(FHot_Sort->parent(), FHot) << "the warm-up's ranking and help open over it";
  EXPECT_EQ(Fhelp->parent(), FHot);
  EXPECT_FALSE(Form1->controls_built()) << "creating the warm-up reached no drill control";
}

TEST_F(WindowsAtStartUp, ControlsReachedFirstHoldTheirInitialStates) {
  // The drill window reads the settings' check boxes before the settings were ever shown.
  EXPECT_FALSE(form_sz->CheckBox1->isChecked());
  EXPECT_TRUE(form_sz->Checkhelp->isChecked());
  EXPECT_EQ(form_sz->ComboBox1->currentText(), QStringLiteral("初级能手"));
  EXPECT_TRUE(form_sz->controls_built());
  EXPECT_FALSE(Form1->controls_built());
  EXPECT_FALSE(Form1->SBtnPause->isEnabled());
  EXPECT_EQ(Form1->TabbedNotebook2->currentIndex(), 0);
  EXPECT_TRUE(Form1->Editinput->text().isEmpty());
  EXPECT_EQ(Form1->Labeloutput1->width(), 1000);
  EXPECT_EQ(Form1->CharCells[118]->objectName(), QStringLiteral("Label124"));
  EXPECT_EQ(form_test->Label_time->text(), QStringLiteral("15分钟  "));
  EXPECT_FALSE(form_test->BtnPause->isEnabled());
}

TEST_F(WindowsAtStartUp, AWindowShownFirstHasItsControlsAndSize) {
  FHot->show();
  EXPECT_TRUE(FHot->controls_built());
  EXPECT_TRUE(FHot->Nclass->isChecked());
  EXPECT_TRUE(FHot->N11->isChecked());
  EXPECT_GT(FHot->height(), FHot->MainMenu1->height()) << "sized to the menu once it exists";
  FHot->hide();
}

}  // namespace
}  // namespace tavrel

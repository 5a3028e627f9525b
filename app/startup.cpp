// The ordered list of windows and the program's run.
#include "app/startup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QPixmap>
#include <QVariant>
#include <functional>
#include <vector>

#include "app/Unit_about.h"
#include "app/built_in_pictures.h"
#include "app/face01.h"
#include "article/ex16.h"
#include "article/test.h"
#include "article/test_change.h"
#include "article/test_color.h"
#include "article/test_result.h"
#include "common/data_path.h"
#include "dictionary/erfenfa.h"
#include "drills/UPhb.h"
#include "drills/UPhbIn.h"
#include "drills/Unit1.h"
#include "drills/Unitdelait.h"
#include "drills/Unitstop.h"
#include "drills/shezhi.h"
#include "history/history_store.h"
#include "history/recorder.h"
#include "history_view/UHistory.h"
#include "platform/UnitSM.h"
#include "platform/shuoming.h"
#include "platform/test_help.h"
#include "warmup/UHot_sort.h"
#include "warmup/Uhelp.h"
#include "warmup/hot.h"

namespace tavrel {
namespace {

struct WindowEntry {
  std::function<QWidget*()> create;
  std::function<void()> forget;  // clears the window's global after it is deleted
};

// An entry that creates the window of class T into its global instance `global`.
template <typename T>
WindowEntry window(T*& global) {
  return {[&global] { return global = new T; }, [&global] { global = nullptr; }};
}

// The creation order binds: some windows read others when they are created.
// Windows not listed here do not exist in this build; their launcher buttons do nothing.
// Each window's constructor sets its object name to its class name (find_window looks it up).
const std::vector<WindowEntry>& window_order() {
  static const std::vector<WindowEntry> order = {
      window(preface01),  // the main window
      window(form_sz),   window(Form2),      window(Form_change), window(Form_result),
      window(form_test), window(form_color), window(Formstop),    window(formdelait),
      window(About),     window(FormSM),     window(form_help),   window(highscore),
      window(FPhbin),    window(FPhb),
      window(Fhelp),      // 16
      window(FHot_Sort),  // 17
      window(FHot),       // 18
      window(Form1),      // 19, the last of the original nineteen
      window(FHistory),   // the learning history, which reads no other window
  };
  return order;
}

std::vector<QWidget*>& created() {
  static std::vector<QWidget*> windows;
  return windows;
}

}  // namespace

void create_windows() {
  for (const auto& entry : window_order()) created().push_back(entry.create());
}

void destroy_windows() {
  for (auto it = created().rbegin(); it != created().rend(); ++it) delete *it;
  created().clear();
  for (const auto& entry : window_order()) entry.forget();
  delete two;
  two = nullptr;
}

const std::vector<QWidget*>& created_windows() { return created(); }

QWidget* find_window(const char* class_name) {
  for (QWidget* w : created())
    if (w->objectName() == QLatin1String(class_name)) return w;
  return nullptr;
}

void set_program_dir_of_windows(const std::string& program_dir) {
  QByteArray dir = QByteArray::fromStdString(program_dir);
  if (QWidget* drills = find_window("TForm1")) drills->setProperty("ProgramDir", dir);
  if (QWidget* article = find_window("Tform_test")) article->setProperty("program_dir", dir);
}

int run_program(QApplication& app) {
  // The 48-pixel icon, built in undecoded: the 256-pixel picture costs as much to decode as the
  // launcher's background.
  app.setWindowIcon(QIcon(QPixmap::fromImage(image_of(kProgramIcon))));
  history::set_history_file(history::history_path(
      program_dir_from(QCoreApplication::applicationFilePath().toStdString())));
  create_windows();
  two = new Ttwo;
  preface01->show();
  int code = app.exec();
  destroy_windows();
  return code;
}

}  // namespace tavrel

// The ordered list of windows and the program's run.
#include "app/startup.h"

#include <QApplication>
#include <QVariant>
#include <functional>
#include <vector>

#include "app/UnitSM.h"
#include "app/Unit_about.h"
#include "app/face01.h"
#include "app/shuoming.h"
#include "article/test_help.h"

namespace tavrel {
namespace {

struct WindowEntry {
  const char* class_name;
  std::function<QWidget*()> create;
};

// The creation order binds: some windows read others when they are created.
// Windows not listed here do not exist in this build; their launcher buttons do nothing.
const std::vector<WindowEntry>& window_order() {
  static const std::vector<WindowEntry> order = {
      {"Tpreface01", [] { return preface01 = new Tpreface01; }},
      {"TForm2", [] { return Form2 = new TForm2; }},
      {"TAbout", [] { return About = new TAbout; }},
      {"TFormSM", [] { return FormSM = new TFormSM; }},
      {"Tform_help", [] { return form_help = new Tform_help; }},
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
  preface01 = nullptr;
  Form2 = nullptr;
  About = nullptr;
  FormSM = nullptr;
  form_help = nullptr;
}

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
  create_windows();
  preface01->show();
  int code = app.exec();
  destroy_windows();
  return code;
}

}  // namespace tavrel

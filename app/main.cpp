// Program entry: the application object, then the ordered start-up.
#include "app/application.h"
#include "app/startup.h"
#include "common/safe_file.h"

int main(int argc, char** argv) {
  tavrel::report_oversize_writes();  // a full file is an error to show, not the end
  tavrel::TavrelApplication app(argc, argv);
  return tavrel::run_program(app);
}

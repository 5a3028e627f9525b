// Program entry: the application object, where the user's files live, then the ordered start-up.
#include "app/startup.h"
#include "common/data_path.h"
#include "common/safe_file.h"
#include "common/user_files.h"
#include "platform/application.h"

int main(int argc, char** argv) {
  tavrel::report_oversize_writes();  // a full file is an error to show, not the end
  tavrel::TavrelApplication app(argc, argv);
  tavrel::decide_user_files(tavrel::program_dir_from(argc > 0 ? argv[0] : ""));
  return tavrel::run_program(app);
}

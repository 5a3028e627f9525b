// Program entry: the application object, then the ordered start-up.
#include "app/application.h"
#include "app/startup.h"

int main(int argc, char** argv) {
  tavrel::TavrelApplication app(argc, argv);
  return tavrel::run_program(app);
}

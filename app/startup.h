// Start-up: the windows created once in a fixed order, then the event loop.
#pragma once

#include <string>
#include <vector>

class QApplication;
class QWidget;

namespace tavrel {

// Creates every window in the fixed order; the first is the launcher.
void create_windows();
// Deletes them in the reverse order.
void destroy_windows();
// The created windows in their order of creation.
const std::vector<QWidget*>& created_windows();
// The created window whose class is `class_name`, or null when there is none.
QWidget* find_window(const char* class_name);
// Hands the program directory to the windows that keep it: the property "ProgramDir" of the
// drill window and "program_dir" of the article window (declared there with Q_PROPERTY).
void set_program_dir_of_windows(const std::string& program_dir);

// Creates the windows, shows the launcher, runs the event loop, returns its exit code.
int run_program(QApplication& app);

}  // namespace tavrel

// The application object: an error escaping any event handler is shown, and the program goes on.
#pragma once

#include <QApplication>
#include <exception>
#include <string>

namespace tavrel {

extern const char* const kProgramTitle;

class TavrelApplication : public QApplication {
 public:
  TavrelApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// The toolkit's own dialogs (colours, files, input) in Chinese, from the system's Qt
// translations; without them they stay in English. True when installed.
bool install_toolkit_chinese(QApplication& app);

// Shows the text of an error that a handler let escape (the application's default handler).
void report_error(const char* what);

// The Chinese text for the exception being handled: the program's own errors carry theirs;
// the library's (out of memory, a file system call, a broken rule) get one that says so.
std::string error_text_of_current_exception();

// Runs an event handler; an error it raises abandons the rest of it and is shown in a message
// box. Handlers are run this way so that no error unwinds through the toolkit's own frames,
// which are not built to be unwound; TavrelApplication::notify is the safety net behind it.
template <typename Handler>
void guarded(Handler&& handler) {
  try {
    handler();
  } catch (...) {
    report_error(error_text_of_current_exception().c_str());
  }
}

// A slot for connect() that runs `handler` guarded.
template <typename Handler>
auto guard(Handler handler) {
  return [handler = std::move(handler)] { guarded(handler); };
}

}  // namespace tavrel

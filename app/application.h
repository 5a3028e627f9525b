// The application object: an error escaping any event handler is shown, and the program goes on.
#pragma once

#include <QApplication>
#include <exception>

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

// Runs an event handler; an error it raises abandons the rest of it and is shown in a message
// box. Handlers are run this way so that no error unwinds through the toolkit's own frames,
// which are not built to be unwound; TavrelApplication::notify is the safety net behind it.
template <typename Handler>
void guarded(Handler&& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    report_error(e.what());
  } catch (...) {
    report_error("发生了未知错误。");
  }
}

// A slot for connect() that runs `handler` guarded.
template <typename Handler>
auto guard(Handler handler) {
  return [handler = std::move(handler)] { guarded(handler); };
}

}  // namespace tavrel

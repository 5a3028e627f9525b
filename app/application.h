// The application object: an error escaping any event handler is shown, and the program goes on.
#pragma once

#include <QApplication>

namespace tavrel {

extern const char* const kProgramTitle;

class TavrelApplication : public QApplication {
 public:
  TavrelApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// Shows the text of an error that a handler let escape (the application's default handler).
void report_error(const char* what);

}  // namespace tavrel

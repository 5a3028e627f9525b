// The application-wide catch for errors that event handlers let escape.
#include "app/application.h"

#include <QLibraryInfo>
#include <QTranslator>
#include <exception>

#include "app/fonts.h"
#include "app/platform.h"

namespace tavrel {

const char* const kProgramTitle = "Tavrel码输入法教学训练软件";

TavrelApplication::TavrelApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QString::fromUtf8(kProgramTitle));
  setFont(song_font(12));
  install_toolkit_chinese(*this);
}

bool install_toolkit_chinese(QApplication& app) {
  auto* translator = new QTranslator(&app);
  if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QApplication::installTranslator(translator);
}

void report_error(const char* what) {
  platform().message_box(QApplication::activeWindow(), QString::fromUtf8(what),
                         QString::fromUtf8(kProgramTitle), MsgButtons::Ok, MsgIcon::Error);
}

// The last resort for an error that escaped a handler not run through guarded(): the handler
// is abandoned where it threw and the event loop carries on.
bool TavrelApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    guarded([] { throw; });
  }
  return false;
}

}  // namespace tavrel

// The application-wide catch for errors that event handlers let escape.
#include "platform/application.h"

#include <QLibraryInfo>
#include <QTranslator>
#include <algorithm>
#include <exception>
#include <filesystem>
#include <new>
#include <system_error>

#include "common/safe_file.h"
#include "platform/fonts.h"
#include "platform/platform.h"

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

std::string error_text_of_current_exception() {
  try {
    throw;
  } catch (const std::bad_alloc&) {
    return "内存不足，操作没有完成。";
  } catch (const std::filesystem::filesystem_error& e) {
    return "文件操作失败" + (e.path1().empty() ? std::string() : quoted_name(e.path1())) + "：" +
           chinese_reason(e.code().value());
  } catch (const std::system_error& e) {
    return "系统调用失败：" + chinese_reason(e.code().value());
  } catch (const std::exception& e) {
    // The program's own errors are written in Chinese where they are thrown; a text all in
    // ASCII comes from a library or states a broken rule of the program.
    const std::string_view what = e.what();
    const bool chinese = std::any_of(what.begin(), what.end(),
                                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return chinese ? std::string(what) : "程序内部出错，操作没有完成。";
  } catch (...) {
    return "发生了未知错误。";
  }
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

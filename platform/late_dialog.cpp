// Dialogs whose contents come from a library loaded at their first showing.
#include "platform/late_dialog.h"

#include <QApplication>
#include <stdexcept>

#include "common/data_path.h"
#include "platform/platform.h"

namespace tavrel {
namespace {

std::optional<std::filesystem::path>& library_folder() {
  static std::optional<std::filesystem::path> folder;
  return folder;
}

}  // namespace

void set_contents_library_folder(std::optional<std::filesystem::path> folder) {
  library_folder() = std::move(folder);
}

LateDialog::LateDialog(std::string library_file, std::string factory, QWidget* parent)
    : QDialog(parent), library_file_(std::move(library_file)), factory_(std::move(factory)) {}

std::filesystem::path LateDialog::library_path() const {
  if (library_folder()) return *library_folder() / library_file_;
  return program_library_for_executable(QCoreApplication::applicationFilePath().toStdString(),
                                        library_file_);
}

QWidget* LateDialog::contents() {
  if (contents_) return contents_;
  try {
    contents_ = load_contents();
  } catch (const std::exception& e) {
    platform().message_box(QApplication::activeWindow(),
                           QStringLiteral("无法打开“%1”窗口：%2\n请重新安装本软件。")
                               .arg(windowTitle(), QString::fromStdString(e.what())),
                           windowTitle(), MsgButtons::Ok, MsgIcon::Error);
  }
  return contents_;
}

// Every symbol is bound at loading, so that a library that does not fit the program is refused
// with its reason here instead of ending the program at its first call. The library stays
// loaded until the program ends: the contents' code lives in it.
QWidget* LateDialog::load_contents() {
  const std::filesystem::path file = library_path();
  const std::string path = file.string();
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec))
    throw std::runtime_error("找不到程序库 " + path + "。");
  QLibrary library(QString::fromStdString(path));
  library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
  if (!library.load())
    throw std::runtime_error("程序库 " + path + " 无法载入（" +
                             library.errorString().toStdString() + "）。");
  auto factory = reinterpret_cast<ContentsFactory>(library.resolve(factory_.c_str()));
  if (!factory) throw std::runtime_error("程序库 " + path + " 缺少函数 " + factory_ + "。");
  QWidget* built = factory(this);
  if (!built) throw std::runtime_error("程序库 " + path + " 未能建立窗口内容。");
  return built;
}

int LateDialog::exec() {
  if (!contents()) return Rejected;
  return QDialog::exec();
}

void LateDialog::setVisible(bool visible) {
  if (visible && !contents()) return;
  QDialog::setVisible(visible);
}

}  // namespace tavrel

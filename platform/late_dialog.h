// Dialogs whose contents live in a library of the program's own, loaded when first needed, so
// that what only such a window uses (a chart toolkit) costs nothing at start-up.
#pragma once

#include <QDialog>
#include <QLibrary>
#include <filesystem>
#include <optional>
#include <string>

namespace tavrel {

// What a contents library exports under the factory's name (extern "C"): builds the contents
// as a child of `shell` and returns them.
using ContentsFactory = QWidget* (*)(QDialog* shell);

// The folder the contents libraries are taken from instead of the program's own place
// (tests point it at the build folder); nothing goes back to the program's place.
void set_contents_library_folder(std::optional<std::filesystem::path> folder);

// The dialog itself (its name, caption and size) exists from start-up; its contents are built
// from the library at the first showing, or when contents() is first asked for. A library that
// cannot be loaded is reported in a message box and the dialog does not open; it is tried again
// the next time.
class LateDialog : public QDialog {
  Q_OBJECT
 public:
  LateDialog(std::string library_file, std::string factory, QWidget* parent = nullptr);

  // The contents, built on the first call; null when the library could not be loaded (the
  // learner has been told).
  QWidget* contents();
  // The library's path as it is looked for now.
  std::filesystem::path library_path() const;

  int exec() override;
  void setVisible(bool visible) override;

 private:
  QWidget* load_contents();

  std::string library_file_;
  std::string factory_;
  QWidget* contents_ = nullptr;
};

}  // namespace tavrel

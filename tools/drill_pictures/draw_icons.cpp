// draw_icons: the program icon at the hicolor theme's sizes, for the package (packaging/icons).
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>
#include <exception>
#include <filesystem>

#include "tools/drill_pictures/pictures.h"

namespace {

namespace fs = std::filesystem;

// The sizes desktops look for in the hicolor theme; the small ones are drawn without detail.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool write_icons(const fs::path& folder) {
  tavrel::drill_pictures::check_fonts();
  for (const int size : kIconSizes) {
    const fs::path dir = folder / (std::to_string(size) + "x" + std::to_string(size));
    fs::create_directories(dir);
    QImageWriter writer(QString::fromStdString((dir / "tavrel.png").string()), "png");
    if (!writer.write(tavrel::drill_pictures::draw_icon(size))) {
      std::fprintf(stderr, "draw_icons: cannot write in %s: %s\n", dir.c_str(),
                   qPrintable(writer.errorString()));
      return false;
    }
  }
  std::printf("draw_icons: %zu sizes in %s\n", std::size(kIconSizes), folder.c_str());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: draw_icons FOLDER\n");
    return 2;
  }
  try {
    return write_icons(argv[1]) ? 0 : 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "draw_icons: %s\n", error.what());
    return 1;
  }
}

// make_drill_pictures: draws the basic drills' pictures, the code illustrations and the icon.
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "tools/drill_pictures/bmp_writer.h"
#include "tools/drill_pictures/drill_data.h"
#include "tools/drill_pictures/pictures.h"

namespace {

namespace fs = std::filesystem;
using namespace tavrel::drill_pictures;

// Enough of each drilled corner digit (eight of them) to fill a board of 60 with variety.
constexpr std::size_t kCornerPicturesPerDigit = 9;
constexpr std::size_t kColouredPictures = 72;

QString qpath(const fs::path& path) { return QString::fromStdString(path.string()); }

void save_png(const QImage& image, const fs::path& path) {
  QImageWriter writer(qpath(path), "png");
  if (!writer.write(image))
    throw std::runtime_error("cannot write " + path.string() + ": " +
                             writer.errorString().toStdString());
}

// A folder that holds only what this run draws: pictures of earlier runs whose characters were
// since dropped must not linger on the board.
fs::path fresh_folder(const fs::path& folder) {
  fs::create_directories(folder);
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.is_regular_file() && entry.path().extension() == ".bmp") fs::remove(entry.path());
  return folder;
}

void make_all(const fs::path& data, const fs::path& word_list) {
  check_fonts();
  DrillChars drill = read_drill_chars(data);
  read_frequencies(word_list, drill);
  const std::vector<CodedChar> by_frequency = ranked(drill);

  const fs::path shapes = fresh_folder(data / "exercise" / "bixing");
  for (const auto& form : stroke_forms())
    write_bmp8(to_indexed(draw_stroke_form(form)),
               shapes / picture_file_name(form.stem, std::to_string(form.digit)));

  const fs::path corners = fresh_folder(data / "exercise" / "fubu");
  const auto corner_picks = corner_choice(by_frequency, kCornerPicturesPerDigit);
  for (const auto& pick : corner_picks) {
    const std::string stem = "fb_" + code_point_tag(pick.ch.utf8) + "_" + kCornerTags[pick.corner];
    write_bmp8(to_indexed(draw_corner_marked(QString::fromStdString(pick.ch.utf8), pick.corner)),
               corners / picture_file_name(stem, std::string(1, pick.digit())));
  }

  const fs::path coloured = fresh_folder(data / "exercise" / "caisezi");
  const auto coloured_chars = coloured_choice(by_frequency, kColouredPictures);
  for (const auto& ch : coloured_chars)
    write_bmp8(to_indexed(draw_coloured_corners(QString::fromStdString(ch.utf8))),
               coloured / picture_file_name("cs_" + code_point_tag(ch.utf8), ch.code));

  const fs::path statements = fresh_folder(data / "statement");
  const auto explained = statement_choice(by_frequency, drill.short_code_chars);
  for (const auto& ch : explained)
    write_bmp8(to_indexed(draw_statement(QString::fromStdString(ch.utf8), ch.code)),
               statements / fs::u8path(ch.utf8 + ".bmp"));

  const fs::path images = data / "images";
  fs::create_directories(images);
  save_png(draw_icon(256), images / "tavrel.png");
  save_png(draw_icon(48), images / "tavrel_48.png");

  std::printf(
      "make_drill_pictures: %zu stroke shapes, %zu corners, %zu coloured, %zu "
      "illustrations, 2 icons\n",
      stroke_forms().size(), corner_picks.size(), coloured_chars.size(), explained.size());
}

// The icon at the sizes desktops look for in the hicolor theme, for the package
// (packaging/icons); the small ones are drawn without detail.
void make_icons(const fs::path& folder) {
  check_fonts();
  constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
  for (const int size : kIconSizes) {
    const fs::path dir = folder / (std::to_string(size) + "x" + std::to_string(size));
    fs::create_directories(dir);
    save_png(draw_icon(size), dir / "tavrel.png");
  }
  std::printf("make_drill_pictures: %zu icon sizes in %s\n", std::size(kIconSizes), folder.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr,
                 "usage: make_drill_pictures DATA_FOLDER [jieba dict.txt]\n"
                 "       make_drill_pictures --icons FOLDER\n");
    return 2;
  }
  try {
    if (std::string(argv[1]) == "--icons" && argc == 3)
      make_icons(argv[2]);
    else
      make_all(argv[1], argc == 3 ? argv[2] : kDefaultWordList);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_drill_pictures: %s\n", error.what());
    return 1;
  }
  return 0;
}

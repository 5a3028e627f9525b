// make_drill_pictures: draws the basic drills' pictures, the code illustrations, the course's
// pictures of strokes and characters, and the icon, from the stroke data and our drill lists.
#include <QGuiApplication>
#include <QImageWriter>
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>

#include "tools/drill_pictures/bmp_writer.h"
#include "tools/drill_pictures/corner_strokes.h"
#include "tools/drill_pictures/drill_data.h"
#include "tools/drill_pictures/pictures.h"
#include "tools/drill_pictures/stroke_forms.h"
#include "tools/gen_data/code_table.h"
#include "tools/gen_data/sources.h"

namespace {

namespace fs = std::filesystem;
using namespace tavrel::drill_pictures;
using tavrel::gen::Glyph;

// Enough corner pictures to fill a board of 60 with variety, every digit at least four times.
constexpr std::size_t kCornerPictures = 72;
constexpr std::size_t kCornerPicturesAtLeast = 4;
constexpr std::size_t kColouredPictures = 72;
// Every this many characters of z1 and z2 in list order, one illustration is checked by the
// tests against the strokes; its outlines go into the tests' extract.
constexpr std::size_t kStatementSampleStep = 100;
// Characters whose corner strokes the tests check by hand: their outlines go into the extract too.
constexpr const char* kCheckedByHand[] = {"口", "日", "中", "国", "月", "千", "文", "安", "小",
                                          "八", "十", "打", "了", "丁", "上", "的", "字", "说",
                                          "快", "当", "是", "行", "我", "们", "门"};
// The course draws its characters this much larger than an illustration.
constexpr double kCourseZoom = 2.5;

struct Options {
  fs::path data, strokes, words = kDefaultWordList, forms = "tools/drill_pictures/stroke_forms.tsv";
  fs::path extract, course, icons;
};

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

// The stroke data: each character's glyph, and its line as read, for the tests' extract.
struct StrokeData {
  std::map<std::string, Glyph> glyphs;
  std::map<std::string, std::string> lines;
  const Glyph& of(const std::string& character) const {
    const auto found = glyphs.find(character);
    if (found == glyphs.end()) throw std::runtime_error("no strokes for " + character);
    if (!found->second.empty() && found->second.front().outline.empty())
      throw std::runtime_error("the stroke data has no outlines (scripts/fetch-stroke-data.sh)");
    return found->second;
  }
};

StrokeData read_strokes(const fs::path& file) {
  std::ifstream in(file);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  StrokeData data;
  for (std::string line; std::getline(in, line);)
    if (!line.empty()) data.lines.emplace(line.substr(0, line.find('\t')), line);
  in.clear();
  in.seekg(0);
  data.glyphs = tavrel::gen::read_stroke_data(in);
  return data;
}

void check_form(const StrokeForm& form, const Glyph& glyph) {
  for (const int stroke : form.strokes)
    if (stroke >= static_cast<int>(glyph.size()))
      throw std::runtime_error("stroke form " + form.stem + ": " + form.character + " has only " +
                               std::to_string(glyph.size()) + " strokes");
}

void write_extract(const StrokeData& strokes, const std::set<std::string>& characters,
                   const fs::path& file) {
  std::map<char32_t, std::string> by_code_point;
  for (const auto& character : characters)
    by_code_point.emplace(tavrel::gen::decode_utf8(character), strokes.lines.at(character));
  std::ofstream out(file, std::ios::binary);
  out << "# Outlines of the characters whose pictures the tests check, written by "
         "make_drill_pictures from hanzi-writer-data (Arphic Public License) and cnchar-order "
         "(MIT)\n";
  for (const auto& [code_point, line] : by_code_point) out << line << '\n';
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

// A word's characters with the digits of their full codes its word code takes, checked against
// the word code rule.
std::vector<WordPart> word_parts(const std::string& word, const StrokeData& strokes,
                                 const std::map<std::string, std::string>& codes) {
  const std::vector<std::string> characters = tavrel::gen::split_utf8(word);
  const std::size_t n = characters.size();
  std::vector<std::size_t> takes;
  if (n == 2) takes = {3, 3};
  if (n == 3) takes = {2, 2, 2};
  if (n == 4) takes = {2, 2, 1, 1};
  if (n >= 5) {
    takes.assign(n, 0);
    takes[0] = takes[1] = takes[2] = takes[3] = 1;
    takes[n - 1] = 2;
  }
  if (takes.empty()) throw std::runtime_error("course: " + word + " is not a word");
  std::vector<WordPart> parts;
  std::vector<std::string> full_codes;
  std::string taken;
  for (std::size_t i = 0; i < n; ++i) {
    const std::string& full = codes.at(characters[i]);
    parts.push_back({&strokes.of(characters[i]), full, takes[i]});
    full_codes.push_back(full);
    taken += full.substr(0, takes[i]);
  }
  if (taken != tavrel::gen::word_code(full_codes))
    throw std::runtime_error("course: the picture of " + word + " does not add up to its code");
  return parts;
}

// The course's pictures its pictures.txt asks of this tool: shapes, characters, corner names.
void draw_course(const fs::path& folder, const std::vector<StrokeForm>& forms,
                 const StrokeData& strokes, const std::map<std::string, std::string>& codes) {
  static const char* kShapeNames[10] = {"撇与左钩", "横",   "竖", "点捺", "叉",
                                        "插",       "方块", "角", "八",   "小"};
  std::ifstream jobs(folder / "pictures.txt");
  if (!jobs) throw std::runtime_error("cannot read " + (folder / "pictures.txt").string());
  int drawn = 0;
  for (std::string line; std::getline(jobs, line);) {
    std::istringstream fields(line);
    std::string kind, file, what;
    fields >> kind >> file >> what;
    if (kind == "shape" && what.size() == 1) {
      std::vector<ShapeForm> sheet;
      for (const auto& form : forms)
        if (form.digit == what[0] && sheet.size() < 4)
          sheet.push_back(
              {&strokes.of(form.character), form.strokes, QString::fromStdString(form.caption)});
      save_png(draw_shape_sheet(what[0], QString::fromUtf8(kShapeNames[what[0] - '0']), sheet),
               folder / file);
    } else if (kind == "char" || kind == "corners") {
      const std::string& code = codes.at(what);
      const Glyph& glyph = strokes.of(what);
      const CornerStrokes corners = find_corner_strokes(glyph, code);
      save_png(kind == "char" ? draw_statement(glyph, code, corners, kCourseZoom)
                              : draw_corner_names(glyph, corners, kCourseZoom),
               folder / file);
    } else if (kind == "word") {
      save_png(draw_word_code(word_parts(what, strokes, codes)), folder / file);
    } else {
      continue;  // the keypad is drawn by docs/tools/doc_pictures
    }
    ++drawn;
  }
  std::printf("make_drill_pictures: %d course pictures in %s\n", drawn, folder.c_str());
}

void make_all(const Options& options) {
  const auto started = std::chrono::steady_clock::now();
  check_fonts();
  DrillChars drill = read_drill_chars(options.data);
  read_frequencies(options.words, drill);
  const std::vector<CodedChar> by_frequency = ranked(drill);
  const StrokeData strokes = read_strokes(options.strokes);
  const std::vector<StrokeForm> forms = read_stroke_forms(options.forms);

  std::map<std::string, CornerStrokes> found;
  std::map<std::string, std::string> codes;
  std::array<int, 5> unshaped{};
  for (const auto& ch : drill.chars) {
    const CornerStrokes corners = find_corner_strokes(strokes.of(ch.utf8), ch.code);
    for (int position = 0; position < 5; ++position)
      unshaped[position] += !corners.shaped[position];
    found.emplace(ch.utf8, corners);
    codes.emplace(ch.utf8, ch.code);
  }
  std::set<std::string> checked(std::begin(kCheckedByHand), std::end(kCheckedByHand));

  const fs::path shapes = fresh_folder(options.data / "exercise" / "bixing");
  for (const auto& form : forms) {
    const Glyph& glyph = strokes.of(form.character);
    check_form(form, glyph);
    write_bmp8(to_indexed(draw_stroke_form(glyph, form.strokes)),
               shapes / picture_file_name(form.stem, std::string(1, form.digit)));
    checked.insert(form.character);
  }

  const Drawable drawable = [&found](const CodedChar& ch, int corner) {
    const CornerStrokes& corners = found.at(ch.utf8);
    if (corner < 0) {
      bool each_shows = corners.all_shaped();
      for (int position = 0; position < 5; ++position)
        each_shows = each_shows && (corners.strokes[static_cast<std::size_t>(position)].empty() ||
                                    corners.has_stroke_of_its_own(position));
      return each_shows;
    }
    return corners.shaped[static_cast<std::size_t>(corner)] &&
           !corners.strokes[static_cast<std::size_t>(corner)].empty();
  };
  const fs::path corner_folder = fresh_folder(options.data / "exercise" / "fubu");
  const auto corner_picks = corner_choice(
      by_frequency, corner_quota(by_frequency, kCornerPictures, kCornerPicturesAtLeast), drawable);
  for (const auto& pick : corner_picks) {
    const std::string stem = "fb_" + code_point_tag(pick.ch.utf8) + "_" + kCornerTags[pick.corner];
    const auto& marked = found.at(pick.ch.utf8).strokes[static_cast<std::size_t>(pick.corner)];
    write_bmp8(to_indexed(draw_corner_marked(strokes.of(pick.ch.utf8), marked)),
               corner_folder / picture_file_name(stem, std::string(1, pick.digit())));
    checked.insert(pick.ch.utf8);
  }

  const fs::path coloured = fresh_folder(options.data / "exercise" / "caisezi");
  const auto coloured_chars = coloured_choice(by_frequency, kColouredPictures, drawable);
  for (const auto& ch : coloured_chars) {
    write_bmp8(to_indexed(draw_coloured_corners(strokes.of(ch.utf8), found.at(ch.utf8))),
               coloured / picture_file_name("cs_" + code_point_tag(ch.utf8), ch.code));
    checked.insert(ch.utf8);
  }

  // Every character of the two full-code drills has its illustration; 16 colours, run-length
  // encoded, keep the thousands of mostly white pictures small.
  const fs::path statements = fresh_folder(options.data / "statement");
  for (std::size_t i = 0; i < drill.chars.size(); ++i) {
    const auto& ch = drill.chars[i];
    write_bmp_rle4(to_indexed16(draw_statement(strokes.of(ch.utf8), ch.code, found.at(ch.utf8))),
                   statements / fs::u8path(ch.utf8 + ".bmp"));
    if (i % kStatementSampleStep == 0) checked.insert(ch.utf8);
  }

  const fs::path images = options.data / "images";
  fs::create_directories(images);
  save_png(draw_icon(256), images / "tavrel.png");
  save_png(draw_icon(48), images / "tavrel_48.png");

  if (!options.extract.empty()) write_extract(strokes, checked, options.extract);
  if (!options.course.empty()) draw_course(options.course, forms, strokes, codes);

  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf(
      "make_drill_pictures: %zu stroke forms, %zu corners, %zu coloured, %zu illustrations, "
      "2 icons, %zu characters in the tests' extract, in %.1f s\n",
      forms.size(), corner_picks.size(), coloured_chars.size(), drill.chars.size(), checked.size(),
      seconds);
  std::printf(
      "make_drill_pictures: positions whose shape was not found (nearest strokes drawn): "
      "upper left %d, upper right %d, lower left %d, lower right %d, 附角 %d\n",
      unshaped[0], unshaped[1], unshaped[2], unshaped[3], unshaped[4]);
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

constexpr const char* kUsage =
    "usage: make_drill_pictures --strokes STROKES.tsv [--words dict.txt] [--forms FORMS.tsv]\n"
    "                           [--extract TEST_EXTRACT.tsv] [--course COURSE_DIR] DATA_FOLDER\n"
    "       make_drill_pictures --icons FOLDER\n";

struct UsageError : std::runtime_error {
  UsageError() : std::runtime_error(kUsage) {}
};

Options parse(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--strokes" && has_value)
      options.strokes = argv[++i];
    else if (arg == "--words" && has_value)
      options.words = argv[++i];
    else if (arg == "--forms" && has_value)
      options.forms = argv[++i];
    else if (arg == "--extract" && has_value)
      options.extract = argv[++i];
    else if (arg == "--course" && has_value)
      options.course = argv[++i];
    else if (arg == "--icons" && has_value)
      options.icons = argv[++i];
    else if (arg.rfind("--", 0) != 0 && options.data.empty())
      options.data = arg;
    else
      throw UsageError();
  }
  if (options.icons.empty() && (options.data.empty() || options.strokes.empty()))
    throw UsageError();
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  try {
    const Options options = parse(argc, argv);
    if (!options.icons.empty())
      make_icons(options.icons);
    else
      make_all(options);
  } catch (const UsageError& usage) {
    std::fputs(usage.what(), stderr);
    return 2;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_drill_pictures: %s\n", error.what());
    return 1;
  }
  return 0;
}

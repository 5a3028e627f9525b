// Reading the list files and picture folders, and keeping the help lists.
#include "drills/item_sources.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "common/data_path.h"
#include "common/fixed_field.h"
#include "common/gbk.h"
#include "common/safe_file.h"
#include "drills/drill_kinds.h"

namespace tavrel::drills {
namespace {

constexpr ListFormat kListFormats[] = {
    {"hzlib\\z1.txt", 10, 2, false}, {"hzlib\\z2.txt", 10, 2, false},
    {"hzlib\\z3.txt", 10, 2, false}, {"hzlib\\z4.txt", 10, 2, false},
    {"hzlib\\c2.txt", 12, 4, false}, {"hzlib\\c3.txt", 14, 6, false},
    {"hzlib\\c4.txt", 16, 8, true},  {"hzlib\\c1.txt", 12, 4, false},
    {"hzlib\\c5.txt", 24, 16, true},
};

constexpr const char* kPictureFolders[] = {"exercise\\bixing", "exercise\\fubu",
                                           "exercise\\caisezi"};
constexpr int kPictureCells = 60;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

bool has_bmp_extension(const std::string& name) {
  if (name.size() < 4) return false;
  std::string ext = name.substr(name.size() - 4);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; });
  return ext == ".bmp";
}

}  // namespace

const ListFormat& list_format(int kind) {
  if (kind < 3 || kind > 11)
    throw std::out_of_range("no list file for drill kind " + std::to_string(kind));
  return kListFormats[kind - 3];
}

ListFile::ListFile(const ListFormat& format) : format_(format) {
  auto file = resolve_path(format.path);
  check_regular_file(file, file_limits::kListFile);
  in_.open(file, std::ios::binary);
  std::error_code ec;
  auto size = std::filesystem::file_size(file, ec);
  if (!in_ || ec) throw std::runtime_error(std::string("无法打开文件：") + format.path);
  size_ = static_cast<std::size_t>(size);
}

Item ListFile::read(std::size_t index) {
  const std::size_t fields = kCodeBytes + format_.text_size;
  std::string bytes(fields, '\0');
  const std::size_t offset = index * format_.record_size;
  if (offset + fields > size_)
    throw std::runtime_error(std::string("读文件时超出文件末尾：") + format_.path);
  in_.seekg(static_cast<std::streamoff>(offset));
  in_.read(bytes.data(), static_cast<std::streamsize>(fields));
  if (in_.gcount() != static_cast<std::streamsize>(fields))
    throw std::runtime_error(std::string("读文件出错：") + format_.path);
  std::string_view view(bytes);
  std::string_view text = view.substr(kCodeBytes);
  if (format_.trim_text) text = trim_blanks(text);
  return {std::string(text), std::string(trim_blanks(view.substr(0, kCodeBytes)))};
}

const char* picture_folder(int kind) {
  if (kind < 0 || kind > 2)
    throw std::out_of_range("no picture folder for drill kind " + std::to_string(kind));
  return kPictureFolders[kind];
}

std::string picture_code(std::string_view path) {
  if (path.size() < 5) return {};
  std::size_t end = path.size() - 4;  // one past the character before the extension
  while (end > 0 && !is_digit(path[end - 1])) --end;
  std::size_t begin = end;
  while (begin > 0 && is_digit(path[begin - 1])) --begin;
  return std::string(path.substr(begin, end - begin));
}

std::vector<std::string> list_pictures(std::string_view folder) {
  std::string prefix(folder);
  if (prefix.empty() || (prefix.back() != '\\' && prefix.back() != '/')) prefix += '\\';
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(resolve_path(prefix), ec), end; !ec && it != end;
       it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (has_bmp_extension(name) && it->is_regular_file(ec)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  for (auto& name : names) name = prefix + name;
  return names;
}

HelpList::HelpList(std::size_t entries, std::size_t field_bytes, int owner)
    : owner_kind(owner), field_bytes_(field_bytes), entries_(entries) {}

void HelpList::clear() { std::fill(entries_.begin(), entries_.end(), HelpEntry{}); }

void HelpList::store(std::size_t index, std::string_view text, std::string_view code) {
  if (index >= entries_.size()) return;
  entries_[index] = {std::string(gbk_prefix(text, field_bytes_)),
                     std::string(gbk_prefix(code, field_bytes_))};
}

HelpList& HelpLists::of_kind(int kind) {
  return family_of(kind) == Family::kCharacter ? characters : words;
}

int kind11_offset(int k) { return 5 * (k / 2) + 3 * (k % 2); }

void HelpLists::store(int kind, const Item& item) {
  HelpList& list = of_kind(kind);
  auto index_of = [kind](int n) { return kind == 11 ? kind11_offset(n) : n; };
  if (count > 0) {
    std::size_t last = static_cast<std::size_t>(index_of(count - 1));
    if (last < list.size() && list.entry(last).text == item.text) return;
  }
  list.store(static_cast<std::size_t>(index_of(count)), item.text, item.code);
  ++count;
}

std::vector<PlacedItem> fill_list_board(int kind, const HelpList& help, const RandomIndex& random) {
  ListFile file(list_format(kind));
  std::vector<int> cells;
  if (kind == 11) {
    for (int k = 0; k < kKind11Items; ++k) cells.push_back(kind11_offset(k));
  } else {
    for (int i = 0; i < drill_kind(kind).items; ++i) cells.push_back(i);
  }
  std::vector<PlacedItem> board;
  board.reserve(cells.size());
  for (int cell : cells) {
    Item item;
    const HelpEntry& entry = help.entry(static_cast<std::size_t>(cell));
    if (!entry.code.empty()) item.code = entry.code;
    item.text = entry.text;
    if (item.text.empty()) {
      // An empty file has no record to draw: reading its first record fails.
      const std::size_t n = file.count();
      item = file.read(n == 0 ? 0 : static_cast<std::size_t>(random(static_cast<int>(n))));
    }
    board.push_back({cell, std::move(item)});
  }
  return board;
}

std::vector<Item> fill_picture_board(int kind, const RandomIndex& random) {
  const char* folder = picture_folder(kind);
  std::vector<std::string> pictures = list_pictures(folder);
  if (pictures.empty()) throw std::runtime_error(std::string("找不到练习图片：") + folder);
  std::vector<Item> board;
  board.reserve(kPictureCells);
  for (int i = 0; i < kPictureCells; ++i) {
    const std::string& path =
        pictures.at(static_cast<std::size_t>(random(static_cast<int>(pictures.size()))));
    board.push_back({path, picture_code(path)});
  }
  return board;
}

}  // namespace tavrel::drills

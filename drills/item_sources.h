// Drill items: picture folders, fixed-width list files (see item_lists.md) and the help lists.
#pragma once

#include <cstddef>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel::drills {

struct Item {
  std::string text;  // GBK text of a list record, or the path of a picture
  std::string code;  // the digit code the learner types for it
};

// A uniformly drawn index in [0, n).
using RandomIndex = std::function<int(int)>;

struct ListFormat {
  const char* path;  // relative, in the program's spelling
  std::size_t record_size;
  std::size_t text_size;
  bool trim_text;
};

constexpr std::size_t kCodeBytes = 6;

// The list file of kinds 3-11; throws std::out_of_range for the other kinds.
const ListFormat& list_format(int kind);

// One list file, open while a board is filled.
class ListFile {
 public:
  // Throws std::runtime_error when the file cannot be opened.
  ListFile(const ListFormat& format);
  // (size + 1) div record size: a last record missing only the final byte of its line end
  // still counts.
  std::size_t count() const { return (size_ + 1) / format_.record_size; }
  // Throws std::runtime_error when the record's fields lie beyond the end of the file.
  Item read(std::size_t index);

 private:
  ListFormat format_;
  std::ifstream in_;
  std::size_t size_ = 0;
};

// The picture folder of kinds 0-2.
const char* picture_folder(int kind);
// The code in a picture's path: the last run of digits before its four-character extension.
std::string picture_code(std::string_view path);
// Every "*.bmp" file of the folder (letter case ignored), as relative paths in name order.
std::vector<std::string> list_pictures(std::string_view folder);

struct HelpEntry {
  std::string text, code;
};

// Items asked for with F1; entry i comes back at cell i of the next board of the owner kind.
class HelpList {
 public:
  HelpList(std::size_t entries, std::size_t field_bytes, int owner_kind);
  std::size_t size() const { return entries_.size(); }
  const HelpEntry& entry(std::size_t i) const { return entries_.at(i); }
  void clear();
  // Texts and codes are cut to the field size, never inside a character.
  void store(std::size_t index, std::string_view text, std::string_view code);

  int owner_kind;

 private:
  std::size_t field_bytes_;
  std::vector<HelpEntry> entries_;
};

// The character and word help lists with the count of entries stored since the run started.
struct HelpLists {
  HelpList characters{119, 10, 3};
  HelpList words{45, 30, 7};
  int count = 0;

  HelpList& of_kind(int kind);
  // F1 on `item` in a run of `kind` (3-11); nothing is stored when the entry stored last in
  // this run has the same text.
  void store(int kind, const Item& item);
};

// The cell of the k-th item (0-17) of the multi-character word board: columns 0 and 3.
int kind11_offset(int k);
constexpr int kKind11Items = 18;

struct PlacedItem {
  int cell;
  Item item;
};

// The items of a character or word board (kinds 3-11) in board order: stored help entries
// first, random records of the kind's list file elsewhere.
std::vector<PlacedItem> fill_list_board(int kind, const HelpList& help, const RandomIndex& random);

// The 60 pictures of a basic board (kinds 0-2), drawn with replacement; the item text is the
// picture's path. Throws std::runtime_error when the folder holds no picture.
std::vector<Item> fill_picture_board(int kind, const RandomIndex& random);

}  // namespace tavrel::drills

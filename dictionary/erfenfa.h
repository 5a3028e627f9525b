// Ttwo: the code dictionary lookups, by bisection over the packed files under "hzlib".
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "dictionary/byte_file.h"

namespace tavrel {

// Every operation opens the file it needs, probes it and closes it again. The files' bytes are
// kept between operations, but each opening checks the file on disk and reads it anew when it
// has been replaced or changed, so every operation sees the files as they are.
class Ttwo {
 public:
  Ttwo();
  ~Ttwo();

  static constexpr int kItemSlots = 31;
  static constexpr int kScopeWords = 0;
  static constexpr int kScopeCharacters = 1;

  // Candidates found by the last find_code, in the order found; slots from itemcount on are stale.
  std::array<std::string, kItemSlots> items;
  std::int32_t itemcount = 0;

  // Collects the candidates of `code`: scope 1 from "hzlib\zh1", scope 0 from "hzlib\zh2" to
  // "hzlib\zh5" in turn. Stops at 31 candidates, the number of slots.
  void find_code(int scope, std::string_view code);

  // Whether `word` (`length` GBK characters, 1 to 13) is in the text-ordered file for its length.
  bool find_word(int length, std::string_view word);

  // The code of one character: the first "hzlib\zh1" record holding it, or empty when none does.
  std::string code_of_zi(std::string_view zi);

 private:
  using RecordComparison = std::function<int(std::int64_t record)>;

  // -1, 0 or 1 as the searched key sorts before, equal to or after what the file holds there.
  int compare_code(std::string_view code, std::int64_t offset);
  int compare_word(std::string_view word, std::int64_t offset, std::size_t text_bytes);

  static std::optional<std::int64_t> bisect(std::int64_t count, const RecordComparison& compare);
  void collect(int file_number, std::string_view code);

  ByteFile dictfile;

  struct ZiIndex;
  std::unique_ptr<ZiIndex> zi_index_;  // for code_of_zi, of the kept "hzlib\zh1" it was built from
};

// The one dictionary of the running program, created at start-up after the windows.
extern Ttwo* two;

}  // namespace tavrel

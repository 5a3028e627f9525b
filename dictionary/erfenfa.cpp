// Ttwo: bisection on codes and texts over the dictionary files, and the reverse lookup.
#include "dictionary/erfenfa.h"

#include <stdexcept>
#include <unordered_map>

#include "common/dict_order.h"
#include "common/rounding.h"
#include "common/safe_file.h"
#include "dictionary/dict_format.h"

namespace tavrel {
namespace {

// The whole records of an open file; a file without one is damaged (the bisection would have
// no record to probe, and probing record 0 of it never ends).
std::int64_t record_count(const ByteFile& file, int file_number, std::string_view path) {
  const auto size = static_cast<std::int64_t>(dict::record_size(file_number));
  const std::int64_t count = file.size() / size;
  if (count == 0) {
    throw FileError("词典文件" + quoted_name(std::string(path)) + "已损坏：它连一条完整的记录（" +
                    std::to_string(size) + "字节）也没有。");
  }
  return count;
}

std::int64_t record_offset(std::int64_t record, int file_number) {
  return record * static_cast<std::int64_t>(dict::record_size(file_number));
}

// Two bytes as the dictionary order sees them: 'a' to 'z' count as 'A' to 'Z'.
std::uint16_t folded_pair(unsigned char first, unsigned char second) {
  auto fold = [](unsigned char b) { return b >= 0x61 && b <= 0x7A ? b - 0x20 : b; };
  return static_cast<std::uint16_t>(fold(first) << 8 | fold(second));
}

}  // namespace

// The first code of every character in file order, which is what the scan from the start of
// "hzlib\zh1" finds; built once per kept copy of the file.
struct Ttwo::ZiIndex {
  std::shared_ptr<const std::string> copy;
  std::unordered_map<std::uint16_t, std::string> first_code;

  explicit ZiIndex(std::shared_ptr<const std::string> bytes) : copy(std::move(bytes)) {
    const std::size_t size = dict::record_size(1);
    for (std::size_t offset = 0; offset + size <= copy->size(); offset += size) {
      const std::string_view record = std::string_view(*copy).substr(offset, size);
      const auto text = record.substr(dict::kPackedCodeSize);
      first_code.try_emplace(folded_pair(text[0], text[1]), dict::unpack_code(record));
    }
  }
};

Ttwo::Ttwo() = default;
Ttwo::~Ttwo() = default;

Ttwo* two = nullptr;

void Ttwo::find_code(int scope, std::string_view code) {
  if (scope != kScopeWords && scope != kScopeCharacters) {
    throw std::invalid_argument("词典没有第" + std::to_string(scope) + "类查找");
  }
  itemcount = 0;
  if (scope == kScopeCharacters) {
    collect(1, code);
    return;
  }
  for (int file_number = 2; file_number <= dict::kFileCount; ++file_number)
    collect(file_number, code);
}

bool Ttwo::find_word(int length, std::string_view word) {
  const int file_number = dict::file_number_for(length);
  const std::size_t text_bytes = dict::text_size(file_number);
  const auto path = dict::text_file_path(file_number);
  dictfile.open_kept(path);
  ClosingGuard guard(dictfile);
  auto found = bisect(record_count(dictfile, file_number, path), [&](std::int64_t record) {
    return compare_word(word, record_offset(record, file_number) + dict::kPackedCodeSize,
                        text_bytes);
  });
  return found.has_value();
}

std::string Ttwo::code_of_zi(std::string_view zi) {
  const auto size = static_cast<std::int64_t>(dict::record_size(1));
  const auto path = dict::code_file_path(1);
  dictfile.open_kept(path);
  ClosingGuard guard(dictfile);
  const std::int64_t count = record_count(dictfile, 1, path);
  if (const auto& copy = dictfile.kept()) {
    if (!zi_index_ || zi_index_->copy != copy) zi_index_ = std::make_unique<ZiIndex>(copy);
    if (zi.size() != 2) return {};  // a record's text is two bytes: nothing else equals it
    const auto found = zi_index_->first_code.find(folded_pair(zi[0], zi[1]));
    return found == zi_index_->first_code.end() ? std::string() : found->second;
  }
  // Record by record through the file's block, never the whole file at once.
  for (std::int64_t record = 0; record < count; ++record) {
    const std::string bytes = dictfile.read(record * size, static_cast<std::size_t>(size));
    if (dict_compare(zi, std::string_view(bytes).substr(dict::kPackedCodeSize)) == 0) {
      return dict::unpack_code(bytes);
    }
  }
  return {};
}

int Ttwo::compare_code(std::string_view code, std::int64_t offset) {
  return dict_compare(code, dict::unpack_code(dictfile.read(offset, dict::kPackedCodeSize)));
}

int Ttwo::compare_word(std::string_view word, std::int64_t offset, std::size_t text_bytes) {
  return dict_compare(word, dict::field_text(dictfile.read(offset, text_bytes)));
}

// Bounds move to the probed record itself, never past it; the last step compares both bounds,
// which is what reaches the first and the last record of the file.
std::optional<std::int64_t> Ttwo::bisect(std::int64_t count, const RecordComparison& compare) {
  std::int64_t low = 0;
  std::int64_t high = count - 1;
  do {
    const std::int64_t mid = round_half_even(low + high, 2);
    const int order = compare(mid);
    if (order == 0) return mid;
    (order < 0 ? high : low) = mid;
  } while (low != high && high - low != 1);
  if (high - low == 1) {
    const bool high_equal = compare(high) == 0;
    const bool low_equal = compare(low) == 0;
    if (low_equal) return low;
    if (high_equal) return high;
  }
  return std::nullopt;
}

void Ttwo::collect(int file_number, std::string_view code) {
  const auto path = dict::code_file_path(file_number);
  dictfile.open_kept(path);
  ClosingGuard guard(dictfile);
  const std::int64_t count = record_count(dictfile, file_number, path);
  auto same_code = [&](std::int64_t record) {
    return compare_code(code, record_offset(record, file_number)) == 0;
  };
  auto found = bisect(count, [&](std::int64_t record) {
    return compare_code(code, record_offset(record, file_number));
  });
  if (!found) return;
  std::int64_t record = *found;
  while (record > 0 && same_code(record - 1)) --record;
  const std::size_t text_bytes = dict::text_size(file_number);
  while (itemcount < kItemSlots) {
    items[itemcount++] = dict::candidate_text(
        dictfile.read(record_offset(record, file_number) + dict::kPackedCodeSize, text_bytes));
    if (record + 1 == count || !same_code(record + 1)) break;
    ++record;
  }
}

}  // namespace tavrel

// Reading our drill lists and jieba's frequencies, and choosing the characters to draw.
#include "tools/drill_pictures/drill_data.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

#include "common/gbk.h"
#include "tools/gen_data/sources.h"

namespace tavrel::drill_pictures {
namespace {

constexpr std::size_t kRecordBytes = 10;
constexpr std::size_t kCodeBytes = 6;

bool all_digits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string trimmed(std::string_view field) {
  const auto first = field.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = field.find_last_not_of(' ');
  return std::string(field.substr(first, last - first + 1));
}

}  // namespace

std::vector<ListRecord> read_char_list(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // The last record may lack the final byte of its line end.
  const std::size_t count = (bytes.size() + 1) / kRecordBytes;
  std::vector<ListRecord> records;
  records.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::string_view record = std::string_view(bytes).substr(i * kRecordBytes, 8);
    ListRecord out{trimmed(record.substr(0, kCodeBytes)), utf8_from_gbk(record.substr(6, 2))};
    if (!all_digits(out.code) || gen::split_utf8(out.utf8).size() != 1 ||
        static_cast<unsigned char>(record[6]) < 0x81)
      throw std::runtime_error(file.string() + ": record " + std::to_string(i) +
                               " is not a coded character");
    records.push_back(std::move(out));
  }
  return records;
}

DrillChars read_drill_chars(const std::filesystem::path& data_dir) {
  DrillChars drill;
  const std::filesystem::path lists = data_dir / "hzlib";
  for (const char* name : {"z1.txt", "z2.txt"}) {
    for (auto& record : read_char_list(lists / name)) {
      const int order = static_cast<int>(drill.chars.size());
      drill.chars.push_back({std::move(record.utf8), std::move(record.code), order, 0});
    }
  }
  std::set<std::string> coded;
  for (const auto& ch : drill.chars) coded.insert(ch.utf8);
  for (const char* name : {"z3.txt", "z4.txt"}) {
    for (const auto& record : read_char_list(lists / name)) {
      if (!coded.count(record.utf8))
        throw std::runtime_error(std::string(name) + ": " + record.utf8 +
                                 " has no full code in z1.txt or z2.txt");
      drill.short_code_chars.insert(record.utf8);
    }
  }
  return drill;
}

void read_frequencies(const std::filesystem::path& word_list, DrillChars& drill) {
  std::ifstream in(word_list);
  if (!in) throw std::runtime_error("cannot read " + word_list.string());
  std::map<std::string, std::int64_t> single;
  for (const auto& word : gen::read_word_list(in))
    if (gen::split_utf8(word.utf8).size() == 1) single.emplace(word.utf8, word.frequency);
  for (auto& ch : drill.chars) {
    const auto it = single.find(ch.utf8);
    ch.frequency = it == single.end() ? 0 : it->second;
  }
}

std::vector<CodedChar> ranked(const DrillChars& drill) {
  std::vector<CodedChar> out = drill.chars;
  std::stable_sort(out.begin(), out.end(), [](const CodedChar& a, const CodedChar& b) {
    return a.frequency != b.frequency ? a.frequency > b.frequency : a.gb_order < b.gb_order;
  });
  return out;
}

bool is_drilled_corner(char digit, int corner) {
  return (digit >= '1' && digit <= '9') || (digit == '0' && corner == kTopLeft);
}

std::array<std::size_t, 10> corner_quota(const std::vector<CodedChar>& ranked_chars,
                                         std::size_t total, std::size_t minimum,
                                         std::size_t common) {
  std::array<double, 10> seen{};
  double all = 0;
  for (std::size_t i = 0; i < ranked_chars.size() && i < common; ++i)
    for (int corner = 0; corner < 4 && corner < static_cast<int>(ranked_chars[i].code.size());
         ++corner) {
      const char digit = ranked_chars[i].code[static_cast<std::size_t>(corner)];
      if (is_drilled_corner(digit, corner)) ++seen[digit - '0'], ++all;
    }
  std::array<std::size_t, 10> quota;
  quota.fill(minimum);
  const std::size_t spare = total > 10 * minimum ? total - 10 * minimum : 0;
  if (all == 0) return quota;
  std::array<double, 10> fraction{};
  std::size_t given = 0;
  for (int d = 0; d < 10; ++d) {
    const double share = spare * seen[d] / all;
    quota[d] += static_cast<std::size_t>(share);
    given += static_cast<std::size_t>(share);
    fraction[d] = share - static_cast<std::size_t>(share);
  }
  for (; given < spare; ++given) {
    int best = 0;
    for (int d = 1; d < 10; ++d)
      if (fraction[d] > fraction[best]) best = d;
    ++quota[best];
    fraction[best] = -1;
  }
  return quota;
}

std::vector<CornerPick> corner_choice(const std::vector<CodedChar>& ranked_chars,
                                      const std::array<std::size_t, 10>& quota,
                                      const Drawable& drawable) {
  std::array<std::size_t, 10> taken{};
  std::vector<CornerPick> out;
  int next_corner = kTopLeft;
  for (const auto& ch : ranked_chars) {
    if (ch.code.size() < 4) continue;
    // The corner whose turn it is, else the next one round that still wants its digit.
    for (int step = 0; step < 4; ++step) {
      const int corner = (next_corner + step) % 4;
      const char digit = ch.code[static_cast<std::size_t>(corner)];
      if (!is_drilled_corner(digit, corner) || taken[digit - '0'] >= quota[digit - '0'] ||
          !drawable(ch, corner))
        continue;
      ++taken[digit - '0'];
      out.push_back({ch, corner});
      next_corner = (corner + 1) % 4;
      break;
    }
  }
  return out;
}

std::vector<CodedChar> coloured_choice(const std::vector<CodedChar>& ranked_chars,
                                       std::size_t count, const Drawable& drawable) {
  std::vector<CodedChar> out;
  for (const bool with_attached : {true, false}) {
    for (const auto& ch : ranked_chars) {
      if (out.size() == count) return out;
      const bool own_corners =
          ch.code.size() == 5 && ch.code.substr(0, 4).find('0') == std::string::npos;
      if (own_corners && (ch.code[4] != '0') == with_attached && drawable(ch, -1))
        out.push_back(ch);
    }
  }
  return out;
}

std::string code_point_tag(std::string_view utf8_char) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "u%x", static_cast<unsigned>(gen::decode_utf8(utf8_char)));
  return buffer;
}

std::string picture_file_name(std::string_view stem, std::string_view code) {
  if (stem.empty() || !all_digits(code))
    throw std::invalid_argument("bad picture name: " + std::string(stem) + " / " +
                                std::string(code));
  return std::string(stem) + "_" + std::string(code) + ".bmp";
}

}  // namespace tavrel::drill_pictures

// Reading, ordering and safely rewriting the top-ten file.
#include "article/top_ten.h"

#include <algorithm>
#include <stdexcept>

#include "common/gbk.h"
#include "common/replace_file.h"
#include "common/safe_file.h"

namespace tavrel::article {
namespace {

std::runtime_error damaged(const std::filesystem::path& file) {
  return std::runtime_error("排行榜文件已损坏（最后一条记录不完整）：" + file.string());
}

}  // namespace

std::string encode_record(const TopTenRecord& record) {
  std::string bytes(kRecordBytes, '\0');
  const std::string name = cut_name(record.name);
  bytes[0] = static_cast<char>(name.size());
  name.copy(bytes.data() + 1, name.size());
  const auto score = static_cast<std::uint32_t>(record.score);
  for (int i = 0; i < 4; ++i) bytes[20 + i] = static_cast<char>((score >> (8 * i)) & 0xFF);
  return bytes;
}

std::vector<TopTenRecord> read_top_ten(const std::filesystem::path& file) {
  const std::string bytes = read_regular_file(file, file_limits::kRecordFile);
  std::vector<TopTenRecord> records;
  for (std::size_t at = 0; at < bytes.size() && records.size() < kTopTenSize; at += kRecordBytes) {
    if (bytes.size() - at < kRecordBytes) throw damaged(file);
    const auto* r = reinterpret_cast<const unsigned char*>(bytes.data() + at);
    // A damaged length byte must not reach into the fill and the score.
    const std::size_t length = std::min<std::size_t>(r[0], kNameBytes);
    std::uint32_t score = 0;
    for (int i = 0; i < 4; ++i) score |= static_cast<std::uint32_t>(r[20 + i]) << (8 * i);
    records.push_back({bytes.substr(at + 1, length), static_cast<std::int32_t>(score)});
  }
  return records;
}

bool enters_top_ten(const std::vector<TopTenRecord>& records, int speed) {
  if (speed <= 0) return false;  // no speed of its own is ever filed
  if (records.size() < kTopTenSize) return true;
  for (const auto& r : records) {
    if (speed > r.score) return true;
  }
  return false;
}

std::vector<TopTenRecord> with_entry(std::vector<TopTenRecord> records, TopTenRecord entry) {
  records.push_back(std::move(entry));
  // Stable, so equal scores keep their order and the new entry goes below them. The exchange
  // sort used before moved a tied record down whenever a higher score went past it.
  std::stable_sort(records.begin(), records.end(),
                   [](const TopTenRecord& a, const TopTenRecord& b) { return a.score > b.score; });
  if (records.size() > kTopTenSize) records.resize(kTopTenSize);
  return records;
}

void write_top_ten(const std::filesystem::path& file, const std::vector<TopTenRecord>& records) {
  std::string bytes;
  for (const auto& r : records) bytes += encode_record(r);
  replace_file(file, bytes);
}

void file_entry(const std::filesystem::path& file, TopTenRecord entry) {
  write_top_ten(file, with_entry(read_top_ten(file), std::move(entry)));
}

void clear_top_ten(const std::filesystem::path& file) { replace_file(file, ""); }

std::string cut_name(std::string_view gbk_name) {
  return std::string(gbk_prefix(gbk_name, kNameBytes));
}

}  // namespace tavrel::article

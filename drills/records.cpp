// Reading, checking, writing and blanking the records in "files\phb.txt".
#include "drills/records.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

#include "common/data_path.h"
#include "common/fixed_field.h"
#include "common/gbk.h"
#include "common/safe_file.h"

namespace tavrel::drills {
namespace {

std::fstream open_record_file(std::string_view file, std::ios::openmode mode) {
  const auto path = resolve_path(file);
  check_regular_file(path, file_limits::kRecordFile);
  if (mode & std::ios::out) check_rewritable(path);
  std::fstream stream(path, mode | std::ios::binary);
  if (!stream) throw std::runtime_error("无法打开文件：" + std::string(file));
  return stream;
}

std::size_t file_size(std::string_view file) {
  std::error_code ec;
  auto size = std::filesystem::file_size(resolve_path(file), ec);
  if (ec) throw std::runtime_error("无法打开文件：" + std::string(file));
  return static_cast<std::size_t>(size);
}

void check_kind(int kind) {
  if (kind < 0 || static_cast<std::size_t>(kind) >= kRecordCount)
    throw std::out_of_range("no record " + std::to_string(kind));
}

// Unsigned byte order, a prefix first.
bool bytes_greater(std::string_view a, std::string_view b) {
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x != y) return x > y;
  }
  return a.size() > b.size();
}

}  // namespace

std::string speed_for_check(std::string_view shown_speed) {
  if (shown_speed.size() > kSpeedBytes) return {};
  return right_field(shown_speed, kSpeedBytes);
}

bool is_new_record(std::string_view file, int kind, std::string_view shown_speed) {
  check_kind(kind);
  std::fstream in = open_record_file(file, std::ios::in);
  std::string stored(kSpeedBytes, ' ');
  in.seekg(static_cast<std::streamoff>(kind * kRecordSize + kNameBytes));
  in.read(stored.data(), kSpeedBytes);
  if (in.gcount() != static_cast<std::streamsize>(kSpeedBytes))
    throw std::runtime_error("读文件时超出文件末尾：" + std::string(file));
  return bytes_greater(speed_for_check(shown_speed), stored);
}

std::string name_field(std::string_view typed_name) {
  // Cut at a character boundary: a split double-byte character would corrupt the list.
  return left_field(gbk_prefix(trim_blanks(typed_name), kNameBytes), kNameBytes);
}

std::string save_record(std::string_view file, int kind, std::string_view typed_name,
                        std::string_view speed) {
  check_kind(kind);
  if (file_size(file) < (kind + 1) * kRecordSize)
    throw std::runtime_error("记录文件不完整：" + std::string(file));
  std::string aligned(speed);
  if (aligned.size() < kSpeedBytes) aligned = right_field(speed, kSpeedBytes);
  std::fstream out = open_record_file(file, std::ios::in | std::ios::out);
  out.seekp(static_cast<std::streamoff>(kind * kRecordSize));
  out.write(name_field(typed_name).data(), kNameBytes);
  out.write(aligned.data(), kSpeedBytes);
  out.flush();
  if (!out) throw std::runtime_error("写文件出错：" + std::string(file));
  return aligned;
}

std::array<std::string, kRecordCount> read_records(std::string_view file) {
  std::fstream in = open_record_file(file, std::ios::in);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::array<std::string, kRecordCount> records;
  for (std::size_t k = 0; k < kRecordCount && k * kRecordSize < bytes.size(); ++k)
    records[k] = bytes.substr(k * kRecordSize, kRecordSize);
  return records;
}

void blank_records(std::string_view file) {
  const std::size_t size = file_size(file);
  std::fstream out = open_record_file(file, std::ios::in | std::ios::out);
  const std::string blanks(size, ' ');
  out.write(blanks.data(), static_cast<std::streamsize>(blanks.size()));
  out.flush();
  if (!out) throw std::runtime_error("写文件出错：" + std::string(file));
}

}  // namespace tavrel::drills

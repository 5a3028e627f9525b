// Packing of codes and the fixed records of the code dictionary files.
#include "dict_format.h"

#include <algorithm>
#include <stdexcept>

#include "common/dict_order.h"
#include "common/fixed_field.h"

namespace tavrel::dict {
namespace {

constexpr unsigned kEndNibble = 0xF;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

void check_file_number(int file_number) {
  if (file_number < 1 || file_number > kFileCount) {
    throw std::invalid_argument("no dictionary file number " + std::to_string(file_number));
  }
}

}  // namespace

bool is_storable_code(std::string_view code) {
  return !code.empty() && code.size() <= kMaxCodeDigits &&
         std::all_of(code.begin(), code.end(), is_digit);
}

std::string pack_code(std::string_view code) {
  if (!is_storable_code(code)) {
    throw std::invalid_argument("not a storable code: '" + std::string(code) + "'");
  }
  unsigned nibbles[kMaxCodeDigits];
  std::fill(std::begin(nibbles), std::end(nibbles), kEndNibble);
  for (std::size_t i = 0; i < code.size(); ++i) nibbles[i] = static_cast<unsigned>(code[i] - '0');
  std::string packed(kPackedCodeSize, '\0');
  for (std::size_t i = 0; i < kPackedCodeSize; ++i) {
    packed[i] = static_cast<char>(nibbles[2 * i] << 4 | nibbles[2 * i + 1]);
  }
  return packed;
}

std::string unpack_code(std::string_view packed) {
  std::string code;
  for (std::size_t i = 0; i < kPackedCodeSize && i < packed.size(); ++i) {
    unsigned byte = static_cast<unsigned char>(packed[i]);
    for (unsigned nibble : {byte >> 4, byte & 0xFu}) {
      if (nibble > 9) return code;
      code += static_cast<char>('0' + nibble);
    }
  }
  return code;
}

int file_number_for(int word_chars) {
  if (word_chars < 1 || word_chars > kMaxWordChars) {
    throw std::invalid_argument("no dictionary file for words of " + std::to_string(word_chars) +
                                " characters");
  }
  return std::min(word_chars, kFileCount);
}

std::size_t text_size(int file_number) {
  check_file_number(file_number);
  return file_number < kFileCount ? kCharBytes * file_number : kCharBytes * kMaxWordChars;
}

std::size_t record_size(int file_number) { return kPackedCodeSize + text_size(file_number); }

std::string code_file_path(int file_number) {
  check_file_number(file_number);
  return "hzlib\\zh" + std::to_string(file_number);
}

std::string text_file_path(int file_number) { return code_file_path(file_number) + ".hz"; }

std::string_view field_text(std::string_view field) {
  return field.substr(0, field.find(kFillByte));
}

std::string candidate_text(std::string_view field) {
  std::string kept;
  std::copy_if(field.begin(), field.end(), std::back_inserter(kept),
               [](char c) { return c != kFillByte; });
  return std::string(trim_blanks(kept));
}

std::string encode_record(const DictRecord& record, int file_number) {
  const std::string& text = record.text;
  bool whole_chars = !text.empty() && text.size() % kCharBytes == 0;
  int chars = static_cast<int>(text.size() / kCharBytes);
  if (!whole_chars || chars > kMaxWordChars || file_number_for(chars) != file_number ||
      text.find(kFillByte) != std::string::npos) {
    throw std::invalid_argument("text of " + std::to_string(text.size()) +
                                " bytes does not belong in " + code_file_path(file_number));
  }
  std::string bytes = pack_code(record.code);
  bytes += text;
  bytes.resize(record_size(file_number), kFillByte);
  return bytes;
}

std::string encode_file(const std::vector<DictRecord>& records, int file_number) {
  std::string bytes;
  bytes.reserve(records.size() * record_size(file_number));
  for (const auto& record : records) bytes += encode_record(record, file_number);
  return bytes;
}

std::vector<DictRecord> decode_file(std::string_view bytes, int file_number) {
  const std::size_t size = record_size(file_number);
  std::vector<DictRecord> records;
  records.reserve(bytes.size() / size);
  for (std::size_t offset = 0; offset + size <= bytes.size(); offset += size) {
    std::string_view record = bytes.substr(offset, size);
    records.push_back({unpack_code(record.substr(0, kPackedCodeSize)),
                       std::string(field_text(record.substr(kPackedCodeSize)))});
  }
  return records;
}

void sort_by_code(std::vector<DictRecord>& records) {
  std::stable_sort(records.begin(), records.end(), [](const DictRecord& a, const DictRecord& b) {
    return dict_less(a.code, b.code);
  });
}

void sort_by_text(std::vector<DictRecord>& records) {
  std::stable_sort(records.begin(), records.end(), [](const DictRecord& a, const DictRecord& b) {
    return dict_less(a.text, b.text);
  });
}

}  // namespace tavrel::dict

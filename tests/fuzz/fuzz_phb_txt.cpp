// Fuzz target: the record holders file "files\phb.txt": checking, listing, saving, blanking.
#include <cstdint>
#include <stdexcept>
#include <string>

#include "drills/records.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  tavrel::fuzz::put("files/phb.txt", bytes);
  using namespace tavrel::drills;
  const int kind = static_cast<int>(size % kRecordCount);
  const std::string speed = bytes.substr(0, size % 8);
  try {
    (void)read_records(kRecordFile);
    if (is_new_record(kRecordFile, kind, speed))
      save_record(kRecordFile, kind, bytes.substr(0, 20), speed);
    blank_records(kRecordFile);
  } catch (const std::runtime_error&) {
  }
  return 0;
}

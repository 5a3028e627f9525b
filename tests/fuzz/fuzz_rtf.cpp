// Fuzz target: the rich-text reader of the help documents.
#include <cstdint>
#include <string>

#include "common/rtf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  if (tavrel::looks_like_rtf(bytes)) {
    const auto document = tavrel::parse_rtf(bytes);
    for (const auto& paragraph : document.paragraphs)
      for (const auto& run : paragraph.runs) (void)run.text.size();
  }
  (void)tavrel::parse_rtf(bytes);
  return 0;
}

// Fuzz target: "Server.ini", read from a file as the launcher reads it.
#include <cstdint>
#include <stdexcept>
#include <string>

#include "common/ini_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto file = tavrel::fuzz::put("Server.ini", bytes);
  try {
    const auto address = tavrel::read_ini_value(file, "ServerSetup", "Address");
    if (address && address->size() > bytes.size()) __builtin_trap();
  } catch (const std::runtime_error&) {
  }
  return 0;
}

// The one platform instance of the program.
#include "platform/platform.h"

#include "platform/real_platform.h"

namespace tavrel {
namespace {
std::unique_ptr<Platform>& current() {
  static std::unique_ptr<Platform> instance;
  return instance;
}
}  // namespace

Platform& platform() {
  auto& p = current();
  if (!p) p = std::make_unique<RealPlatform>();
  return *p;
}

std::unique_ptr<Platform> set_platform(std::unique_ptr<Platform> p) {
  std::unique_ptr<Platform> previous = std::move(current());
  current() = std::move(p);
  return previous;
}

}  // namespace tavrel

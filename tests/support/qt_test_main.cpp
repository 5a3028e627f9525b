// Test entry for window tests: the program's application object on the offscreen platform.
#include <gtest/gtest.h>

#include "platform/application.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!qEnvironmentVariableIsSet("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
  ::testing::InitGoogleTest(&argc, argv);
  tavrel::TavrelApplication app(argc, argv);
  return RUN_ALL_TESTS();
}

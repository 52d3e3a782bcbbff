// The Windows tests' entry. The same executable also plays the second process of the
// hand-over test when started with --hand-over.
#include <gtest/gtest.h>

#include <cstring>

#include "app/hand_over.h"

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--hand-over") == 0) {
    HWND target = FindWindowA(argv[2], nullptr);
    if (!target) return 3;
    SendHandOver(target, argv[3]);
    return 0;
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

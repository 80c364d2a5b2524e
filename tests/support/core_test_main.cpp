#include <gtest/gtest.h>

#include "support/temp_dir.h"

int main(int argc, char** argv) {
  lumo::test::UseTemporaryProfileHome();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

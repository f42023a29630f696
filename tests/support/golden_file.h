#pragma once
// Compares a text with a golden file kept in the tests' data folder.  With
// SCOREWICK_UPDATE_GOLDEN=1 in the environment the file is written
// instead, and the test says so.  A missing golden file fails.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace scorewick::testing {

inline void ExpectGolden(const std::string& folder, const std::string& name, const std::string& text) {
  const std::string path = folder + "/" + name;
  if (const char* update = std::getenv("SCOREWICK_UPDATE_GOLDEN"); update != nullptr && update[0] == '1') {
    std::ofstream(path, std::ios::binary) << text;
    ADD_FAILURE() << "wrote golden file " << path;
    return;
  }
  std::ifstream in(path, std::ios::binary);
  ASSERT_TRUE(in) << "no golden file " << path;
  std::ostringstream want;
  want << in.rdbuf();
  EXPECT_EQ(text, want.str()) << "differs from " << path;
}

}  // namespace scorewick::testing

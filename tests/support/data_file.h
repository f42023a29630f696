#pragma once
// The data files of a test suite (inputs and golden copies), kept in
// tests/<folder>/data: CTest names that folder in SCOREWICK_TEST_DATA.

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "records/file_io.h"

namespace scorewick::testing {

inline std::string DataFile(const std::string& name) {
  const char* folder = std::getenv("SCOREWICK_TEST_DATA");
  return std::string(folder ? folder : "data") + "/" + name;
}

// The text of a golden file; a missing golden file fails the test (it
// never passes as empty).
inline std::string GoldenText(const std::string& name) {
  std::string text;
  std::string error;
  EXPECT_TRUE(ReadWholeTextFile(DataFile(name), text, &error)) << error;
  return text;
}

}  // namespace scorewick::testing

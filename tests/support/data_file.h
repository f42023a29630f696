#pragma once
// The data files of a test suite (inputs and golden copies), kept in
// tests/<folder>/data: CTest names that folder in SCOREWICK_TEST_DATA.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "records/file_io.h"

namespace scorewick::testing {

inline std::string DataFile(const std::string& name) {
  const char* folder = std::getenv("SCOREWICK_TEST_DATA");
  return std::string(folder ? folder : "data") + "/" + name;
}

// Compares text with the golden file name, whole; a missing golden file
// fails (it never passes as empty).  With SCOREWICK_UPDATE_GOLDEN set, the
// golden file is written from text instead: review the difference before
// committing it.
inline void ExpectGolden(const std::string& text, const std::string& name) {
  if (std::getenv("SCOREWICK_UPDATE_GOLDEN") != nullptr) {
    const Status saved = WriteTextFileAtomically(DataFile(name), text);
    EXPECT_TRUE(saved) << saved.reason;
    return;
  }
  std::string golden;
  const Status read = ReadWholeTextFile(DataFile(name), golden);
  ASSERT_TRUE(read) << read.reason;
  EXPECT_EQ(text, golden) << "differs from the golden file " << name;
}

// Lines joined as a text file: each ends with a line feed.
inline std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

}  // namespace scorewick::testing

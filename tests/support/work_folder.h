#pragma once
// A fresh folder that is the current folder while it lives, as the folder
// where a person types a command (settings and layouts come from there);
// and the text of a file, read whole.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "records/file_io.h"
#include "support/temp_dir.h"

namespace scorewick::testing {

class WorkFolder : public TempDir {
 public:
  WorkFolder() : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(path());
  }
  ~WorkFolder() { std::filesystem::current_path(previous_); }

 private:
  std::filesystem::path previous_;
};

// The whole text of the file at path; a file that cannot be read fails the
// test and reads as empty.
inline std::string ReadText(const std::string& path) {
  std::string text;
  EXPECT_TRUE(ReadWholeTextFile(path, text)) << path;
  return text;
}

}  // namespace scorewick::testing

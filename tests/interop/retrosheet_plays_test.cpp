// Each family of plays, as a scorer would type it in an event file,
// imported and told back box by box (tests/interop/data/plays.txt and
// substitutions.txt hold each book's plays and what it must give; review a
// change to them play by play).

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "retro_book.h"
#include "scoring/consistency.h"
#include "support/data_file.h"

namespace scorewick::interop::testing {
namespace {

// Each book of a case file told again: a book is "## name" and its plays,
// one a line after "> " (one half a book, three outs each, unless it runs
// on); what follows them up to the next book is what it gave.
std::string TellBooks(const std::string& file) {
  std::ifstream in(scorewick::testing::DataFile(file), std::ios::binary);
  std::string line, name, plays, text;
  const auto tell = [&] {
    if (name.empty()) return;
    Game game;
    std::string noted;
    const std::string refused = BuildBook(plays, game, &noted);
    if (refused.empty()) {
      for (const scoring::Inconsistency& found : scoring::CheckGame(game, {}))
        ADD_FAILURE() << name << ": " << found.Text();
    }
    text += noted;
    text += refused.empty() ? Describe(game) + "\n" : "refused: " + refused + "\n\n";
  };
  while (std::getline(in, line)) {
    if (line.rfind("## ", 0) == 0) {
      tell();
      name = line.substr(3);
      plays.clear();
      text += line + "\n";
    } else if (line.rfind("> ", 0) == 0) {
      plays += (plays.empty() ? "" : "\n") + line.substr(2);
      text += line + "\n";
    }
  }
  tell();
  EXPECT_FALSE(text.empty()) << file;
  return text;
}

TEST(RetrosheetPlays, EachFamilyIsRecordedAsTheHandheldWould) {
  scorewick::testing::ExpectGolden(TellBooks("plays.txt"), "plays.txt");
}

TEST(RetrosheetPlays, EachKindOfSubstitution) {
  scorewick::testing::ExpectGolden(TellBooks("substitutions.txt"), "substitutions.txt");
}

}  // namespace
}  // namespace scorewick::interop::testing

#pragma once
// Short games written by hand in the scorebook shorthand (tests/books,
// each with what it shows in its opening comment), shared by the scorebook,
// statistics and report tests, and the compiler that turns them into game
// records.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "records/game.h"
#include "scoring/book.h"

namespace scorewick::sim::testing {

// The text of tests/books/NAME.book; a book that is missing ends the test
// program at once, naming it, so that no test runs on an empty game.
inline std::string Book(const std::string& name) {
  std::string path = SCOREWICK_TEST_BOOKS;
  path.append("/").append(name).append(".book");
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  if (!in || text.str().empty()) {
    std::fprintf(stderr, "cannot read the scorebook %s\n", path.c_str());
    std::abort();
  }
  return text.str();
}

// The two teams of every book (the plays follow them).
inline const std::string kTeams = Book("teams");
inline const std::string kWalkOff = Book("walk_off");
inline const std::string kErrors = Book("errors");
inline const std::string kChanges = Book("changes");

// The game of teams followed by plays; a book that does not compile throws,
// naming the line (and so fails the test that asked for it).
inline Game CompileBook(const std::string& plays, const std::string& teams = kTeams) {
  Game game;
  const scoring::ScorebookResult result = scoring::CompileScorebook(teams + plays, game);
  if (!result.ok) throw std::runtime_error("scorebook: " + result.error);
  return game;
}

// The entries of a book, as the live scorer is given them.
inline std::vector<std::string> EntriesOf(const std::string& text) {
  std::vector<std::string> entries;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    for (const std::string& e : scoring::BookEntries(line)) entries.push_back(e);
  }
  return entries;
}

// The same, each pitch of a run of pitches ("bsf") an entry of its own.
inline std::vector<std::string> WordsOf(const std::string& text) {
  std::vector<std::string> words;
  for (const std::string& e : EntriesOf(text)) {
    if (e.size() > 1 && e.find_first_not_of("bscflmiphvr") == std::string::npos) {
      for (char c : e) words.emplace_back(1, c);
    } else {
      words.push_back(e);
    }
  }
  return words;
}

}  // namespace scorewick::sim::testing

#pragma once
// A game scored as it happens and kept on the disk as it is scored: the
// book beside the game file (GAME.book) and the game file itself.  Every
// entry is on the disk before it is taken, and the game file is written
// whole after every change, so that any other command reads the game while
// it is scored and a stopped scorer goes on where its book ends.
//
// Changes come as actions: the entries of one click or one typed line are
// taken all together or not at all, and Undo takes back the last action
// whole (Redo puts it back), as a person thinks of what he did.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "records/status.h"
#include "scoring/league_rules.h"
#include "scoring/live_book.h"

namespace scorewick::scoring {

// The book kept beside a game file: GAME.book.
std::string BookPathOf(const std::string& game);

// The entries of the book file at path, without a last line that was cut
// as it was written (the power went): that one, never answered, goes to
// *cut_line when given.
Status ReadBookFile(const std::string& path, std::vector<std::string>& entries,
                    std::string* cut_line = nullptr);

class KeptBook {
 public:
  explicit KeptBook(std::string game_path);

  const std::string& game_path() const { return game_path_; }
  const std::string& book_path() const { return book_path_; }
  const LiveBook& book() const { return book_; }

  // Whether the game has a book or a game file already.
  bool Begun() const;

  // The game where it stands: from its book, else from its game file (a
  // game scored elsewhere, whose book is written first; rules are those it
  // is read under).  A last line that was cut as it was written (the power
  // went) was never answered: it is left out and said in *notice.
  Status Open(const LeagueRules& rules, std::string* notice = nullptr);
  // A new game from the lines of its header (scoring/new_game_book.h).
  Status Begin(const std::vector<std::string>& header);

  // One entry, on its own (the command line's words, one at a time).
  Status Add(const std::string& entry);
  // The entries of one action, all or none.
  Status AddAction(const std::vector<std::string>& entries);
  // Entries [first, first + count) replaced (0-based), the book written anew.
  Status Edit(std::size_t first, std::size_t count, const std::vector<std::string>& with);
  // The last n entries taken back.
  Status Undo(std::size_t n);

  // The last action taken back, or put back again.
  Status UndoAction();
  Status RedoAction();
  bool CanRedo() const { return !redo_.empty(); }

  // The game file written after the last change failed (the book holds the
  // game; the file is written again after the next change): why, else empty.
  const std::string& game_file_problem() const { return game_file_problem_; }

 private:
  Status AppendToBook(const std::vector<std::string>& added);
  Status WriteWholeBook();
  Status Rewrite(const std::vector<std::string>& before);
  void WriteGameFile();

  std::string game_path_;
  std::string book_path_;
  LiveBook book_;
  std::vector<std::size_t> actions_;            // entries each action added, oldest first
  std::vector<std::vector<std::string>> redo_;  // actions taken back, last on top
  std::string game_file_problem_;
  std::vector<std::uint8_t> bytes_;  // the game file, encoded after every change
};

}  // namespace scorewick::scoring

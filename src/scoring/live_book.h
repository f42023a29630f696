#pragma once
// A game scored as it happens, kept as its book: the entries (each a line
// of the scorebook: a pitch or pitches, a play with its runners, a
// substitution, a header line), the game they make, and the state of play
// after them.  Every change goes through the book, so that a correction
// three batters back is a change of one entry and a replay of the rest:
//
// - Add takes one entry; one the game cannot take is refused with the
//   reason and nothing changes.  A play when no half-inning is open opens
//   the next one first, with an entry of its own ("top 2").
// - Edit replaces, inserts or deletes entries anywhere in the book and
//   plays the whole book again; when the rest of the game no longer fits,
//   it is refused with the first entry that does not, and nothing changes.
//
// The game is kept as it stands: the open half's totals, the score, the
// current position and the decisions so far, so that it can be saved and
// read by every other command while it is scored.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "records/game.h"
#include "records/status.h"
#include "scoring/play.h"
#include "scoring/scorer.h"

namespace scorewick::scoring {

namespace book {
class Compiler;
}

class LiveBook {
 public:
  LiveBook();
  ~LiveBook();
  LiveBook(const LiveBook&) = delete;
  LiveBook& operator=(const LiveBook&) = delete;

  // The book of a game started earlier.  Refused, with the number of the
  // entry at fault (1-based, in line), when it does not make a game; the
  // book is then left empty.
  Status Load(const std::vector<std::string>& entries);
  // One entry more.  The entries the book gained (the half it opened, the
  // entry itself) are in added.
  Status Add(const std::string& entry, std::vector<std::string>* added = nullptr);
  // Entries [first, first + count) replaced by with (0-based): a fix, an
  // insertion (count 0) or a deletion (with empty).
  Status Edit(std::size_t first, std::size_t count, const std::vector<std::string>& with);
  // The last n entries taken back.
  Status Undo(std::size_t n);

  // The half-inning an entry would open first ("top 2") when no half is
  // open; empty when it needs none.
  std::string HalfNeededBy(const std::string& entry) const;
  // Both line-ups are listed (or the game has begun): the next word may be
  // the first pitch.
  bool Ready() const;

  // Whether the entries would be taken now, one after the other, and why
  // not (the reason of the first refused); nothing changes.
  Status Check(const std::vector<std::string>& more) const;
  // The play the words of a result and its runners would make now (the
  // runners not written where the book's defaults put them), without
  // recording it.
  Status Preview(const std::string& words, scoring::Play& play);

  const std::vector<std::string>& entries() const { return entries_; }
  const Game& game() const;
  // The state of play; null before the first half begins.
  const Scorer* scorer() const;
  const LeagueRules& rules() const;
  // The game is over: decided, or called.
  bool Over() const;

  // Before the first half, the line-ups as listed so far.
  struct LineUps {
    int listing = -1;      // the team the lines list: 0 visitors, 1 home, -1 none
    std::string names[2];  // the teams, empty where not declared yet
    int batters[2] = {0, 0};
    bool pitcher[2] = {false, false};
  };
  LineUps Listed() const;

 private:
  struct State;
  // Plays entries into a new state; on failure the entry's number (1-based).
  static Status Replay(const std::vector<std::string>& entries, std::unique_ptr<State>& out);

  std::unique_ptr<State> state_;
  std::vector<std::string> entries_;
};

}  // namespace scorewick::scoring

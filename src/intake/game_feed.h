#pragma once
// Takes in a list of game files on worker threads and the caller's own,
// every core at work, and hands the games (or what FeedOptions::make drew
// from each on the thread that read it) to the caller one at a time, in
// list order, on the caller's thread: what the caller makes of them
// (statistics, box scores) is the same whatever order the reading
// finished in, and the same as with one thread.  A few games are in hand
// at a time, whatever the list's length, so memory stays small.

#include <any>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "intake/game_intake.h"
#include "records/game.h"

namespace scorewick {

// One game of the list as handed over.
struct FedGame {
  std::size_t index = 0;               // its place in the list
  std::optional<GameRefusal> refusal;  // it was not taken in, and why
  bool other_teams = false;            // left after its teams: not the team asked for
  bool left = false;                   // left after its headline: not chosen
  Game game;                           // decoded, when neither of the above (and handed over)
  UserMessages messages;               // what decoding it had to say (a team's bad version word)
  std::string made;                    // what FeedOptions::make made of it
  // Its headline, when FeedOptions::choose was asked and it could be read
  // (also for a game left, or refused after it).
  std::optional<GameHeadline> headline;
  // FeedOptions::make's own, kept from game to game of the place in hand
  // the game came through, so that what make builds is built once.
  std::any kept;
};

struct FeedOptions {
  // When set, a game neither of whose teams is so named is read only as far
  // as its teams and handed over with other_teams set.
  std::string team;
  // When set, each game is read first only as far as its headline (its day,
  // start time and teams) and read on only when choose(its place in the
  // list, the headline) says so; one it does not choose is handed over
  // with left set (before the team is asked about).  Run on the thread that
  // read the headline: it must not touch anything shared without its own
  // lock.  A game whose headline cannot be read is read whole, for
  // decoding to refuse.
  std::function<bool(std::size_t index, const GameHeadline& headline)> choose;
  // Whether a game of format 2.0 is decoded (and converted) rather than
  // refused as a prior format.
  bool prior_format = false;
  // Threads that read, the caller's own among them: 0 for one per idle
  // core, 1 to read every game on the caller's thread.
  int threads = 0;
  // Run on the thread that read it (a worker's or the caller's) for every
  // game decoded, after decoding: work that needs only the game (a box
  // score's text) is done there too.  It must not touch anything shared
  // without its own lock.
  std::function<void(const Game&, FedGame&)> make;
  // Whether the decoded game itself is handed over in FedGame::game.  When
  // make draws from each game all that the caller needs, it need not be:
  // each thread then decodes into one game of its own, game after game,
  // and its megabyte of records stays in the cache of the core that read
  // it rather than travel to the caller's.
  bool hand_over = true;
};

// The threads that read for `threads`, the caller's among them: at most 8;
// for 0, one per idle core (the cores less the load average of the last
// minute, at least one): on a machine whose cores are busy with other
// work, threads that wait on one another for a turn of a core cost more
// than they gain, and one thread reads fastest.
int FeedThreads(int threads);

// Reads, checks and decodes every file of paths (records/game_intake.h) and
// calls take with each in list order.  take returning false stops the
// feed: no later game is handed over (those being read are finished and
// dropped).  Returns false when take stopped it.
bool FeedGames(const std::vector<std::string>& paths, const FeedOptions& options,
               const std::function<bool(FedGame&)>& take);

// Reads only the headline of every file of paths, on `threads` threads as
// FeedOptions::threads says: nothing for a file whose headline cannot be
// read.
std::vector<std::optional<GameHeadline>> FeedHeadlines(const std::vector<std::string>& paths,
                                                       int threads = 0);

}  // namespace scorewick

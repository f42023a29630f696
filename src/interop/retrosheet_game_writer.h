#pragma once
// The inside of ExportRetrosheetGame, shared by its source files: the
// game's records, line-ups and halves (retrosheet_game_writer.cpp) and the
// text of each play (retrosheet_play_text.cpp).

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "interop/name_index.h"
#include "interop/retrosheet_export_game.h"
#include "interop/short_list.h"
#include "interop/small_int_sets.h"

namespace scorewick::interop::retro_out {

// An entry of a box: box index in the half, entry index in its sequence.
struct EntryRef {
  int box = 0;
  int entry = 0;
};

// A place in the order of a half: after entry `entry` of box `box`
// (-1 before its first pitch, kBeforeBox before the subs that precede it).
struct Key {
  int box = 0;
  int entry = 0;
  auto operator<=>(const Key&) const = default;
};
inline constexpr int kBeforeBox = -2;

// One player's part of a play: the batter (from 0) or a runner.
struct Move {
  int box = -1;
  int from = 0;                      // 0 the batter, 1..3
  int to = 0;                        // the base he holds after (4 scored)
  bool out = false;                  // put out going to (or off) the base after `to`
  ShortList<std::int32_t, 4> codes;  // one advance code per base gained beyond his result's
  ShortList<int, 6> entries;         // his box's entries of this play
  int rbi = 0;                       // the batter's own runs batted in (his RBI entries)
};

// How a runner's move came about, for which play record it belongs in.
enum class MoveKind {
  kBatted,   // with the batter's play (or OA on a play of its own)
  kSteal,    // SB, CS, a caught stealing safe on an error
  kPickoff,  // PO, a pick-off throw gone wrong
  kWildPitch,
  kPassedBall,
  kBalk,
  kIndifference,
};

// Where a batted ball is written to have gone: a hit location, or the
// fielder and trajectory the reader places a ball by when none is written.
struct BallPlace {
  int fielder = 0;
  std::string trajectory;
  std::string location;
};
enum class BallForm {
  kHit,           // S, D, T, HR: the fielder named is ours to choose
  kFixedFielder,  // E6, FC5: the fielder is the play's
  kFieldedFirst,  // 64(1), 6E3: the reader places it where the first fielder plays
  kOut,
};

// A sub record to write.
struct Sub {
  bool home = false;
  std::string_view name;  // the game's own text, which outlives the writer
  int slot = 0;           // 0 a pitcher who does not bat
  int position = 0;       // Retrosheet's: 1..9, 10 DH, 11 PH, 12 PR
};

// A sub at its place in a half.
struct TimedSub {
  Key key;
  Sub sub;
  bool after_plays = false;  // written after the plays of its place
  bool done = false;         // written already
};

// The players of a side who came into the game, each with his Retrosheet
// position: a short list (a side uses some twenty players at most),
// searched by name, that keeps its room from half to half.
class Roles {
 public:
  using Entry = std::pair<std::string_view, int>;
  // The role of the name, or nullptr for a player not in the game.
  const int* Find(std::string_view name) const {
    for (const Entry& e : entries_) {
      if (SameName(e.first, name)) return &e.second;
    }
    return nullptr;
  }
  // Names are mostly set again in the order they were set before: the
  // entry after the one last set is looked at first.  A name is held once.
  void Set(std::string_view name, int role) {
    if (next_ < entries_.size() && SameName(entries_[next_].first, name)) {
      entries_[next_++].second = role;
      return;
    }
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      if (SameName(entries_[i].first, name)) {
        entries_[i].second = role;
        next_ = i + 1;
        return;
      }
    }
    entries_.emplace_back(name, role);
    next_ = entries_.size();
  }
  void clear() {
    entries_.clear();
    next_ = 0;
  }
  std::vector<Entry>::const_iterator begin() const { return entries_.begin(); }
  std::vector<Entry>::const_iterator end() const { return entries_.end(); }

 private:
  std::vector<Entry> entries_;
  std::size_t next_ = 0;
};

// Where a side stands: who bats in each slot and plays each position, by
// the names the game holds (views of its text, which outlives the writer).
struct SideState {
  std::array<std::string_view, 10> slots{};  // 1..9
  std::array<std::string_view, 10> field{};  // 1..9
  Roles role;                                // a player in the game: his Retrosheet position
  int next_slot = 1;                         // due up
  int slot_count = 9;
};

struct BatterText;
struct FieldedOut;

class GameWriter {
 public:
  GameWriter(const Game& game, const ExportNames& names, ExportedGame& out)
      : game_(game), names_(names), out_(out) {}
  // The game's records into out.text, or why they cannot be written.
  Status Run(const std::string& id, int game_number);

 private:
  bool Fail(std::string why);
  void Lost(const std::string& what);
  void Line(std::string_view text);
  void PlayerLine(std::string_view type, bool home, std::string_view name, int slot, int position);
  const std::string& IdOf(bool home, std::string_view name);

  // Records and line-ups (retrosheet_game_writer.cpp).
  bool WriteAll(const std::string& id, int game_number);
  bool PitchesLost() const;
  bool Halves();
  void InfoRecords(const std::string& id, int game_number);
  bool CheckShape();
  bool StartRecords();
  bool HalfStart(int inning, bool top);
  bool TargetOf(int inning, bool top, bool home, SideState& target);
  bool FieldingTarget(int inning, bool top, bool home, SideState& target);
  std::string_view DesignatedHitterAt(int inning, bool top, bool home, int s, int block) const;
  void ComeAndGone(const HALF_INNING& h, bool home);
  void WriteSub(const Sub& s, bool with_no_play);
  void ApplySub(const Sub& s);
  void DataRecords();
  // Whether name pitched in the game (Game::IsGamePitcher), each name
  // looked up once: the game's every box is read for it.
  bool Pitched(std::string_view name);

  // A half (retrosheet_game_writer.cpp).
  bool Half(int inning, bool top);
  void BeginHalf(int inning, bool top);
  bool Turn(int k, int& last_own);
  bool AfterTurn(int k, int last_own);
  bool CollectMoments();
  bool CollectTimedSubs();
  void OffenseTimedSubs();
  void PinchHitterPlace(std::size_t i, int k, TimedSub& t) const;
  void PinchRunnerPlace(const PLAYER& p, TimedSub& t) const;
  bool DefenseTimedSubs();
  const HALF_INNING* NextBattingHalf(bool home) const;
  void PlacesTakenInOrder();
  bool EmitAt(Key key, int batter_box);
  bool BatterPlay(int box);
  bool RunnerPlays(Key key, std::vector<Move>& moves);
  void BringInNamedPitcher(const std::vector<Move>& moves);
  bool TakeMovesAt(Key key, std::vector<Move>& moves, int batter_box);
  Move BatterMove(int batter_box) const;
  bool AddEntry(const EntryRef& e, int batter_box, std::vector<Move>& moves, SmallIntMap& base);
  bool BeginsMove(const EntryRef& e, int from, const Move& last, bool batter,
                  bool his_result) const;
  void AddPitchLetters(const AT_BAT& ab, int entry);
  void FoulError(const AT_BAT& ab);
  void RecordWritten();
  void Notes(int box);
  std::string_view Due() const;
  // Writes the play record of the batter due with this event.
  void PlayLine(std::string_view event);

  // Plays (retrosheet_play_text.cpp).
  MoveKind KindOf(const Move& m) const;
  // The event of a batter's record: what he did, the runners' moves it
  // carries (into carried, his own first) and those that follow it in
  // records of their own (into rest).
  bool BatterEvent(const AT_BAT& ab, const std::vector<Move>& moves, std::vector<Move>& carried,
                   std::vector<Move>& rest, std::string& event);
  // Its steps, in order.
  void SortMoves(const std::vector<Move>& moves, BatterText& t);
  bool AfterNewPitcher(const Move& m) const;
  void ReachBasic(BatterText& t);
  void ErrorReach(BatterText& t, const char* flag);
  std::string ThrownTo(const AT_BAT& ab, int box);
  void OutModifiers(BatterText& t);
  void PlaceForOuts(BatterText& t);
  bool NoneGained(const Move& m) const;
  void PlaceRunnerOuts(BatterText& t);
  bool FieldedEvent(BatterText& t);
  bool NoteOutTargets(BatterText& t);
  void MarkPlays(BatterText& t);
  std::string BatterAdvances(BatterText& t);
  // The outs of a fielded play's event (64(1)3): the batter's when he is
  // out and those of the runners named, in the order they were made.
  bool FieldedOuts(const AT_BAT& ab, std::vector<Move>& moves, bool batter_out,
                   const SmallIntSet& runners, std::string& text, SmallIntSet& in_event);
  void RunnersFieldedOuts(const std::vector<Move>& moves, const SmallIntSet& runners,
                          std::vector<FieldedOut>& outs, std::vector<std::string>& runner_chains);
  void CheckErrorsWritten();
  std::string RunnerEvent(MoveKind kind, const std::vector<Move>& moves, SmallIntSet& implied);
  std::string StealsText(const std::vector<const Move*>& order, SmallIntSet& implied);
  std::string PickoffsText(const std::vector<const Move*>& order, SmallIntSet& implied);
  std::string OtherAdvanceText();
  std::string Advances(const std::vector<Move>& moves, const SmallIntSet& skip, bool batter_play,
                       int rbi);
  std::string AdvanceText(const Move& m, bool batter_play, bool rbi);
  // The errors of a move's bases first..last not yet written, as marks
  // ((E6), (6E4/TH)); they count as written then.
  std::string ErrorMarks(const Move& m, int first_base, int last_base);
  std::string ChainText(const AT_BAT& ab);
  bool ValidChain(const AT_BAT& ab);
  int ResultCredits(const AT_BAT& ab) const;
  BallPlace PlaceOfBall(const AT_BAT& ab, BallForm form, int fielder);
  int FielderOfLocation(const AT_BAT& ab) const;
  const AT_BAT& Box(int index) const { return half_->at_bats[static_cast<std::size_t>(index)]; }
  void ApplyMoves(const std::vector<Move>& moves);

  const Game& game_;
  const ExportNames& names_;
  ExportedGame& out_;
  std::string error_;
  std::set<std::string> lost_said_;
  std::vector<std::pair<std::string_view, bool>> pitched_;  // names looked up: pitched or not

  std::array<SideState, 2> sides_;  // [0] visitors, [1] home
  SideState target_;                // where a side is to stand at a half's start (room kept)
  int season_ = 0;

  // The half being written.
  const HALF_INNING* half_ = nullptr;
  int inning_ = 0;  // 1-based
  bool top_ = true;
  int outs_ = 0;
  std::array<int, 4> bases_{};  // 1..3: the box of the runner there, -1 none
  std::vector<int> result_;     // per box: the entry of its result, -1 none
  std::vector<int> base_of_;    // per box: where its runner stands (-1 gone)
  // The runners' entries of the half by the place they name, in order of
  // the places, those of one place in the order of their boxes and entries;
  // a place's are taken away once written.
  struct Moment {
    Key key;
    EntryRef entry;
    static bool Earlier(const Moment& a, const Moment& b) { return a.key < b.key; }
  };
  std::vector<Moment> moments_;
  std::pair<std::vector<Moment>::iterator, std::vector<Moment>::iterator> MomentsAt(Key key);
  std::vector<TimedSub> timed_;
  // The moves of the place being written, what the batter's record carries
  // of them and what is left, and a runners' record's own and the later
  // ones: rooms kept from play to play.
  std::vector<Move> moves_, carried_, rest_, now_, later_;
  // A batter's event's runners' plays after a plus sign, and its modifiers.
  std::vector<Move> merged_;
  std::vector<std::string> modifiers_;
  std::string pitches_;  // the open turn's pitches so far
  int count_balls_ = 0;
  int count_strikes_ = 0;
  int balls_now_ = 0;  // the count after the last pitch
  int strikes_now_ = 0;
  bool dot_ = false;  // a record was written for the batter due since his last pitch
  int due_box_ = -1;  // the box whose batter is at the plate, -1 between turns
  // The throw a pick-off play before the due batter's first pitch wrote:
  // read again, it is the first pick-off throw of his box.
  std::string throw_before_turn_;
  bool any_pitch_ = false;
  SmallIntSet errors_written_;   // box * 8 + base: errors the half's records carry
  SmallIntSet assists_written_;  // box * 16 + reach credit: assists written
  bool whole_play_ = false;      // the batter's play: his box holds the whole play's credits
  // Of the batter's play: runners put out written after the dot at a base
  // of their own (1X1 doubled off, 1X2 tagged), or with interference.
  SmallIntMap out_target_;
  SmallIntSet out_interference_;
};

// Retrosheet's position of one of ours: 1..9, 10 DH, 11 PH, 12 PR; 0 for
// one the format has no place for.
int RetroPosition(std::int32_t position);

}  // namespace scorewick::interop::retro_out

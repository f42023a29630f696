#include "reports/score_sheet_text.h"

#include <algorithm>

#include "records/code_classes.h"
#include "records/format_text.h"

namespace scorewick::reports {

std::string GameDateLine(const GameHeader& h) {
  const char* format = h.start_minute < 10 ? "%d/%d/%d %d:0%d at %s" : "%d/%d/%d %d:%d at %s";
  return Format(format, h.month, h.day, h.year, h.start_hour, h.start_minute, h.field.c_str());
}

std::string AttendanceLine(const GameHeader& h) {
  return Format("Attendance: %d   Game Duration: %d hrs %d min", h.attendance, h.duration_hours,
                h.duration_minutes);
}

std::string TeamSideLine(const Team& team, bool home) {
  return team.team_name.str() + " : " + (home ? "Home" : "Visitor");
}

std::string TeamScoreText(const Team& team, std::int64_t runs) {
  return team.team_name.str() + " : " + std::to_string(runs);
}

std::string PitchersOfRecordLine(const Game& game) {
  return "Winning Pitcher: " + game.winning_pitcher.name.str() +
         ", Saving Pitcher: " + game.saving_pitcher.name.str() +
         ", Losing Pitcher: " + game.losing_pitcher.name.str();
}

std::string UmpiresLine(const GameHeader& h) {
  std::string names;
  for (const auto& umpire : h.umpires) {
    // The handheld keeps a blank for an umpire not recorded.
    if (umpire.view().find_first_not_of(' ') == std::string_view::npos) continue;
    names += (names.empty() ? "" : ", ") + umpire.str();
  }
  return "Umpires: " + names;
}

std::string SlotHolderText(const SlotHolder& holder) {
  std::string text = "#" + holder.number + " " + holder.name + " " + holder.position;
  if (!holder.entered.empty()) text += " " + holder.entered;
  return text;
}

std::string ContinuedSlotLine(int slot, const std::vector<SlotHolder>& holders) {
  std::string line = "Slot " + std::to_string(slot) + ", continued: ";
  for (std::size_t i = 0; i < holders.size(); ++i)
    line += (i == 0 ? "" : ", ") + SlotHolderText(holders[i]);
  return line;
}

std::string NoteHeading(const GAME_NOTE& note) {
  const int inning = note.inning + 1;
  const int at_bat = note.at_bat + 1;
  return Format("%s of the %d%s, %d%s At Bat", note.half ? "Top" : "Bottom", inning,
                std::string(OrdinalSuffix(inning)).c_str(), at_bat,
                std::string(OrdinalSuffix(at_bat)).c_str());
}

int FielderNumber(std::int32_t position) { return position >= 11 ? position - 3 : position; }

std::string ReachText(const AT_BAT& ab) {
  return ReachAbbrev(ab.how_reached, FielderNumber(ab.error_credits[0].position));
}

std::string AdvanceText(const AT_BAT& ab, int slot) {
  if (slot < 0 || slot > 2) return {};
  return AdvanceAbbrev(
      ab.advances[slot],
      FielderNumber(ab.error_credits[static_cast<std::size_t>(slot + 1)].position));
}

std::string OutCreditChain(const AT_BAT& ab) {
  std::string chain;
  const int count = std::clamp(+ab.out_credit_count, 0, kMaxCredits);
  for (int i = 0; i < count; ++i) {
    if (i > 0) chain += '-';
    chain += std::to_string(FielderNumber(ab.out_credits[static_cast<std::size_t>(i)].position));
  }
  return chain;
}

bool ReachedOnBattedBall(std::int32_t reach) {
  return IsOneOf(reach, kReachSingle, kReachDouble, kReachTriple, kReachHomeRun,
                 kReachFieldersChoice, kReachError, kReachAssistWithError, kReachSacrificeWithError,
                 kReachOnBaseSingle, kReachInsideParkHR, kReachGroundRuleDouble, kReachSacrificeFC,
                 kReachSacHitWithError, kReachSacFlyWithError, kReachFieldersChoiceDP);
}

bool OutOnBattedBall(std::int32_t out) {
  return IsOneOf(out, kOutGround, kOutFly, kOutFoul, kOutDoublePlay, kOutTriplePlay, kOutSacFly,
                 kOutSacBunt, kOutLineDrive, kOutSacrifice, kOutGroundDoublePlay, kOutInfieldFly,
                 kOutBuntOut, kOutNonForceGdp, kOutSacFlyDP);
}

std::vector<CountCell> CountCells(const AT_BAT& ab) {
  std::vector<CountCell> cells;
  const int strikes = std::clamp(+ab.strikes, 0, 2);
  const int balls = std::clamp(+ab.balls, 0, 3);
  for (int row = 0; row < strikes; ++row) cells.push_back({true, row, 0});
  for (int row = 0; row < balls; ++row) cells.push_back({false, row, 0});
  int strike_tally = 0;
  int ball_tally = 0;
  const int last = std::min(+ab.last_pitch, kMaxPitches - 1);
  for (int i = 0; i <= last; ++i) {
    const std::int32_t event = ab.pitches[static_cast<std::size_t>(i)].event;
    bool strike = false;
    int tally = 0;
    if (event == kEventStrike || event == kEventFoul) {
      strike = true;
      tally = ++strike_tally;
      if (tally >= 3) continue;
    } else if (event == kEventBall) {
      tally = ++ball_tally;
      if (tally >= 4) continue;
    } else {
      continue;
    }
    for (CountCell& cell : cells) {
      if (cell.strike == strike && cell.row == tally - 1) cell.pitch = strike_tally + ball_tally;
    }
  }
  return cells;
}

}  // namespace scorewick::reports

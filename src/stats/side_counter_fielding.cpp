// The fielding credits of a plate appearance: the put-outs and assists of
// its out chain, the assists of throws that ended in an error,
// interference, and the errors and passed balls of its two error lists.
// They are counted once, whatever the split.
#include "records/code_classes.h"
#include "stats/side_counter.h"

namespace scorewick::counting {
namespace {

// What a put-out/assist code gives the fielder.
struct Credit {
  int put_outs = 0;
  int assists = 0;
};

constexpr std::array<Credit, kPutOutAssistCount> kCredits = {{
    {0, 0},  // kCreditNone: see the fielder named alone
    {0, 1},  // kCreditAssist
    {1, 0},  // kCreditPutOut
    {1, 1},  // kCreditPutOutAndAssist
    {2, 0},  // kCreditTwoPutOuts
    {3, 0},  // kCreditThreePutOuts
}};

// An error or passed ball on a batting line or a fielding line.
template <typename Row>
void CountError(Row& row, std::int32_t kind) {
  if (kind == kErrPassedBall) {
    ++row.passed_balls;
    return;
  }
  ++row.errors;
  if (kind == kErrFielding) ++row.fielding_errors;
  if (kind == kErrThrowing) ++row.throwing_errors;
  if (kind == kErrBobble) ++row.bobbles;
}

template <typename Row>
void AddPutOuts(Row& row, int po, int a, int apo, int uapo) {
  row.put_outs += po;
  row.assists += a;
  row.assisted_put_outs += apo;
  row.unassisted_put_outs += uapo;
}

}  // namespace

void SideCounter::FieldingCredits() {
  CountOutChain();
  // Throws that ended in the error the batter or runner was safe on.
  for (int k = 0; k < plate_.reach_credit_count; ++k) {
    const FIELDER_CREDIT& c = plate_.reach_credit(k);
    if (c.name.empty() || c.credit != kCreditAssist) continue;
    const std::string_view name = View(c.name);
    AddPutOuts(Bat(BattingRow(name, c.position)), 0, 1, 0, 0);
    AddPutOuts(Fld(FieldingRow(name, c.position)), 0, 1, 0, 0);
  }
  if (plate_.reached && plate_.how_reached == kReachInterference) {
    for (int k = 0; k < plate_.reach_credit_count; ++k) {
      const FIELDER_CREDIT& c = plate_.reach_credit(k);
      if (c.name.empty()) continue;
      ++Fld(FieldingRow(View(c.name), c.position)).interference;
      break;
    }
  }
  CountErrors();
}

// Put-outs count as assisted when the fielder before in the chain made an
// assist, else unassisted.  A fielder named alone with no credit on an out
// that is his by rule (the catcher on a strikeout ...) has its put-out.
void SideCounter::CountOutChain() {
  const int chain = plate_.out_credit_count;
  for (int i = 0; i < chain; ++i) {
    const FIELDER_CREDIT& c = plate_.out_credit(i);
    if (c.name.empty()) continue;
    const std::string_view name = View(c.name);
    const int b = BattingRow(name, c.position);
    const int f = FieldingRow(name, c.position);
    const std::int32_t credit = c.credit;
    int po = 0, a = 0, apo = 0, uapo = 0;
    if (credit == kCreditNone) {
      if (plate_.out && chain == 1 && IsPutOutOfTheFielderNamed(plate_.how_out)) po = apo = 1;
    } else if (credit > kCreditNone && credit < kPutOutAssistCount) {
      po = kCredits[static_cast<std::size_t>(credit)].put_outs;
      a = kCredits[static_cast<std::size_t>(credit)].assists;
      const bool assisted = i > 0 && CarriesAssist(plate_.out_credit(i - 1).credit);
      (assisted ? apo : uapo) = po;
    }
    AddPutOuts(Bat(b), po, a, apo, uapo);
    AddPutOuts(Fld(f), po, a, apo, uapo);
  }
}

// Each list holds an entry per base; a passed ball the pitches showed is
// the catcher's.  An entry of the first list is passed over where the
// runner went on from that base on the same error.
void SideCounter::CountErrors() {
  const AT_BAT& ab = *plate_.record;
  for (int list = 0; list < 2; ++list) {
    for (int k = 0; k < kBases; ++k) {
      const auto base = static_cast<std::size_t>(k);
      const FIELDER_CREDIT& credit =
          list == 0 ? ab.error_credits[base] : ab.second_error_credits[base];
      std::string_view name = View(credit.name);
      std::int32_t position = credit.position;
      std::int32_t kind = list == 0 ? plate_.error_kinds[base] : plate_.second_error_kinds[base];
      if (list == 0 && pitching_.passed_ball[base] && !pitching_.catcher.empty()) {
        name = pitching_.catcher;
        position = kPosCatcher;
        kind = kErrPassedBall;
      }
      if (name.empty()) continue;
      if (list == 0 && k >= 1 && plate_.advances[base - 1] == kAdvErrorContinued) continue;
      const int b = BattingRow(name, position);
      const int f = FieldingRow(name, position);
      CountError(Bat(b), kind);
      CountError(Fld(f), kind);
    }
  }
}

}  // namespace scorewick::counting

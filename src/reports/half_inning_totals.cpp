#include "reports/half_inning_totals.h"

#include "records/code_classes.h"

namespace scorewick::reports {
namespace {

bool ChargedError(const FIELDER_CREDIT& credit, std::int32_t kind) {
  // Only the first character matters: an empty name or one that begins
  // with a blank names nobody.
  const char first = credit.name.bytes[0];
  if (first == '\0' || first == ' ') return false;
  return kind != kErrPassedBall && kind != kErrPrevious;
}

}  // namespace

HalfInningTotals TallyAtBat(const AT_BAT& ab) {
  HalfInningTotals t;
  if (ab.scored) t.runs = 1;
  if (IsHit(ab.how_reached)) t.hits = 1;
  if (ab.reached && !ab.out && !ab.scored) t.left_on_base = 1;
  for (int base = 0; base < kBases; ++base) {
    const auto b = static_cast<std::size_t>(base);
    if (ChargedError(ab.error_credits[b], ab.error_kinds[base])) ++t.errors;
    if (ChargedError(ab.second_error_credits[b], ab.second_error_kinds[base])) ++t.errors;
  }
  return t;
}

HalfInningTotals TallyHalfInning(const HALF_INNING& half) {
  HalfInningTotals sum;
  for (const AT_BAT& ab : half.at_bats) {
    const HalfInningTotals t = TallyAtBat(ab);
    sum.runs += t.runs;
    sum.hits += t.hits;
    sum.errors += t.errors;
    sum.left_on_base += t.left_on_base;
  }
  return sum;
}

void RecomputeHalfInningTotals(HALF_INNING& half) {
  const HalfInningTotals t = TallyHalfInning(half);
  half.runs = t.runs;
  half.hits = t.hits;
  half.errors = t.errors;
  half.left_on_base = t.left_on_base;
}

}  // namespace scorewick::reports

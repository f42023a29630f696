#include "sim/team_plan.h"

#include <algorithm>

#include "records/codes.h"

namespace scorewick::sim {

using namespace scoring;

namespace {

// FNV-1a over the name: a stable number per player.
std::uint64_t NameHash(std::string_view name, std::uint64_t salt) {
  std::uint64_t h = 1469598103934665603ULL ^ salt;
  for (char c : name) {
    h ^= static_cast<unsigned char>(c);
    h *= 1099511628211ULL;
  }
  return h;
}

double Spread(std::string_view name, std::uint64_t salt, double low, double high) {
  const double unit = static_cast<double>(NameHash(name, salt) % 10007) / 10006.0;
  return low + (high - low) * unit;
}

bool IsPitcher(const PLAYER& p) { return p.position == kPosPitcher; }

}  // namespace

Strength StrengthOf(const PLAYER& player) {
  const std::string_view name = player.name.view();
  Strength s;
  s.contact = Spread(name, 1, 0.85, 1.15);
  s.power = Spread(name, 2, 0.6, 1.5);
  s.eye = Spread(name, 3, 0.8, 1.2);
  s.speed = Spread(name, 4, 0.7, 1.3);
  s.arm = Spread(name, 5, 0.85, 1.15);
  if (IsPitcher(player)) {
    s.contact *= 0.65;
    s.power *= 0.4;
    s.speed *= 0.85;
  }
  return s;
}

std::optional<TeamPlan> PlanTeam(const Team& team, int rotation_index, std::string* error) {
  const std::string name = team.team_name.empty() ? std::string("the team") : team.team_name.str();
  std::vector<PLAYER> pitchers;
  std::vector<PLAYER> others;
  for (const PLAYER& p : team.players()) {
    if (p.name.empty()) continue;
    (IsPitcher(p) ? pitchers : others).push_back(p);
  }
  const bool dh = team.uses_designated_hitter != 0;
  const std::size_t needed = dh ? 9 : 8;
  if (pitchers.empty() || others.size() < needed) {
    if (error) {
      *error = name + " cannot field a side: it needs a pitcher and " + std::to_string(needed) +
               " other players, and has " + std::to_string(pitchers.size()) + " pitcher" +
               std::string(PluralSuffix(static_cast<int>(pitchers.size()))) + " and " +
               std::to_string(others.size()) + " other" +
               std::string(PluralSuffix(static_cast<int>(others.size())));
    }
    return std::nullopt;
  }
  TeamPlan plan;
  std::vector<bool> used(others.size(), false);
  std::vector<PLAYER> batters;
  // A player for each position: the roster's regular there (one with a
  // batting order), else anyone listed there, else anyone left.
  auto take = [&](int position, bool regular_only, bool any) -> bool {
    for (std::size_t i = 0; i < others.size(); ++i) {
      if (used[i]) continue;
      const PLAYER& p = others[i];
      if (!any && p.position != position) continue;
      if (regular_only && p.batting_order <= 0) continue;
      used[i] = true;
      PLAYER b = p;
      b.position = position;
      batters.push_back(b);
      return true;
    }
    return false;
  };
  if (dh) {
    bool found = false;
    for (std::size_t i = 0; i < others.size() && !team.designated_hitter.name.empty(); ++i) {
      if (others[i].name.view() == team.designated_hitter.name.view()) {
        used[i] = true;
        PLAYER b = others[i];
        b.position = kPosDesignatedHitter;
        batters.push_back(b);
        found = true;
      }
    }
    if (!found && !take(kPosDesignatedHitter, false, false))
      take(kPosDesignatedHitter, false, true);
  }
  for (int pos = 2; pos <= 9; ++pos) {
    if (!take(pos, true, false) && !take(pos, false, false)) take(pos, false, true);
  }
  // Batting order: the roster's order, then the rest by strength.
  std::stable_sort(batters.begin(), batters.end(), [](const PLAYER& a, const PLAYER& b) {
    const int ka = a.batting_order > 0 ? a.batting_order : 100;
    const int kb = b.batting_order > 0 ? b.batting_order : 100;
    if (ka != kb) return ka < kb;
    return StrengthOf(a).contact > StrengthOf(b).contact;
  });
  const std::size_t starter = static_cast<std::size_t>(rotation_index) % pitchers.size();
  PLAYER pitcher = pitchers[starter];
  pitcher.position = kPosPitcher;
  if (!dh) batters.push_back(pitcher);
  plan.start.batters = batters;
  plan.start.pitcher = pitcher;
  for (std::size_t i = 0; i < others.size(); ++i) {
    if (!used[i]) plan.bench.push_back(others[i]);
  }
  // Relievers in roster order after the starter, so the rotation's next
  // starters come in last.
  for (std::size_t k = 1; k < pitchers.size(); ++k)
    plan.bullpen.push_back(pitchers[(starter + pitchers.size() - k) % pitchers.size()]);
  return plan;
}

}  // namespace scorewick::sim

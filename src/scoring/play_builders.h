#pragma once
// Small helpers for describing plays: runners' advances and outs, fielder
// chains with their put-out/assist credits.

#include <initializer_list>
#include <vector>

#include "scoring/play.h"
#include "scoring/scorer.h"

namespace scorewick::scoring {

// A runner from `from` to `to`, every base on the same code.
inline RunnerMove Advance(int from, int to, std::int32_t code) {
  RunnerMove m;
  m.from = from;
  m.to = to;
  m.codes.assign(static_cast<std::size_t>(to - from), code);
  return m;
}

// A runner put out after holding `held` (from and held may be equal).
inline RunnerMove RunnerOut(int from, int held, std::int32_t how, std::vector<Fielded> chain,
                            std::int32_t code = kAdvBatted) {
  RunnerMove m = Advance(from, held, code);
  m.out = true;
  m.how_out = how;
  m.chain = std::move(chain);
  return m;
}

// The ball handled by each fielder in turn: assists, then the put-out.
inline std::vector<Fielded> Throw(std::initializer_list<int> positions) {
  std::vector<Fielded> chain;
  for (int p : positions) chain.push_back({p, kCreditAssist});
  if (!chain.empty()) chain.back().credit = kCreditPutOut;
  return chain;
}

// The same fielders named without credit: a runner's part of a play whose
// credits stand in the batter's box (double and triple plays).
inline std::vector<Fielded> Uncredited(std::vector<Fielded> chain) {
  for (Fielded& f : chain) f.credit = kCreditNone;
  return chain;
}

// The runners forced along when the batter takes first base.
inline std::vector<RunnerMove> ForcedAlong(const Scorer& s, std::int32_t code) {
  std::vector<RunnerMove> moves;
  if (!s.occupied(1)) return moves;
  moves.push_back(Advance(1, 2, code));
  if (!s.occupied(2)) return moves;
  moves.push_back(Advance(2, 3, code));
  if (s.occupied(3)) moves.push_back(Advance(3, 4, code));
  return moves;
}

}  // namespace scorewick::scoring

#pragma once
// The simulator's source of chance: a small generator (xoshiro256**, seeded
// through splitmix64) whose every draw is defined here, so that one seed
// gives the same game on every compiler and library.  The standard
// distributions are not used because their results differ between
// implementations.

#include <cstdint>
#include <initializer_list>

namespace scorewick::sim {

class Rng {
 public:
  explicit Rng(std::uint64_t seed);

  std::uint64_t Next();
  // A whole number in 0..n-1 (0 when n <= 1).
  int Below(int n);
  // A whole number in lo..hi, both included.
  int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
  // A number in [0, 1).
  double Unit();
  bool Chance(double p) { return Unit() < p; }
  // An index into weights, chosen in proportion to them (weights >= 0, not
  // all 0).
  int Pick(std::initializer_list<double> weights);
  int Pick(const double* weights, int count);
  // A number near mean: the average of three uniform draws, spread +-spread.
  double Near(double mean, double spread);

 private:
  std::uint64_t s_[4];
};

}  // namespace scorewick::sim

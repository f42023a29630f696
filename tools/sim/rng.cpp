#include "sim/rng.h"

namespace scorewick::sim {
namespace {

std::uint64_t SplitMix(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

Rng::Rng(std::uint64_t seed) {
  for (std::uint64_t& s : s_) s = SplitMix(seed);
}

std::uint64_t Rng::Next() {
  const std::uint64_t result = Rotl(s_[1] * 5, 7) * 9;
  const std::uint64_t t = s_[1] << 17;
  s_[2] ^= s_[0];
  s_[3] ^= s_[1];
  s_[1] ^= s_[2];
  s_[0] ^= s_[3];
  s_[2] ^= t;
  s_[3] = Rotl(s_[3], 45);
  return result;
}

int Rng::Below(int n) {
  if (n <= 1) return 0;
  return static_cast<int>((Next() >> 33) % static_cast<std::uint64_t>(n));
}

double Rng::Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

int Rng::Pick(const double* weights, int count) {
  double total = 0;
  for (int i = 0; i < count; ++i) total += weights[i];
  double x = Unit() * total;
  for (int i = 0; i < count; ++i) {
    if (x < weights[i]) return i;
    x -= weights[i];
  }
  for (int i = count - 1; i >= 0; --i) {
    if (weights[i] > 0) return i;
  }
  return 0;
}

int Rng::Pick(std::initializer_list<double> weights) {
  return Pick(weights.begin(), static_cast<int>(weights.size()));
}

double Rng::Near(double mean, double spread) {
  return mean + spread * ((Unit() + Unit() + Unit()) / 1.5 - 1.0);
}

}  // namespace scorewick::sim

#include "interop/hit_location.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace scorewick::interop {
namespace {

constexpr double kHomeX = 83;
constexpr double kHomeY = 117;
constexpr double kPi = 3.14159265358979323846;

struct Zone {
  std::string_view code;
  double angle;
  double distance;
};

// The zones at normal depth.  The single fielders' spots are the places the
// spray chart puts an out without a location (pitcher (83, 90), first base
// (106, 83) ...), so that located and unlocated plays agree.
constexpr Zone kZones[] = {
    {"1", 0, 27},    {"13", 14, 20},  {"15", -14, 20}, {"2", 0, 8},    {"23", 30, 12},
    {"25", -30, 12}, {"3", 34, 41},   {"34", 26, 46},  {"4", 16, 51},  {"4M", 7, 52},
    {"6M", -7, 52},  {"6", -21, 48},  {"56", -30, 45}, {"5", -38, 41}, {"7L", -41, 84},
    {"7", -32, 86},  {"78", -16, 94}, {"8", 0, 101},   {"89", 16, 94}, {"9", 31, 88},
    {"9L", 41, 84},
};

const Zone* FindZone(std::string_view code) {
  for (const Zone& z : kZones) {
    if (z.code == code) return &z;
  }
  return nullptr;
}

bool Outfield(std::string_view digits) { return digits[0] >= '7'; }

}  // namespace

bool HitLocationSpot(std::string_view code, FieldSpot& spot) {
  std::size_t i = 0;
  while (i < code.size() && i < 2 && code[i] >= '1' && code[i] <= '9') ++i;
  if (i == 0) return false;
  const std::string_view digits = code.substr(0, i);
  std::string_view rest = code.substr(i);
  std::string zone(digits);
  if (!rest.empty() && (rest[0] == 'L' || rest[0] == 'M')) {
    zone += rest[0];
    rest.remove_prefix(1);
  }
  const Zone* z = FindZone(zone);
  if (!z && digits.size() == 2 && zone.size() == 2) {
    // Two fielders without a zone of their own: between their places.
    const Zone* a = FindZone(digits.substr(0, 1));
    const Zone* b = FindZone(digits.substr(1, 1));
    if (!a || !b) return false;
    spot = {(a->angle + b->angle) / 2, (a->distance + b->distance) / 2};
  } else if (z) {
    spot = {z->angle, z->distance};
  } else {
    return false;
  }
  const bool deep_field = Outfield(digits);
  if (rest.substr(0, 2) == "XD") {
    spot.distance = deep_field ? 108 : spot.distance + 14;
    rest.remove_prefix(2);
  } else if (!rest.empty() && rest[0] == 'D') {
    spot.distance = deep_field ? std::min(spot.distance + 12, 110.0) : spot.distance + 10;
    rest.remove_prefix(1);
  } else if (!rest.empty() && rest[0] == 'S') {
    spot.distance -= deep_field ? 20 : spot.distance * 0.3;
    rest.remove_prefix(1);
  }
  if (!rest.empty() && rest[0] == 'F') {
    // Foul: beside the line the zone lies along, or behind the plate.
    if (spot.angle == 0) {
      spot.angle = 180;
    } else {
      spot.angle =
          spot.angle < 0 ? std::min(spot.angle - 22, -52.0) : std::max(spot.angle + 22, 52.0);
      if (deep_field) spot.angle = spot.angle < 0 ? -49 : 49;
    }
    rest.remove_prefix(1);
  }
  return rest.empty();
}

bool FielderSpot(int fielder, FieldSpot& spot) {
  if (fielder < 1 || fielder > 9) return false;
  const Zone* z = FindZone(std::string(1, static_cast<char>('0' + fielder)));
  spot = {z->angle, z->distance};
  return true;
}

bool FielderBallSpot(int fielder, std::string_view trajectory, int bases, FieldSpot& spot) {
  if (!FielderSpot(fielder, spot)) return false;
  if (fielder >= 7) {
    // A ground ball through the infield is picked up short of the
    // outfielder, a line drive nearer him, a fly ball where he plays;
    // extra bases go deeper.
    double depth = trajectory == "G" ? 0.7 : trajectory == "L" ? 0.82 : 0.92;
    if (bases == 2) depth += 0.1;
    if (bases == 3) depth += 0.16;
    spot.distance = std::min(spot.distance * depth, kFenceDistance - 4);
  }
  return true;
}

void SpotPixel(const FieldSpot& spot, int& x, int& y) {
  const double radians = spot.angle * kPi / 180;
  x = static_cast<int>(std::lround(kHomeX + spot.distance * std::sin(radians)));
  y = static_cast<int>(std::lround(kHomeY - spot.distance * std::cos(radians)));
  x = std::clamp(x, 0, 165);
  y = std::clamp(y, 0, 129);
  // The home plate pixel itself means "no location": keep a point just in
  // front of it.
  if (x == static_cast<int>(kHomeX) && y == static_cast<int>(kHomeY)) --y;
}

}  // namespace scorewick::interop

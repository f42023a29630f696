#pragma once
// Where a batted ball went, as a point of the field picture the spray
// charts draw on (166 by 130 pixels, home plate at (83, 117), the foul
// lines at 45 degrees either side of straight away centre, the fence 112
// pixels out).
//
// Retrosheet's hit locations name a zone by the fielders whose ground it
// is, then how deep: 5, 56, 6, 6M, 4M, 4, 34, 3 across the infield; 1, 13,
// 15 about the mound; 2, 23, 25 before the plate; 7L, 7, 78, 8, 89, 9, 9L
// across the outfield; S shallow, D deep, XD at the wall; F foul ("5F",
// "7LDF", "2F" behind the plate).

#include <string_view>

namespace scorewick::interop {

// A direction and a distance from home plate: degrees from straight away
// centre (left field negative, foul territory beyond 45, 180 behind the
// plate) and pixels of the field picture.
struct FieldSpot {
  double angle = 0;
  double distance = 0;
};

// The spot of a hit location code; false for a code that is not one.
bool HitLocationSpot(std::string_view code, FieldSpot& spot);
// Where a fielder (1..9) plays; false for any other number.
bool FielderSpot(int fielder, FieldSpot& spot);
// Where a ball that put the batter on base is drawn when no location is
// written: where the fielder named with it plays, and for an outfielder as
// deep as the ball's flight (trajectory "G", "L" or another) and the bases
// it gave (1 to 3) tell.  False for a fielder who is none.
bool FielderBallSpot(int fielder, std::string_view trajectory, int bases, FieldSpot& spot);

// The field picture's pixel of a spot.
void SpotPixel(const FieldSpot& spot, int& x, int& y);

// The distance of the fence, where a home run over it is marked.
inline constexpr double kFenceDistance = 112;

}  // namespace scorewick::interop

#include "interop/retrosheet_pitches.h"

namespace scorewick::interop {

using scoring::PitchCall;

void ReadPitches(std::string_view text, std::vector<PitchStep>& steps, std::string& unknown) {
  steps.clear();
  unknown.clear();
  if (text == "??") return;
  bool catcher = false;
  for (char c : text) {
    PitchStep step;
    switch (c) {
      case 'B':
        step.call = PitchCall::kBall;
        break;
      case 'I':
        step.call = PitchCall::kIntentionalBall;
        break;
      case 'P':
        step.call = PitchCall::kPitchOut;
        break;
      case 'V':  // a ball called because the pitcher went to his mouth, or one
                 // of the four of an intentional walk given without pitches
        step.call = PitchCall::kPitcherToMouth;
        break;
      case 'C':
      case 'K':  // a strike of unknown kind
        step.call = PitchCall::kCalledStrike;
        step.strike = step.called = true;
        break;
      case 'S':
      case 'Q':  // swinging at a pitch-out
      case 'T':  // a foul tip: a strike even with two strikes
        step.call = PitchCall::kSwingingStrike;
        step.strike = true;
        break;
      case 'M':
      case 'O':  // a foul tip on a bunt
        step.call = PitchCall::kMissedBunt;
        step.strike = true;
        break;
      case 'F':
      case 'R':  // a foul on a pitch-out
        step.call = PitchCall::kFoul;
        step.strike = true;
        break;
      case 'L':
        step.call = PitchCall::kFoulBunt;
        step.strike = true;
        break;
      case 'X':
      case 'Y':
        step.kind = PitchStep::Kind::kInPlay;
        break;
      case 'H':
        step.kind = PitchStep::Kind::kHitBatter;
        break;
      case '1':
      case '2':
      case '3':
        step.kind = PitchStep::Kind::kPickoffThrow;
        step.base = c - '0';
        step.by_catcher = catcher;
        catcher = false;
        steps.push_back(step);
        continue;
      case '+':
        catcher = true;
        continue;
      case '*':  // the catcher blocked the next pitch
      case '>':  // the runner went on the next pitch
      case '.':  // the runners' play of an earlier record came here
      case 'N':  // no pitch (a balk, an interference call)
      case 'U':  // a pitch of which nothing is known
        continue;
      default:
        unknown += c;
        continue;
    }
    catcher = false;
    steps.push_back(step);
  }
}

std::string_view NewPitches(std::string_view text, std::string_view earlier) {
  // Skip as many characters as the earlier record had, dots aside: a
  // record now and then restates the earlier pitches without their dots.
  std::size_t skip = 0;
  for (char c : earlier) skip += c != '.' ? 1 : 0;
  std::size_t i = 0;
  while (i < text.size() && skip > 0) {
    if (text[i] != '.') --skip;
    ++i;
  }
  return text.substr(i);
}

}  // namespace scorewick::interop

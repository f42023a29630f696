#pragma once
// The exact form of a play in a book: every field of the play the scorer
// records, written out, for what the shorthand has no word for (the book of
// a game imported from elsewhere says each play exactly).  Words begin with
// '!', their parts are set apart by '|':
//
//   !B|R1|t2|c18|@83,24|m11,59,94,80,1   the batter: reached (R and the
//                                        ReachResult number) or out (O and
//                                        the OutType number, both when he
//                                        reached and was put out), the base
//                                        held after the play (t), the codes
//                                        of the bases beyond his result (c,
//                                        AdvanceType numbers set apart by
//                                        '.'), where the ball went (@), and
//                                        the pitch of the result (m: type, x,
//                                        y, speed, strike type)
//   !1|t3|c2.2|k6a.4p|e2:6:1:1|a5|u|g  a runner (from first): the base
//                                        held (t), the codes of each base
//                                        gained (c), put out (O), the
//                                        fielders with their put-out and
//                                        assist letters (k: n none, a
//                                        assist, p put-out, q both, 2 and 3
//                                        put-outs), the errors (e: base,
//                                        fielder, ErrorType number, bases
//                                        gained, and :s for a second error),
//                                        assists of a throw that ended in an
//                                        error (a), his run unearned (u) or
//                                        earned (r), his charge passed back
//                                        to the runner behind him (g, or g0
//                                        not)
//   !P|i2|w|z                            the play: runs batted in (i), the
//                                        batter's out before the runners'
//                                        (w), runs that count on a forced
//                                        last out (z)
//
// The batter's word takes k, f (the fielders of his reaching base), e, a,
// u and r too.

#include <string>
#include <vector>

#include "scoring/play.h"

namespace scorewick::scoring::book {

// Whether a word is one of the exact form.
inline bool IsExactWord(const std::string& word) { return !word.empty() && word[0] == '!'; }

// Reads the exact words of one play; false with the reason.
bool ReadExactPlay(const std::vector<std::string>& words, Play& play, std::string& why);

// The exact words of a play, which ReadExactPlay reads back the same.
std::vector<std::string> ExactWords(const Play& play);

}  // namespace scorewick::scoring::book

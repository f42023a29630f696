#pragma once
// Splitting scorebook lines into words.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/player.h"
#include "records/status.h"
#include "scoring/play.h"

namespace scorewick::scoring {

struct Token {
  std::string text;
  bool quoted = false;  // written "in quotes" (names, texts)
};

// Splits a line into words separated by blanks and "quoted texts".  A '#'
// outside quotes starts a comment; a ';' outside quotes starts the play's
// note, the rest of the line without its outer blanks.  Fails for an
// unterminated quote.
Status Tokenize(const std::string& line, std::vector<Token>& out, std::string& note);

// A whole decimal number, optionally negative.
bool ParseInt(const std::string& text, int& value);

// A note as a book line holds it: its line breaks written \r and \n, a
// backslash \\; NoteText reads it back.
std::string NoteInBook(std::string_view text);
std::string NoteText(std::string_view written);

// A name as a book line writes it: in quotes, which a name cannot hold (a
// quote in it becomes an apostrophe).
std::string QuotedName(std::string_view name);
// The word of a player's position in a book line (P for one the book has
// no word for).
std::string PositionWord(std::int32_t position);
// What a book line tells of a player after his name and position: his
// number when he has one (0 to 99), how he bats and throws (" 12 R/R").
std::string PlayerDetails(const PLAYER& p);

// The letters of pitches: b ball, c called strike, s swinging strike, f
// foul, i intentional ball, p pitch-out, m missed bunt, l foul bunt, v a
// ball called without a pitch (the pitcher's hand to his mouth), h a swing
// on a hit-and-run, r a foul on a hit-and-run.
inline constexpr const char* kPitchLetters = "bcsfipmlvhr";
PitchCall PitchCallOf(char letter);
// The letter of a pitch call (0 for none).
char PitchLetterOf(PitchCall call);

}  // namespace scorewick::scoring

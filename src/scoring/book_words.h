#pragma once
// Splitting scorebook lines into words.

#include <string>
#include <vector>

namespace scorewick::scoring {

struct Token {
  std::string text;
  bool quoted = false;  // written "in quotes" (names, texts)
};

// Splits a line into words separated by blanks and "quoted texts".  A '#'
// outside quotes starts a comment; a ';' outside quotes starts the play's
// note, the rest of the line without its outer blanks.  False, with the
// reason in *error, for an unterminated quote.
bool Tokenize(const std::string& line, std::vector<Token>& out, std::string& note,
              std::string* error);

// A whole decimal number, optionally negative.
bool ParseInt(const std::string& text, int& value);

}  // namespace scorewick::scoring

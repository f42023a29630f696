// Splitting a typed line into the entries of a book.

#include <algorithm>
#include <cctype>

#include "records/codes.h"
#include "scoring/book.h"
#include "scoring/book_words.h"

namespace scorewick::scoring {
namespace {

bool IsPitchWord(const std::string& w) {
  const std::size_t letters = std::min(w.find('/'), w.size());
  return letters > 0 && w.find_first_not_of(kPitchLetters) >= letters &&
         (letters == w.size() || letters == 1);
}

bool IsBaseDigit(char c) { return c == '1' || c == '2' || c == '3'; }

// A word of what happens between pitches.
bool IsEventWord(const std::string& w) {
  if (w == "WP" || w == "PB" || w == "BK") return true;
  if (w.size() == 4 && w.rfind("FLE", 0) == 0) return w[3] >= '1' && w[3] <= '9';
  if (w.size() == 3 && (w.rfind("SB", 0) == 0 || w.rfind("DI", 0) == 0))
    return w[2] == '2' || w[2] == '3' || w[2] == 'H';
  if (w.size() == 4 && (w.rfind("POA", 0) == 0 || w.rfind("CPA", 0) == 0)) return IsBaseDigit(w[3]);
  return (w.rfind("CS", 0) == 0 || w.rfind("PO", 0) == 0) && w.size() > 3 && w[3] == '(';
}

bool IsChangeWord(const std::string& w) {
  return w == "PH" || w == "P" || w == "MDH" || (w.size() == 3 && w.rfind("PR", 0) == 0) ||
         (w.size() >= 2 && (w[0] == 'D' || w[0] == 'M') &&
          w.find_first_not_of("0123456789", 1) == std::string::npos);
}

std::string Written(const Token& t) { return t.quoted ? "\"" + t.text + "\"" : t.text; }

}  // namespace

std::vector<std::string> BookEntries(const std::string& line) {
  std::vector<Token> tokens;
  std::string note;
  if (!Tokenize(line, tokens, note)) return {line};  // refused when it is read
  std::vector<std::string> entries;
  const auto join = [&](std::size_t from, std::size_t to) {
    std::string entry;
    for (std::size_t i = from; i < to; ++i) entry += (i > from ? " " : "") + Written(tokens[i]);
    entries.push_back(entry);
  };
  const std::string first = tokens.empty() ? std::string() : tokens[0].text;
  // A player line: a slot, the name, a position ("P" before the name is a
  // pitcher who does not bat, not a change of pitchers, when a position
  // follows it).
  const bool player = tokens.size() > 2 && !tokens[0].quoted && tokens[1].quoted &&
                      (first == "-" || std::isdigit(static_cast<unsigned char>(first[0])) ||
                       (first == "P" && ParsePosition(tokens[2].text) != kPosPitcher) ||
                       (first == "P" && (tokens[2].text == "P" || tokens[2].text == "Pitcher")));
  const bool whole = first == "game" || first == "umpires" || first == "rules" ||
                     first == "visitors" || first == "home" || first == "top" ||
                     first == "bottom" || first == "called" || first == "won" || first == "lost" ||
                     first == "saved" || player;
  if (whole) {
    join(0, tokens.size());
  } else {
    std::size_t i = 0;
    while (i < tokens.size()) {
      const std::string& w = tokens[i].text;
      if (!tokens[i].quoted && IsChangeWord(w) && i + 1 < tokens.size() && tokens[i + 1].quoted) {
        // A batting slot may follow the name.
        const bool slot = i + 2 < tokens.size() && !tokens[i + 2].quoted &&
                          tokens[i + 2].text.find_first_not_of("0123456789") == std::string::npos;
        join(i, i + (slot ? 3 : 2));
        i += slot ? 3 : 2;
      } else if (!tokens[i].quoted && (IsPitchWord(w) || IsEventWord(w))) {
        join(i, i + 1);
        ++i;
      } else {
        join(i, tokens.size());  // the result and its runners
        break;
      }
    }
  }
  if (!note.empty()) {
    if (entries.empty()) {
      entries.push_back("; " + note);
    } else {
      entries.back() += " ; " + note;
    }
  }
  return entries;
}

}  // namespace scorewick::scoring

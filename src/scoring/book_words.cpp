#include "scoring/book_words.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <iterator>

#include "records/codes.h"

namespace scorewick::scoring {

Status Tokenize(const std::string& line, std::vector<Token>& out, std::string& note) {
  out.clear();
  note.clear();
  std::size_t i = 0;
  const std::size_t n = line.size();
  while (i < n) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
    } else if (c == '#') {
      break;
    } else if (c == ';') {
      std::size_t a = i + 1, b = n;
      while (a < b && (line[a] == ' ' || line[a] == '\t')) ++a;
      while (b > a && (line[b - 1] == ' ' || line[b - 1] == '\t' || line[b - 1] == '\r')) --b;
      note = line.substr(a, b - a);
      break;
    } else if (c == '"') {
      const std::size_t close = line.find('"', i + 1);
      if (close == std::string::npos) {
        return Status::Failed({}, "a quoted text has no closing quote");
      }
      out.push_back({line.substr(i + 1, close - i - 1), true});
      i = close + 1;
    } else {
      std::size_t j = i;
      while (j < n && line[j] != ' ' && line[j] != '\t' && line[j] != '\r' && line[j] != '"' &&
             line[j] != '#' && line[j] != ';') {
        ++j;
      }
      out.push_back({line.substr(i, j - i), false});
      i = j;
    }
  }
  return {};
}

bool ParseInt(const std::string& text, int& value) {
  if (text.empty() || text.size() > 9) return false;
  std::size_t i = text[0] == '-' ? 1 : 0;
  if (i == text.size()) return false;
  int v = 0;
  for (; i < text.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    v = v * 10 + (text[i] - '0');
  }
  value = text[0] == '-' ? -v : v;
  return true;
}

namespace {

constexpr PitchCall kLetterCalls[] = {PitchCall::kBall,
                                      PitchCall::kCalledStrike,
                                      PitchCall::kSwingingStrike,
                                      PitchCall::kFoul,
                                      PitchCall::kIntentionalBall,
                                      PitchCall::kPitchOut,
                                      PitchCall::kMissedBunt,
                                      PitchCall::kFoulBunt,
                                      PitchCall::kPitcherToMouth,
                                      PitchCall::kSwingingOnHitAndRun,
                                      PitchCall::kFoulOnHitAndRun};

}  // namespace

std::string NoteInBook(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out;
}

std::string NoteText(std::string_view written) {
  std::string out;
  for (std::size_t i = 0; i < written.size(); ++i) {
    if (written[i] == '\\' && i + 1 < written.size()) {
      const char next = written[++i];
      out += next == 'r' ? '\r' : next == 'n' ? '\n' : next;
    } else {
      out += written[i];
    }
  }
  return out;
}

PitchCall PitchCallOf(char letter) {
  const char* at = std::strchr(kPitchLetters, letter);
  return at && *at ? kLetterCalls[at - kPitchLetters] : PitchCall::kBall;
}

char PitchLetterOf(PitchCall call) {
  for (std::size_t i = 0; i < std::size(kLetterCalls); ++i) {
    if (kLetterCalls[i] == call) return kPitchLetters[i];
  }
  return 0;
}

std::string QuotedName(std::string_view name) {
  std::string text(name);
  std::replace(text.begin(), text.end(), '"', '\'');
  return "\"" + text + "\"";
}

std::string PositionWord(std::int32_t position) {
  if (position < kPosPitcher || position > kPosDesignatedHitter || position == kPosShortField)
    return "P";
  return std::string(PositionAbbrev(position));
}

std::string PlayerDetails(const PLAYER& p) {
  std::string text;
  if (p.uniform_number >= 0 && p.uniform_number <= 99)
    text += " " + std::to_string(p.uniform_number);
  const char bats = p.bats == 0 ? 'L' : p.bats == 1 ? 'R' : 'S';
  return text + " " + bats + "/" + (p.throws_right ? 'R' : 'L');
}

}  // namespace scorewick::scoring

#include "scoring/book_exact.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string_view>

#include "records/at_bat.h"
#include "records/codes.h"

namespace scorewick::scoring::book {
namespace {

// The put-out and assist letters of a chain, by PutOutAssist code.
constexpr char kCreditLetters[] = {'n', 'a', 'p', 'q', '2', '3'};

std::vector<std::string> Split(const std::string& text, char sep) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, sep)) parts.push_back(part);
  return parts;
}

bool Number(const std::string& text, int& value) {
  if (text.empty() || text.size() > 9) return false;
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (end != text.c_str() + text.size()) return false;
  value = static_cast<int>(v);
  return true;
}

bool Numbers(const std::string& text, std::vector<std::int32_t>& out) {
  out.clear();
  for (const std::string& part : Split(text, '.')) {
    int v = 0;
    if (!Number(part, v)) return false;
    out.push_back(v);
  }
  return !out.empty();
}

bool Chain(const std::string& text, std::vector<Fielded>& out) {
  out.clear();
  for (const std::string& part : Split(text, '.')) {
    if (part.size() != 2 || part[0] < '1' || part[0] > '9') return false;
    const std::string_view letters(kCreditLetters, sizeof kCreditLetters);
    const std::size_t credit = letters.find(part[1]);
    if (credit == std::string_view::npos) return false;
    out.push_back({part[0] - '0', static_cast<std::int32_t>(credit)});
  }
  return !out.empty();
}

bool Error(const std::string& text, std::vector<ErrorMark>& out) {
  const std::vector<std::string> p = Split(text, ':');
  ErrorMark e;
  if (p.size() < 4 || p.size() > 5 || !Number(p[0], e.base) || !Number(p[1], e.position) ||
      !Number(p[2], e.kind) || !Number(p[3], e.bases) || (p.size() == 5 && p[4] != "s")) {
    return false;
  }
  e.second = p.size() == 5;
  out.push_back(e);
  return true;
}

bool Point(const std::string& text, std::int32_t& x, std::int32_t& y) {
  const std::vector<std::string> p = Split(text, ',');
  int a = 0, b = 0;
  if (p.size() != 2 || !Number(p[0], a) || !Number(p[1], b)) return false;
  x = a;
  y = b;
  return true;
}

bool Spec(const std::string& text, PitchSpec& spec) {
  const std::vector<std::string> p = Split(text, ',');
  int type = 0, x = 0, y = 0, strike = 0;
  if (p.size() != 5 || !Number(p[0], type) || !Number(p[1], x) || !Number(p[2], y) ||
      !Number(p[4], strike)) {
    return false;
  }
  char* end = nullptr;
  const float speed = std::strtof(p[3].c_str(), &end);
  if (end != p[3].c_str() + p[3].size()) return false;
  spec = {type, x, y, speed, strike};
  return true;
}

// The parts a batter's and a runner's words share; false for one that is
// neither.
template <typename Part>
bool SharedPart(const std::string& part, Part& m, bool& ok) {
  const std::string value = part.substr(1);
  switch (part[0]) {
    case 'c':
      ok = Numbers(value, m.codes);
      return true;
    case 'k':
      ok = Chain(value, m.chain);
      return true;
    case 'e':
      ok = Error(value, m.errors);
      return true;
    case 'a':
      ok = Numbers(value, m.assists);
      return true;
    case 'u':
    case 'r':
      m.earned = part[0] == 'r';
      ok = value.empty();
      return true;
    case 'O':
      m.out = true;
      ok = Number(value, m.how_out);
      return true;
    default:
      return false;
  }
}

bool ReadBatter(const std::vector<std::string>& parts, BatterPart& b) {
  b.present = true;
  for (std::size_t i = 1; i < parts.size(); ++i) {
    const std::string& part = parts[i];
    if (part.empty()) return false;
    bool ok = true;
    if (SharedPart(part, b, ok)) {
      if (!ok) return false;
      continue;
    }
    const std::string value = part.substr(1);
    switch (part[0]) {
      case 'R':
        b.reached = true;
        ok = Number(value, b.how_reached);
        break;
      case 't':
        ok = Number(value, b.to);
        break;
      case 'f':
        ok = Numbers(value, b.reach_fielders);
        break;
      case '@':
        ok = Point(value, b.hit_x, b.hit_y);
        break;
      case 'm':
        ok = Spec(value, b.pitch);
        break;
      default:
        ok = false;
    }
    if (!ok) return false;
  }
  return true;
}

bool ReadRunner(const std::vector<std::string>& parts, RunnerMove& m) {
  if (!Number(parts[0].substr(1), m.from) || m.from < 1 || m.from > 3) return false;
  m.to = m.from;
  for (std::size_t i = 1; i < parts.size(); ++i) {
    const std::string& part = parts[i];
    if (part.empty()) return false;
    bool ok = true;
    if (SharedPart(part, m, ok)) {
      if (!ok) return false;
      continue;
    }
    if (part[0] == 't') {
      ok = Number(part.substr(1), m.to);
    } else if (part == "g" || part == "g0") {
      m.passes_charge_back = part == "g";
    } else {
      ok = false;
    }
    if (!ok) return false;
  }
  return true;
}

std::string Joined(const std::vector<std::int32_t>& numbers) {
  std::string text;
  for (std::size_t i = 0; i < numbers.size(); ++i)
    text += (i ? "." : "") + std::to_string(numbers[i]);
  return text;
}

std::string ChainText(const std::vector<Fielded>& chain) {
  std::string text;
  for (std::size_t i = 0; i < chain.size(); ++i) {
    const int credit = chain[i].credit >= 0 && chain[i].credit < 6 ? chain[i].credit : 0;
    text += (i ? "." : "") + std::to_string(chain[i].position) + kCreditLetters[credit];
  }
  return text;
}

template <typename Part>
void SharedParts(const Part& m, std::string& word) {
  if (m.out) word += "|O" + std::to_string(m.how_out);
  if (!m.codes.empty()) word += "|c" + Joined(m.codes);
  if (!m.chain.empty()) word += "|k" + ChainText(m.chain);
  for (const ErrorMark& e : m.errors) {
    word += "|e" + std::to_string(e.base) + ":" + std::to_string(e.position) + ":" +
            std::to_string(e.kind) + ":" + std::to_string(e.bases) + (e.second ? ":s" : "");
  }
  if (!m.assists.empty()) word += "|a" + Joined(m.assists);
  if (m.earned) word += *m.earned ? "|r" : "|u";
}

}  // namespace

bool ReadExactPlay(const std::vector<std::string>& words, Play& play, std::string& why) {
  play = Play{};
  for (const std::string& word : words) {
    const std::vector<std::string> parts = Split(word, '|');
    bool ok = parts.size() >= 1 && parts[0].size() >= 2 && parts[0][0] == '!';
    const char kind = ok ? parts[0][1] : ' ';
    if (ok && kind == 'B' && parts[0].size() == 2) {
      ok = !play.batter.present && ReadBatter(parts, play.batter);
    } else if (ok && kind == 'P' && parts[0].size() == 2) {
      for (std::size_t i = 1; ok && i < parts.size(); ++i) {
        const std::string& part = parts[i];
        if (part == "w") {
          play.batter_out_first = true;
        } else if (part == "z") {
          play.runs_beat_last_force = true;
        } else if (!part.empty() && part[0] == 'i') {
          ok = Number(part.substr(1), play.rbi);
        } else {
          ok = false;
        }
      }
    } else if (ok && kind >= '1' && kind <= '3') {
      RunnerMove m;
      ok = ReadRunner(parts, m);
      if (ok) play.runners.push_back(m);
    } else {
      ok = false;
    }
    if (!ok) {
      why = "cannot read the exact word \"" + word + "\"";
      return false;
    }
  }
  return true;
}

std::vector<std::string> ExactWords(const Play& play) {
  std::vector<std::string> words;
  const BatterPart& b = play.batter;
  if (b.present) {
    std::string word = "!B";
    if (b.reached) word += "|R" + std::to_string(b.how_reached);
    SharedParts(b, word);
    word += "|t" + std::to_string(b.to);
    if (!b.reach_fielders.empty()) word += "|f" + Joined(b.reach_fielders);
    if (b.hit_x != kNoHitX || b.hit_y != kNoHitY)
      word += "|@" + std::to_string(b.hit_x) + "," + std::to_string(b.hit_y);
    const PitchSpec plain;
    if (!(b.pitch == plain)) {
      char speed[32];
      std::snprintf(speed, sizeof speed, "%g", static_cast<double>(b.pitch.speed));
      word += "|m" + std::to_string(b.pitch.type) + "," + std::to_string(b.pitch.x) + "," +
              std::to_string(b.pitch.y) + "," + speed + "," + std::to_string(b.pitch.strike_type);
    }
    words.push_back(word);
  }
  for (const RunnerMove& m : play.runners) {
    std::string word = "!" + std::to_string(m.from) + "|t" + std::to_string(m.to);
    SharedParts(m, word);
    if (m.passes_charge_back) word += *m.passes_charge_back ? "|g" : "|g0";
    words.push_back(word);
  }
  if (play.rbi >= 0 || play.batter_out_first || play.runs_beat_last_force) {
    std::string word = "!P";
    if (play.rbi >= 0) word += "|i" + std::to_string(play.rbi);
    if (play.batter_out_first) word += "|w";
    if (play.runs_beat_last_force) word += "|z";
    words.push_back(word);
  }
  return words;
}

}  // namespace scorewick::scoring::book

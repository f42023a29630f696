#include <algorithm>
#include <cctype>
#include <optional>
#include <sstream>
#include <vector>

#include "records/codes.h"
#include "scoring/book.h"
#include "scoring/book_compiler.h"
#include "scoring/play_builders.h"
#include "scoring/scorer.h"

namespace scorewick::scoring {

namespace book {

// One key=value of the game line: date=2024-05-01, time=19:05,
// duration=2:41, field="...", attendance=1200.
bool Compiler::GameSetting(const std::string& kv) {
  const std::size_t eq = kv.find('=');
  if (eq == std::string::npos) return Fail("expected key=value, found \"" + kv + "\"");
  const std::string key = kv.substr(0, eq), value = kv.substr(eq + 1);
  GameHeader& h = game_.header;
  int a = 0, b = 0, c = 0;
  char sep1 = 0, sep2 = 0;
  std::istringstream in(value);
  if (key == "date" && (in >> a >> sep1 >> b >> sep2 >> c) && sep1 == '-' && sep2 == '-' &&
      b >= 1 && b <= 12 && c >= 1 && c <= 31) {
    h.year = a;
    h.month = static_cast<std::uint8_t>(b);
    h.day = static_cast<std::uint8_t>(c);
    h.creation_year = a;
  } else if ((key == "time" || key == "duration") && (in >> a >> sep1 >> b) && sep1 == ':' &&
             a >= 0 && b >= 0 && b < 60) {
    (key == "time" ? h.start_hour : h.duration_hours) = a;
    (key == "time" ? h.start_minute : h.duration_minutes) = b;
  } else if (key == "field") {
    h.field.set(value);
  } else if (key == "attendance" && (in >> a) && a >= 0) {
    h.attendance = a;
  } else {
    return Fail("cannot read \"" + kv + "\"");
  }
  return true;
}

bool Compiler::GameLine(const std::vector<Token>& t) {
  for (std::size_t i = 1; i < t.size(); ++i) {
    std::string kv = t[i].text;
    // key="quoted text" comes as two words.
    if (!kv.empty() && kv.back() == '=' && i + 1 < t.size() && t[i + 1].quoted) kv += t[++i].text;
    if (!GameSetting(kv)) return false;
  }
  return true;
}

bool Compiler::UmpiresLine(const std::vector<Token>& t) {
  if (t.size() > 5) return Fail("at most four umpires");
  for (std::size_t i = 1; i < t.size(); ++i) game_.header.umpires[i - 1].set(t[i].text);
  return true;
}

namespace {

// The rules a rules line sets by number: innings=7, strikes=3 ...
struct NumberedRule {
  const char* key;
  int LeagueRules::*rule;
};

constexpr NumberedRule kNumberedRules[] = {
    {"innings", &LeagueRules::innings},
    {"strikes", &LeagueRules::strikes_per_out},
    {"balls", &LeagueRules::balls_per_walk},
    {"outs", &LeagueRules::outs_per_inning},
};

}  // namespace

// One rule of the rules line: softball, tie-breaker, or key=number.
bool Compiler::RuleSetting(const std::string& kv) {
  if (kv == "softball") {
    rules_.softball = true;
    return true;
  }
  if (kv == "tie-breaker") {
    rules_.tie_breaker = true;
    return true;
  }
  const std::size_t eq = kv.find('=');
  int value = 0;
  if (eq == std::string::npos || !ParseInt(kv.substr(eq + 1), value))
    return Fail("cannot read \"" + kv + "\"");
  const std::string key = kv.substr(0, eq);
  for (const NumberedRule& r : kNumberedRules) {
    if (key != r.key) continue;
    rules_.*r.rule = value;
    return true;
  }
  return Fail("unknown rule \"" + key + "\"");
}

bool Compiler::RulesLine(const std::vector<Token>& t) {
  for (std::size_t i = 1; i < t.size(); ++i) {
    if (!RuleSetting(t[i].text)) return false;
  }
  const Status fits = CheckRules(rules_);
  return fits || Fail(fits.reason);
}

// visitors "Name", home "Name": the team whose line-up lines follow.
bool Compiler::TeamLine(const std::vector<Token>& t) {
  const std::string& word = t[0].text;
  if (t.size() != 2 || !t[1].quoted) return Fail(word + " takes the team's name in quotes");
  team_ = word == "home" ? 1 : 0;
  // Named again, the team is chosen for the line-up lines that follow.
  if (declared_[team_] && teams_[team_].team_name.view() == t[1].text) return true;
  if (declared_[team_]) return Fail("the " + word + " team is given twice");
  declared_[team_] = true;
  teams_[team_].team_name.set(t[1].text);
  teams_[team_].lineup_size = 0;
  return true;
}

bool Compiler::HeaderLine(const std::vector<Token>& t) {
  const std::string& word = t[0].text;
  if (word == "game") return GameLine(t);
  if (word == "umpires") return UmpiresLine(t);
  if (word == "rules") return RulesLine(t);
  if (word == "visitors" || word == "home") return TeamLine(t);
  return Fail("unknown line \"" + word + "\"");
}

// `<slot> "Name" POS [number] [bats/throws]`, with slot a batting-order
// number, P for a pitcher who does not bat, or - for the bench.
bool Compiler::PlayerLine(const std::vector<Token>& t) {
  if (team_ < 0) return Fail("a player before \"visitors\" or \"home\"");
  if (t.size() < 3 || !t[1].quoted)
    return Fail("a player is: slot \"Name\" position [number] [bats/throws]");
  Team& team = teams_[team_];
  PLAYER p;
  if (t[1].text.empty() || t[1].text.size() > 24) return Fail("a name has 1 to 24 characters");
  if (const int listed = team.IndexOfPlayer(t[1].text); listed >= 0) {
    // A player of the roster (listed on the bench) put in the line-up.
    return t[0].text == "-" ? Fail(t[1].text + " is listed twice") : LineUp(t, listed);
  }
  p.name.set(t[1].text);
  const std::int32_t position = ParsePosition(t[2].text);
  if (position == kPosPitcher && t[2].text != "P" && t[2].text != "Pitcher") {
    return Fail("unknown position \"" + t[2].text + "\"");
  }
  p.position = position;
  std::size_t i = 3;
  int number = 0;
  if (i < t.size() && ParseInt(t[i].text, number)) {
    if (number < 0 || number > 99) return Fail("a uniform number is 0 to 99");
    p.uniform_number = static_cast<std::int16_t>(number);
    ++i;
  }
  if (i < t.size()) {
    const std::string& hand = t[i].text;
    if (hand.size() != 3 || hand[1] != '/' ||
        std::string("LRS").find(hand[0]) == std::string::npos ||
        (hand[2] != 'L' && hand[2] != 'R')) {
      return Fail("bats/throws is written like R/R, L/R or S/L");
    }
    p.bats = static_cast<std::uint8_t>(hand[0] == 'L' ? 0 : hand[0] == 'R' ? 1 : 2);
    p.throws_right = hand[2] == 'R' ? 1 : 0;
    ++i;
  }
  if (i != t.size()) return Fail("unexpected \"" + t[i].text + "\" after the player");
  p.key = static_cast<std::int16_t>(team.count() + 1);
  const std::string& slot = t[0].text;
  int order = 0;
  if (slot == "P") {
    if (!sides_[team_].pitcher.name.empty()) return Fail("two starting pitchers");
    sides_[team_].pitcher = p;
  } else if (slot != "-") {
    if (!ParseInt(slot, order) || order != static_cast<int>(sides_[team_].batters.size()) + 1) {
      return Fail("batters are listed in order 1, 2, 3 ...; found \"" + slot + "\"");
    }
    p.batting_order = order;
    sides_[team_].batters.push_back(p);
    if (position == kPosPitcher) sides_[team_].pitcher = p;
    ++team.lineup_size;
  }
  PLAYER roster = p;
  roster.batting_order = order;
  team.AddPlayer(roster, PLAYER_INFO{});
  return true;
}

// `<slot> "Name" POS` for a player the roster holds already: he takes
// that place in the line-up (each player at most once).
bool Compiler::LineUp(const std::vector<Token>& t, int listed) {
  if (t.size() != 3)
    return Fail("a player of the roster is put in the line-up as: slot \"Name\" position");
  const std::int32_t position = ParsePosition(t[2].text);
  if (position == kPosPitcher && t[2].text != "P" && t[2].text != "Pitcher") {
    return Fail("unknown position \"" + t[2].text + "\"");
  }
  StartingSide& side = sides_[team_];
  const std::string& name = t[1].text;
  const bool in_lineup = side.pitcher.name.view() == name ||
                         std::any_of(side.batters.begin(), side.batters.end(),
                                     [&](const PLAYER& b) { return b.name.view() == name; });
  if (in_lineup) return Fail(name + " is in the line-up already");
  PLAYER p = teams_[team_].players()[static_cast<std::size_t>(listed)];
  p.position = position;
  int order = 0;
  if (t[0].text == "P") {
    if (!side.pitcher.name.empty()) return Fail("two starting pitchers");
    side.pitcher = p;
    return true;
  }
  if (!ParseInt(t[0].text, order) || order != static_cast<int>(side.batters.size()) + 1) {
    return Fail("batters are listed in order 1, 2, 3 ...; found \"" + t[0].text + "\"");
  }
  p.batting_order = order;
  side.batters.push_back(p);
  if (position == kPosPitcher) side.pitcher = p;
  ++teams_[team_].lineup_size;
  return true;
}

bool Compiler::StartPlay() {
  if (!declared_[0] || !declared_[1]) return Fail("both teams must be given before the first half");
  scorer_.emplace(game_, rules_);
  if (!Scored(scorer_->StartGame(teams_[1], teams_[0], sides_[1], sides_[0]))) return false;
  game_.header.list_names[0] = teams_[1].team_name;
  game_.header.list_names[1] = teams_[0].team_name;
  return true;
}

void Compiler::CloseHalfIfOver() {
  if (scorer_->half_open() && (scorer_->HalfOver() || scorer_->GameOver())) {
    static_cast<void>(scorer_->EndHalf());
    begun_ = false;
  }
}

bool Compiler::HalfLine(const std::vector<Token>& t) {
  int inning = 0;
  if (t.size() != 2 || !ParseInt(t[1].text, inning) || inning < 1)
    return Fail("write \"top N\" or \"bottom N\"");
  if (!scorer_ && !StartPlay()) return false;
  if (scorer_->half_open()) {
    return Fail("the half before has " + std::to_string(scorer_->outs()) + " out" +
                std::string(PluralSuffix(scorer_->outs())) + ", not " +
                std::to_string(rules_.outs_per_inning));
  }
  if (scorer_->GameOver()) return Fail("the game is already over");
  const int h = scorer_->halves_played();
  const bool top = t[0].text == "top";
  if (inning - 1 != h / 2 || top != (h % 2 == 0)) {
    return Fail("expected the " + std::string(h % 2 == 0 ? "top" : "bottom") + " of the " +
                std::to_string(h / 2 + 1) + std::string(OrdinalSuffix(h / 2 + 1)));
  }
  if (!Scored(scorer_->StartHalf())) return false;
  begun_ = false;
  if (rules_.tie_breaker && scorer_->inning() >= rules_.innings)
    static_cast<void>(scorer_->PlaceTieBreakerRunner());
  return true;
}

// "called": the game ends where it stands (rain, darkness, a time limit),
// with a note on its last box.
bool Compiler::Called() {
  if (called_) return Fail("the game was called already");
  if (scorer_->GameOver()) return Fail("the game is already over");
  if (scorer_->half_open()) {
    const int outs = scorer_->outs();
    const std::string where = std::string(scorer_->top() ? "top" : "bottom") + " of the " +
                              std::to_string(scorer_->inning() + 1) +
                              std::string(OrdinalSuffix(scorer_->inning() + 1)) + " with " +
                              std::to_string(outs) + " out" + std::string(PluralSuffix(outs));
    if (scorer_->AtBatIndex() >= 0)
      static_cast<void>(scorer_->AddNote("Game called in the " + where + "."));
    static_cast<void>(scorer_->EndHalf());
  }
  called_ = true;
  begun_ = false;
  return true;
}

bool Compiler::Begin() {
  if (begun_) return true;
  if (!scorer_->half_open())
    return Fail("a play outside a half-inning (\"top N\" or \"bottom N\" first)");
  if (!Scored(scorer_->BeginAtBat())) return false;
  begun_ = true;
  return true;
}

Status Compiler::Line(const std::string& raw) {
  if (TakeLine(raw)) return {};
  return Status::Failed({}, error_);
}

bool Compiler::TakeLine(const std::string& raw) {
  ++line_;
  error_.clear();
  std::vector<Token> tokens;
  std::string note;
  if (const Status read = Tokenize(raw, tokens, note); !read) return Fail(read.reason);
  if (tokens.empty()) {
    // A note alone is the at-bat's being scored, or the half's last.
    if (!note.empty()) {
      if (!scorer_) return Fail("a note belongs to a play");
      return Scored(scorer_->AddNote(NoteText(note)));
    }
    return true;
  }
  const std::string& word = tokens[0].text;
  const bool player =
      !tokens[0].quoted &&
      (word == "P" || word == "-" || std::isdigit(static_cast<unsigned char>(word[0]))) &&
      tokens.size() > 1 && tokens[1].quoted && !scorer_;
  if (player) return PlayerLine(tokens);
  if (word == "top" || word == "bottom") return HalfLine(tokens);
  if (!scorer_) return HeaderLine(tokens);
  if (word == "called" && tokens.size() == 1) return Called();
  if (word == "won" || word == "lost" || word == "saved") return Decision(tokens);
  if (called_) return Fail("the game was called");
  return PlayLine(tokens, note);
}

std::string Compiler::HalfNeededBy(const std::string& raw) const {
  std::vector<Token> tokens;
  std::string note;
  if (!Tokenize(raw, tokens, note) || tokens.empty()) return {};
  const std::string& word = tokens[0].text;
  if (word == "top" || word == "bottom" || word == "called" || word == "won" || word == "lost" ||
      word == "saved") {
    return {};
  }
  if (!scorer_) {
    const bool header = word == "game" || word == "umpires" || word == "rules" ||
                        word == "visitors" || word == "home" ||
                        (tokens.size() > 1 && tokens[1].quoted && !tokens[0].quoted);
    return header ? std::string() : "top 1";
  }
  if (scorer_->half_open() || scorer_->GameOver() || called_) return {};
  // Substitutions alone are made between halves, for the side taking the
  // field.
  bool only_changes = true;
  for (std::size_t i = 0; only_changes && i < tokens.size();) {
    only_changes = !tokens[i].quoted && i + 1 < tokens.size() && tokens[i + 1].quoted;
    i += 2;
    // A batting slot may follow the name.
    int slot = 0;
    if (i < tokens.size() && !tokens[i].quoted && ParseInt(tokens[i].text, slot)) ++i;
  }
  if (only_changes) return {};
  const int h = scorer_->halves_played();
  return std::string(h % 2 == 0 ? "top " : "bottom ") + std::to_string(h / 2 + 1);
}

// "won \"Name\"", "lost \"Name\"", "saved \"Name\"": a decision the
// official scorer gave, which stands for the scorer's own reckoning;
// "saved none" says that he gave none.
bool Compiler::Decision(const std::vector<Token>& t) {
  const bool none = t.size() == 2 && !t[1].quoted && t[1].text == "none";
  if (t.size() != 2 || (!t[1].quoted && !none))
    return Fail(t[0].text + " takes the pitcher's name in quotes, or none");
  const int which = t[0].text == "won" ? 0 : t[0].text == "lost" ? 1 : 2;
  decisions_[which] = none ? std::string() : t[1].text;
  return true;
}

void Compiler::Settle() {
  if (!scorer_) return;
  scorer_->FinishGame();
  PLAYER* decided[3] = {&game_.winning_pitcher, &game_.losing_pitcher, &game_.saving_pitcher};
  for (int k = 0; k < 3; ++k) {
    if (!decisions_[k]) continue;
    // The pitcher as he stands in a line-up of the game.
    *decided[k] = PLAYER{};
    if (decisions_[k]->empty()) continue;
    for (const INNING& in : game_.innings) {
      for (const HALF_INNING* h : {&in.top, &in.bottom}) {
        for (const PLAYER& p : h->defense) {
          if (p.position == kPosPitcher && p.name.view() == *decisions_[k]) *decided[k] = p;
        }
      }
    }
  }
}

ScorebookResult Compiler::Finish() {
  ScorebookResult result;
  result.rules = rules_;
  if (error_.empty() && !scorer_) Fail("the book has no plays");
  if (error_.empty()) {
    if (scorer_->half_open()) static_cast<void>(scorer_->EndHalf());
    Settle();
  }
  result.ok = error_.empty();
  result.error = error_;
  return result;
}

ScorebookResult Compiler::Run(const std::string& text) {
  std::istringstream in(text);
  std::string raw;
  while (error_.empty() && std::getline(in, raw)) TakeLine(raw);
  return Finish();
}

}  // namespace book

ScorebookResult CompileScorebook(const std::string& text, Game& game) {
  book::Compiler compiler(game);
  return compiler.Run(text);
}

}  // namespace scorewick::scoring

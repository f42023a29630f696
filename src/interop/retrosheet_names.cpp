#include "interop/retrosheet_names.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "records/codes.h"
#include "records/cp1252.h"

namespace scorewick::interop {
namespace {

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    const std::size_t start = i;
    while (i < text.size() && text[i] != ' ') ++i;
    if (i > start) words.push_back(text.substr(start, i - start));
  }
  return words;
}

bool IsLower(char c) { return c >= 'a' && c <= 'z'; }

// Words that belong to the last name that follows them: particles written
// in lower case (de, van, von der) and those a family name is often spelt
// with in capitals (De, Del, La, St.).
bool JoinsLastName(std::string_view word) {
  if (!word.empty() && IsLower(word[0])) return true;
  static constexpr std::string_view kJoining[] = {"De",  "Del", "Della", "Des", "Di",  "Da",
                                                  "Du",  "La",  "Le",    "Los", "Las", "Van",
                                                  "Von", "Der", "Den",   "Ten", "St.", "Ste."};
  return std::find(std::begin(kJoining), std::end(kJoining), word) != std::end(kJoining);
}

// Jr., III, and the number that tells two players of one name apart
// ("Will Smith 2"): the last name's, never a name of their own.
bool IsSuffix(std::string_view word) {
  if (std::all_of(word.begin(), word.end(),
                  [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; })) {
    return true;
  }
  static constexpr std::string_view kSuffixes[] = {"Jr.", "Jr", "Sr.", "Sr", "II", "III", "IV"};
  return std::find(std::begin(kSuffixes), std::end(kSuffixes), word) != std::end(kSuffixes);
}

// Colours that make a nickname of two words (Red Sox, Blue Jays).
bool IsColour(std::string_view word) {
  static constexpr std::string_view kColours[] = {"Red",    "White",  "Blue",  "Black",
                                                  "Green",  "Gold",   "Grey",  "Gray",
                                                  "Silver", "Orange", "Brown", "Golden"};
  return std::find(std::begin(kColours), std::end(kColours), word) != std::end(kColours);
}

// The letters of a text, in lower case, as an id takes them: a to z only
// (O'Brien obrien, Kiner-Falefa kinerfalefa).
std::string IdLetters(std::string_view text) {
  std::string letters;
  for (char c : text) {
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (IsLower(lower)) letters += lower;
  }
  return letters;
}

std::string CodeCharacters(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (std::isalnum(static_cast<unsigned char>(c)) && static_cast<unsigned char>(c) < 0x80) {
      out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
  }
  return out;
}

// Retrosheet's hands: L, R, B (both).
char BatsLetter(std::uint8_t bats) { return bats == 0 ? 'L' : bats == 1 ? 'R' : 'B'; }

std::string RosterPositionText(std::int32_t position) {
  if (position >= kPosPitcher && position <= kPosRightField) {
    return std::string(PositionAbbrev(position));
  }
  if (position == kPosDesignatedHitter) return "DH";
  return "X";  // a player without a place of his own
}

}  // namespace

SplitName SplitPlayerName(std::string_view name) {
  const std::vector<std::string_view> words = Words(name);
  if (words.size() <= 1) return {"", std::string(words.empty() ? name : words.front())};
  std::size_t last = words.size() - 1;
  if (IsSuffix(words[last]) && last > 1) --last;
  while (last > 1 && JoinsLastName(words[last - 1])) --last;
  // Nothing but the particles would be left for the first name: the first
  // word is the first name (La Stella's "Tommy" keeps "La" with Stella).
  SplitName split;
  for (std::size_t i = 0; i < words.size(); ++i) {
    std::string& part = i < last ? split.first : split.last;
    if (!part.empty()) part += ' ';
    part += words[i];
  }
  return split;
}

void AppendFieldText(std::string& out, std::string_view record_text) {
  // Most texts are plain letters, digits and marks, written as they are.
  const bool plain = std::all_of(record_text.begin(), record_text.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x20 && u < 0x7f && c != '"';
  });
  if (plain) {
    out += record_text;
    return;
  }
  const std::size_t from = out.size();
  out += Cp1252ToUtf8(record_text);
  for (std::size_t i = from; i < out.size(); ++i) {
    char& c = out[i];
    if (c == '"') c = '\'';
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
  }
}

std::string FieldText(std::string_view record_text) {
  std::string text;
  AppendFieldText(text, record_text);
  return text;
}

void AppendQuotedField(std::string& out, std::string_view record_text, bool always) {
  const std::size_t from = out.size();
  out += '"';
  AppendFieldText(out, record_text);
  if (always || out.find(',', from) != std::string::npos) {
    out += '"';
  } else {
    out.erase(from, 1);
  }
}

std::string QuotedField(std::string_view record_text, bool always) {
  std::string text;
  AppendQuotedField(text, record_text, always);
  return text;
}

const std::string& RetrosheetNames::ClubCode(std::string_view team_name) {
  if (auto it = club_of_name_.find(team_name); it != club_of_name_.end()) {
    return clubs_[it->second].code;
  }
  // Three letters or digits, as a game id and the file names want them.
  const std::vector<std::string_view> words = Words(team_name);
  const std::string all = CodeCharacters(team_name);
  std::vector<std::string> candidates;
  if (!words.empty()) {
    std::string first = CodeCharacters(words.front());
    if (first.size() < 3) first = all;
    candidates.push_back(first.substr(0, 3));
  }
  std::string initials;
  for (std::size_t i = 0; i < words.size() && initials.size() < 3; ++i) {
    initials += CodeCharacters(words[i]).substr(0, 1);
  }
  candidates.push_back(initials);
  const std::string two = (all + "TM").substr(0, 2);
  for (int n = 1; n <= 9; ++n) candidates.push_back(two + std::to_string(n));
  for (int n = 10; n <= 99; ++n) candidates.push_back(two.substr(0, 1) + std::to_string(n));
  for (int n = 100; n <= 999; ++n) candidates.push_back(std::to_string(n));
  std::string code;
  for (const std::string& c : candidates) {
    if (c.size() == 3 && !club_of_code_.count(c)) {
      code = c;
      break;
    }
  }
  Club club;
  club.name = std::string(team_name);
  club.code = code;
  clubs_.push_back(club);
  club_of_name_.emplace(club.name, clubs_.size() - 1);
  club_of_code_.emplace(code, clubs_.size() - 1);
  return clubs_.back().code;
}

void RetrosheetNames::NoteClubGame(std::string_view team_name, int season, bool home,
                                   bool designated_hitter) {
  ClubCode(team_name);
  Club& club = clubs_[club_of_name_.find(team_name)->second];
  club.seasons[season] = true;
  bool& dh = club.home_dh[season];
  if (home && designated_hitter) dh = true;
}

const std::string& RetrosheetNames::PlayerId(std::string_view code, int season,
                                             const PLAYER& player) {
  return IdIn(rosters_[{std::string(code), season}], code, player);
}

void RetrosheetNames::PlayerIds(std::string_view code, int season,
                                const std::vector<const PLAYER*>& players,
                                std::vector<std::string>& ids) {
  Roster& roster = rosters_[{std::string(code), season}];
  ids.clear();
  for (const PLAYER* player : players) ids.push_back(IdIn(roster, code, *player));
}

const std::string& RetrosheetNames::IdIn(Roster& roster, std::string_view code,
                                         const PLAYER& player) {
  const std::string_view name = player.name.view();
  if (const ExportRosterEntry* known = roster.Find(name)) return known->id;
  // The same club's player keeps his id from season to season.
  std::string id;
  for (auto& [key, other] : rosters_) {
    if (key.first != code || &other == &roster) continue;
    if (const ExportRosterEntry* known = other.Find(name)) {
      id = known->id;
      break;
    }
  }
  if (id.empty()) {
    const SplitName split = SplitPlayerName(name);
    std::string prefix = IdLetters(split.last).substr(0, 4);
    prefix.resize(4, '-');
    const std::string first = IdLetters(split.first);
    prefix += first.empty() ? '-' : first[0];
    const int number = ++id_numbers_[prefix];
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03d", number % 1000);
    id = prefix + digits;
  }
  roster.players.push_back({id, player});
  const auto at = static_cast<std::uint32_t>(roster.players.size() - 1);
  roster.by_name.Insert(name, at, [&roster](std::uint32_t i) { return roster.NameAt(i); });
  return roster.players.back().id;
}

std::vector<ExportClub> RetrosheetNames::ClubsOf(int season) const {
  std::vector<ExportClub> clubs;
  for (const Club& c : clubs_) {
    if (!c.seasons.count(season)) continue;
    ExportClub club;
    club.code = c.code;
    const std::vector<std::string_view> words = Words(c.name);
    std::size_t nick = words.size() > 1 ? words.size() - 1 : words.size();
    if (nick >= 2 && IsColour(words[nick - 1])) --nick;
    for (std::size_t i = 0; i < words.size(); ++i) {
      std::string& part = i < nick ? club.city : club.nickname;
      if (!part.empty()) part += ' ';
      part += words[i];
    }
    auto dh = c.home_dh.find(season);
    club.designated_hitter = dh != c.home_dh.end() && dh->second;
    clubs.push_back(club);
  }
  std::sort(clubs.begin(), clubs.end(),
            [](const ExportClub& a, const ExportClub& b) { return a.code < b.code; });
  return clubs;
}

const std::vector<ExportRosterEntry>* RetrosheetNames::RosterOf(std::string_view code,
                                                                int season) const {
  auto it = rosters_.find({std::string(code), season});
  return it == rosters_.end() ? nullptr : &it->second.players;
}

std::vector<int> RetrosheetNames::Seasons() const {
  std::vector<int> seasons;
  for (const Club& c : clubs_) {
    for (const auto& [season, unused] : c.seasons) seasons.push_back(season);
  }
  std::sort(seasons.begin(), seasons.end());
  seasons.erase(std::unique(seasons.begin(), seasons.end()), seasons.end());
  return seasons;
}

std::string RetrosheetNames::TeamFileText(int season) const {
  std::string text;
  for (const ExportClub& c : ClubsOf(season)) {
    text += c.code + ',' + (c.designated_hitter ? 'A' : 'N') + ',' + QuotedField(c.city) + ',' +
            QuotedField(c.nickname) + '\n';
  }
  return text;
}

std::string RetrosheetNames::RosterFileText(std::string_view code, int season) const {
  std::string text;
  const std::vector<ExportRosterEntry>* roster = RosterOf(code, season);
  if (!roster) return text;
  std::vector<const ExportRosterEntry*> sorted;
  for (const ExportRosterEntry& e : *roster) sorted.push_back(&e);
  std::sort(sorted.begin(), sorted.end(),
            [](const ExportRosterEntry* a, const ExportRosterEntry* b) { return a->id < b->id; });
  for (const ExportRosterEntry* e : sorted) {
    const SplitName split = SplitPlayerName(e->player.name.view());
    text += e->id + ',' + QuotedField(split.last) + ',' + QuotedField(split.first) + ',' +
            BatsLetter(e->player.bats) + ',' + (e->player.throws_right ? 'R' : 'L') + ',' +
            std::string(code) + ',' + RosterPositionText(e->player.position) + '\n';
  }
  return text;
}

}  // namespace scorewick::interop

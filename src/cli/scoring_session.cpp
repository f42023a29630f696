#include "cli/scoring_session.h"

#include <unistd.h>

#include <filesystem>
#include <istream>
#include <memory>
#include <ostream>
#include <sstream>

#include "cli/counted_games.h"
#include "cli/score_situation.h"
#include "platform/terminal_text.h"
#include "records/cp1252.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/team_file.h"
#include "reports/box_score.h"
#include "scoring/book.h"
#include "scoring/book_writer.h"

namespace scorewick::cli {

namespace fs = std::filesystem;

std::string BookPathOf(const std::string& game) {
  return fs::path(game).replace_extension(".book").string();
}

namespace {

namespace fs = std::filesystem;

// No book of a game comes near this; a larger file is not one.
constexpr std::size_t kMaxBookFile = std::size_t{4} << 20;

// A name written in a book line: in quotes, which a name cannot hold.
std::string Quoted(std::string_view name) {
  std::string text(name);
  for (char& c : text) {
    if (c == '"') c = '\'';
  }
  return "\"" + text + "\"";
}

// The header of a new game: the date and time now, the league rules of
// the settings, and both teams with their rosters on the bench; the
// line-ups are typed ("1 \"Ann Able\" SS").
std::vector<std::string> NewGameHeader(const Team& visitor, const Team& home) {
  std::vector<std::string> lines;
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char when[64];
  std::snprintf(when, sizeof when, "game date=%04d-%02d-%02d time=%02d:%02d", local.tm_year + 1900,
                local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min);
  lines.push_back(when);
  const StatRules r = RulesOfCurrentFolder();
  lines.push_back("rules innings=" + std::to_string(r.innings_per_game) + " strikes=" +
                  std::to_string(r.strikes_per_out) + " balls=" + std::to_string(r.balls_per_walk) +
                  " outs=" + std::to_string(r.outs_per_inning));
  for (const auto& [word, team] : {std::pair{"visitors", &visitor}, std::pair{"home", &home}}) {
    lines.push_back(std::string(word) + " " + Quoted(team->team_name.view()));
    for (const PLAYER& p : team->players()) {
      std::string line = "- " + Quoted(p.name.view()) + " ";
      const std::string_view position = PositionAbbrev(p.position);
      line += position.empty() || p.position < kPosPitcher || p.position > kPosDesignatedHitter
                  ? std::string("P")
                  : std::string(position);
      if (p.uniform_number >= 0 && p.uniform_number <= 99)
        line += " " + std::to_string(p.uniform_number);
      line += std::string(" ") +
              (p.bats == 0   ? 'L'
               : p.bats == 1 ? 'R'
                             : 'S') +
              "/" + (p.throws_right ? 'R' : 'L');
      lines.push_back(line);
    }
  }
  // The line-ups are typed next, the visitors' first.
  lines.push_back("visitors " + Quoted(visitor.team_name.view()));
  return lines;
}

}  // namespace

ScoringSession::ScoringSession(const ScoreOptions& o, CommandContext& ctx)
    : o_(o), ctx_(ctx), book_path_(BookPathOf(o.game)) {}

void ScoringSession::Refuse(const std::string& why) {
  ctx_.err << "scorewick: " << TerminalText(why) << "\n";
}

void ScoringSession::Show(const std::string& text) {
  if (interactive_) ctx_.out << TerminalText(Cp1252ToUtf8(text), true) << std::flush;
}

bool ScoringSession::LoadBook() {
  std::string text;
  if (Status read = ReadWholeTextFile(book_path_, text, kMaxBookFile); !read) {
    Refuse(read.reason);
    return false;
  }
  std::vector<std::string> entries;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) entries.push_back(line);
  // A line the book was cut in the middle of (the power went as it was
  // written) was never answered: it is dropped.
  const bool cut = !text.empty() && text.back() != '\n' && !entries.empty();
  std::string cut_line;
  if (cut) {
    cut_line = entries.back();
    entries.pop_back();
  }
  if (Status loaded = book_.Load(entries); !loaded) {
    Refuse(book_path_ + ", line " + std::to_string(loaded.line) + ": " + loaded.reason);
    return false;
  }
  if (cut) {
    ctx_.err << "scorewick: the last line of " << TerminalText(book_path_)
             << " was cut short as it was written; it is left out: " << TerminalText(cut_line)
             << "\n";
    return SaveWholeBook();
  }
  return true;
}

// A game scored elsewhere (on a handheld, imported) and scored on here: its
// book is written first, and the game file stays as it is until a word
// changes the game.
bool ScoringSession::BookOfGame() {
  if (!o_.visitor.empty() || !o_.home.empty()) {
    Refuse(o_.game + " is there already: --visitor and --home start a new one");
    return false;
  }
  Game game;
  if (Status loaded = LoadGame(o_.game, game); !loaded) {
    Refuse(loaded.reason);
    return false;
  }
  std::vector<std::string> lines;
  if (Status written = scoring::WriteBook(game, LeagueRulesOfCurrentFolder(), lines); !written) {
    Refuse("the book of " + o_.game + " cannot be written: " + written.reason);
    return false;
  }
  if (Status loaded = book_.Load(lines); !loaded) {
    Refuse("the book of " + o_.game + " does not read back, line " + std::to_string(loaded.line) +
           ": " + loaded.reason);
    return false;
  }
  return SaveWholeBook();
}

bool ScoringSession::Start() {
  if (fs::exists(book_path_)) {
    if (!o_.visitor.empty() || !o_.home.empty()) {
      Refuse("the game " + o_.game + " has begun already (" + book_path_ +
             "): --visitor and --home start a new one");
      return false;
    }
    return LoadBook() && SaveGame();
  }
  if (fs::exists(o_.game)) return BookOfGame();
  if (o_.visitor.empty() != o_.home.empty()) {
    Refuse("a new game needs both teams: --visitor TEAM.tem --home TEAM.tem");
    return false;
  }
  if (!o_.visitor.empty()) {
    Team visitor, home;
    for (const auto& [path, team] : {std::pair{o_.visitor, &visitor}, std::pair{o_.home, &home}}) {
      if (Status loaded = LoadTeam(path, *team); !loaded) {
        Refuse(loaded.reason.empty() ? "cannot read " + path : loaded.reason);
        return false;
      }
    }
    for (const std::string& line : NewGameHeader(visitor, home)) {
      if (Status added = book_.Add(line); !added) {
        Refuse(added.reason);
        return false;
      }
    }
    return SaveWholeBook() && SaveGame();
  }
  return true;
}

bool ScoringSession::Save(const std::vector<std::string>& added) {
  std::string text;
  for (const std::string& line : added) text += line + "\n";
  if (Status saved = AppendTextSynced(book_path_, text); !saved) {
    // Not on the disk: the word is taken back, as if never typed.
    // Entries just added always come off again.
    static_cast<void>(book_.Edit(book_.entries().size() - added.size(), added.size(), {}));
    Refuse(saved.reason + "; the last word is not kept");
    return false;
  }
  return SaveGame();
}

bool ScoringSession::SaveWholeBook() {
  std::string text;
  for (const std::string& line : book_.entries()) text += line + "\n";
  if (Status saved = WriteTextFileAtomically(book_path_, text); !saved) {
    Refuse(saved.reason);
    return false;
  }
  return true;
}

bool ScoringSession::SaveGame() {
  if (!book_.scorer()) return true;  // no game until the first half begins
  EncodeGameFile(book_.game(), bytes_);
  if (Status saved = WriteFileAtomicallyUnsynced(o_.game, bytes_); !saved) {
    Refuse(saved.reason + "; the game is kept in its book, " + book_path_ +
           ", and written again after the next word");
    return false;
  }
  return true;
}

// The commands besides the words of the book.
bool ScoringSession::Command(const std::string& line, bool& handled) {
  std::istringstream in(line);
  std::string word;
  in >> word;
  handled = true;
  auto rest = [&in] {
    std::string text;
    std::getline(in, text);
    return text.substr(std::min(text.size(), text.find_first_not_of(' ')));
  };
  int n = 0;
  const std::vector<std::string> before = book_.entries();
  // The book changed in its middle is written anew; when it cannot be, the
  // change is taken back.
  const auto rewrite = [this, &before] {
    if (SaveWholeBook()) return SaveGame();
    static_cast<void>(book_.Load(before));  // the book it was: it loaded before
    return false;
  };
  if (word == "undo") {
    if (!(in >> n)) n = 1;
    if (Status done = book_.Undo(static_cast<std::size_t>(std::max(n, 0))); !done) {
      Refuse(done.reason);
      return false;
    }
    return rewrite();
  }
  if (word == "book") {
    std::string text;
    for (std::size_t i = 0; i < book_.entries().size(); ++i)
      text += std::to_string(i + 1) + "  " + book_.entries()[i] + "\n";
    ctx_.out << TerminalText(Cp1252ToUtf8(text), true);
    return true;
  }
  if (word == "fix" || word == "insert" || word == "delete") {
    if (!(in >> n) || n < 1) {
      Refuse(word + " takes the number of an entry of the book (see \"book\")");
      return false;
    }
    const std::vector<std::string> with =
        word == "delete" ? std::vector<std::string>{} : scoring::BookEntries(rest());
    const std::size_t first = static_cast<std::size_t>(n - 1);
    const std::size_t count = word == "insert" ? 0 : 1;
    if (Status done = book_.Edit(first, count, with); !done) {
      Refuse(done.line > 0
                 ? "entry " + std::to_string(done.line) + " no longer fits: " + done.reason
                 : done.reason);
      return false;
    }
    return rewrite();
  }
  if (word == "box") {
    if (!book_.scorer()) {
      Refuse("no play has been scored yet");
      return false;
    }
    const reports::BoxScore box = reports::MakeBoxScore(book_.game(), RulesOfCurrentFolder());
    std::string text;
    for (const std::string& l : box.lines()) text += l + "\n";
    ctx_.out << TerminalText(Cp1252ToUtf8(text), true);
    return true;
  }
  if (word == "help") {
    ctx_.out << ScoringHelp();
    return true;
  }
  handled = false;
  return true;
}

void ScoringSession::Answer(const std::string& line) {
  bool handled = false;
  if (!Command(line, handled)) {
    refused_ = true;
    return;
  }
  if (handled) {
    Show(Situation(book_, workload_));
    return;
  }
  for (const std::string& entry : scoring::BookEntries(Utf8ToCp1252(line))) {
    std::vector<std::string> added;
    if (Status done = book_.Add(entry, &added); !done) {
      Refuse("\"" + Cp1252ToUtf8(entry) + "\": " + done.reason);
      refused_ = true;
      break;
    }
    if (!Save(added)) {
      refused_ = true;
      break;
    }
  }
  Show(Situation(book_, workload_));
}

int ScoringSession::Run() {
  if (!Start()) return kExitRefused;
  // The pitch-count rules of the workload, for the warnings.
  if (Status loaded = LoadWorkloadRules(std::string(kWorkloadRulesFileName), true, workload_);
      !loaded) {
    Refuse(loaded.reason);
    workload_ = DefaultWorkloadRules();
  }
  std::istream& in = ctx_.in ? *ctx_.in : std::cin;
  interactive_ = ctx_.in == nullptr && ::isatty(STDIN_FILENO) == 1;
  Show(Situation(book_, workload_));
  std::string line;
  while (true) {
    if (interactive_) ctx_.out << "> " << std::flush;
    if (!std::getline(in, line)) break;
    if (line == "quit" || line == "exit") break;
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    Answer(line);
  }
  if (!interactive_) ctx_.out << TerminalText(Cp1252ToUtf8(Situation(book_, workload_)), true);
  return refused_ ? kExitRefused : kExitDone;
}

}  // namespace scorewick::cli

#include "cli/scoring_session.h"

#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <istream>
#include <memory>
#include <ostream>
#include <sstream>

#include "app/core/live_situation.h"
#include "cli/counted_games.h"
#include "platform/terminal_text.h"
#include "records/cp1252.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/team_file.h"
#include "reports/box_score.h"
#include "scoring/book.h"
#include "scoring/new_game_book.h"

namespace scorewick::cli {

namespace fs = std::filesystem;

namespace {

// The header of a new game: the date and time now, the league rules of
// the settings, and both teams with their rosters on the bench; the
// line-ups are typed ("1 \"Ann Able\" SS").
std::vector<std::string> NewGameHeader(const Team& visitor, const Team& home) {
  scoring::NewGame g;
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  g.year = local.tm_year + 1900;
  g.month = local.tm_mon + 1;
  g.day = local.tm_mday;
  g.hour = local.tm_hour;
  g.minute = local.tm_min;
  g.rules = LeagueRulesOfCurrentFolder();
  g.visitor = visitor;
  g.home = home;
  return scoring::NewGameBook(g);
}

}  // namespace

ScoringSession::ScoringSession(const ScoreOptions& o, CommandContext& ctx)
    : o_(o), ctx_(ctx), kept_(o.game) {}

void ScoringSession::Refuse(const std::string& why) {
  ctx_.err << "scorewick: " << TerminalText(why) << "\n";
}

void ScoringSession::Show(const std::string& text) {
  if (interactive_) ctx_.out << TerminalText(Cp1252ToUtf8(text), true) << std::flush;
}

// The game file could not be written after a change: said, and the run
// ends refused (the book holds the game).
bool ScoringSession::GameFileWritten() {
  if (kept_.game_file_problem().empty()) return true;
  Refuse(kept_.game_file_problem());
  return false;
}

bool ScoringSession::Start() {
  const bool teams = !o_.visitor.empty() || !o_.home.empty();
  if (fs::exists(kept_.book_path())) {
    if (teams) {
      Refuse("the game " + o_.game + " has begun already (" + kept_.book_path() +
             "): --visitor and --home start a new one");
      return false;
    }
  } else if (fs::exists(o_.game)) {
    if (teams) {
      Refuse(o_.game + " is there already: --visitor and --home start a new one");
      return false;
    }
  } else {
    if (o_.visitor.empty() != o_.home.empty()) {
      Refuse("a new game needs both teams: --visitor TEAM.tem --home TEAM.tem");
      return false;
    }
    if (o_.visitor.empty()) return true;
    Team visitor, home;
    for (const auto& [path, team] : {std::pair{o_.visitor, &visitor}, std::pair{o_.home, &home}}) {
      if (Status loaded = LoadTeam(path, *team); !loaded) {
        Refuse(loaded.reason.empty() ? "cannot read " + path : loaded.reason);
        return false;
      }
    }
    if (Status begun = kept_.Begin(NewGameHeader(visitor, home)); !begun) {
      Refuse(begun.reason);
      return false;
    }
    return GameFileWritten();
  }
  std::string notice;
  if (Status opened = kept_.Open(LeagueRulesOfCurrentFolder(), &notice); !opened) {
    Refuse(opened.reason);
    return false;
  }
  if (!notice.empty()) ctx_.err << "scorewick: " << TerminalText(notice) << "\n";
  return GameFileWritten();
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
  const scoring::LiveBook& book_ = kept_.book();
  if (word == "undo") {
    if (!(in >> n)) n = 1;
    if (Status done = kept_.Undo(static_cast<std::size_t>(std::max(n, 0))); !done) {
      Refuse(done.reason);
      return false;
    }
    return GameFileWritten();
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
    if (Status done = kept_.Edit(first, count, with); !done) {
      Refuse(done.line > 0
                 ? "entry " + std::to_string(done.line) + " no longer fits: " + done.reason
                 : done.reason);
      return false;
    }
    return GameFileWritten();
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
    ctx_.out << app::ScoringHelp();
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
    Show(app::Situation(kept_.book(), workload_));
    return;
  }
  for (const std::string& entry : scoring::BookEntries(Utf8ToCp1252(line))) {
    if (Status done = kept_.Add(entry); !done) {
      // A word the game refused is quoted; one the disk refused is not.
      Refuse(done.file.empty() ? "\"" + Cp1252ToUtf8(entry) + "\": " + done.reason : done.reason);
      refused_ = true;
      break;
    }
    if (!GameFileWritten()) {
      refused_ = true;
      break;
    }
  }
  Show(app::Situation(kept_.book(), workload_));
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
  Show(app::Situation(kept_.book(), workload_));
  std::string line;
  while (true) {
    if (interactive_) ctx_.out << "> " << std::flush;
    if (!std::getline(in, line)) break;
    if (line == "quit" || line == "exit") break;
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    Answer(line);
  }
  if (!interactive_)
    ctx_.out << TerminalText(Cp1252ToUtf8(app::Situation(kept_.book(), workload_)), true);
  return refused_ ? kExitRefused : kExitDone;
}

}  // namespace scorewick::cli

// scorewick-sim: makes scored games for testing and showing the program.
//
//   scorewick-sim --sample-season --out DIR
//   scorewick-sim --teams DIR --games N --seed S --out DIR [rules]
//   scorewick-sim --scorebook FILE --out GAME.gam
//   scorewick-sim --check GAME.gam...
//
// Exit status: 0 done, 1 the input was refused (nothing written), 2 usage.

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "records/file_io.h"
#include "records/game_file.h"
#include "records/team_file.h"
#include "scoring/book.h"
#include "scoring/consistency.h"
#include "sim/sample_teams.h"
#include "sim/season.h"
#include "sim/team_plan.h"

namespace fs = std::filesystem;
using namespace scorewick;
using namespace scorewick::sim;
using namespace scorewick::scoring;

namespace {

constexpr int kDone = 0;
constexpr int kRefused = 1;
constexpr int kUsage = 2;

int Refuse(const std::string& message) {
  std::cerr << "scorewick-sim: " << message << "\n";
  return kRefused;
}

bool MakeFolder(const std::string& folder, std::string* error) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec || !fs::is_directory(folder, ec)) {
    *error = "cannot make the folder " + folder + (ec ? ": " + ec.message() : "");
    return false;
  }
  return true;
}

// Every team file (.tem, or comma-separated .csv) of a folder, by name.
int LoadTeams(const std::string& folder, std::vector<Team>& teams) {
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return Refuse("no team folder " + folder);
  std::vector<fs::path> paths;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string ext = it->path().extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::error_code kind;
    if (it->is_regular_file(kind) && (ext == ".tem" || ext == ".csv")) paths.push_back(it->path());
  }
  std::sort(paths.begin(), paths.end());
  if (paths.size() < 2) return Refuse("the folder " + folder + " holds fewer than two team files");
  for (const fs::path& path : paths) {
    Team team;
    if (Status loaded = LoadTeam(path.string(), team); !loaded) return Refuse(loaded.reason);
    std::string why;
    if (!PlanTeam(team, 0, &why)) return Refuse(path.string() + ": " + why);
    teams.push_back(team);
  }
  return kDone;
}

int Check(const std::vector<std::string>& paths, const LeagueRules& rules) {
  int bad = 0;
  for (const std::string& path : paths) {
    Game game;
    if (Status loaded = LoadGame(path, game); !loaded) {
      std::cerr << loaded.reason << "\n";
      ++bad;
      continue;
    }
    const auto found = CheckGame(game, rules);
    for (const Inconsistency& i : found) std::cout << path << ": " << i.Text() << "\n";
    if (!found.empty()) ++bad;
  }
  std::cout << paths.size() - static_cast<std::size_t>(bad) << " of " << paths.size()
            << " games consistent\n";
  return bad == 0 ? kDone : kRefused;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "scorewick-sim: makes scored games for testing and showing Scorewick.\n"
      "It plays games pitch by pitch between teams and writes them as game files (.gam,\n"
      "format 3.0), compiles hand-written scorebooks into game files, and checks that\n"
      "recorded games are consistent.\n\n"
      "  scorewick-sim --sample-season --out build/sample\n"
      "      four invented teams (.tem, with personal information) and 24 games among them\n"
      "  scorewick-sim --teams DIR --games 1000 --seed 7 --out games/\n"
      "      a season among the team files of DIR (.tem or .csv), game-001.gam, ...\n"
      "  scorewick-sim --scorebook game.book --out game.gam\n"
      "      a game written by hand in the scorebook shorthand (see "
      "resources/help/scorebook.html)\n"
      "  scorewick-sim --check games/*.gam\n"
      "      runs the consistency checks on recorded games\n\n"
      "Exit status: 0 done, 1 input refused (nothing written), 2 usage."};
  bool sample = false;
  std::string teams_dir, out, scorebook;
  std::vector<std::string> check;
  int games = 24;
  std::uint64_t seed = 1;
  LeagueRules rules;
  app.add_flag("--sample-season", sample, "write the sample season: four teams and 24 games");
  app.add_option("--teams", teams_dir, "folder of team files to play a season among");
  app.add_option("--games", games, "number of games to play (default 24)")
      ->check(CLI::Range(1, 100000));
  app.add_option("--seed", seed,
                 "seed of the season; the same seed gives the same files (default 1)");
  app.add_option("--out", out, "output folder (a file for --scorebook)");
  app.add_option("--scorebook", scorebook, "compile a scorebook text file into a game file");
  app.add_option("--check", check, "game files to run the consistency checks on");
  app.add_option("--innings", rules.innings, "innings per game (default 9)");
  app.add_option("--strikes", rules.strikes_per_out, "strikes per out (default 3)");
  app.add_option("--balls", rules.balls_per_walk, "balls per walk (default 4)");
  app.add_option("--outs", rules.outs_per_inning, "outs per inning (default 3)");
  app.add_flag("--softball", rules.softball,
               "play the softball game (its own plays and pitch speeds)");
  app.add_flag("--tie-breaker", rules.tie_breaker, "start extra halves with a runner on second");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? kDone : kUsage;
  }
  if (const Status fits = CheckRules(rules); !fits) return Refuse(fits.reason), kUsage;
  const int modes = (sample ? 1 : 0) + (!teams_dir.empty() ? 1 : 0) + (!scorebook.empty() ? 1 : 0) +
                    (!check.empty() ? 1 : 0);
  if (modes != 1) {
    std::cerr << "scorewick-sim: give one of --sample-season, --teams, --scorebook or --check (see "
                 "--help)\n";
    return kUsage;
  }
  if (!check.empty()) return Check(check, rules);
  if (out.empty()) {
    std::cerr << "scorewick-sim: --out is needed\n";
    return kUsage;
  }
  std::string error;
  if (!scorebook.empty()) {
    std::string text;
    if (Status read = ReadWholeTextFile(scorebook, text); !read) return Refuse(read.reason);
    Game game;
    const ScorebookResult result = CompileScorebook(text, game);
    if (!result.ok) return Refuse(scorebook + ": " + result.error);
    if (Status saved = SaveGame(out, game); !saved) return Refuse(saved.reason);
    std::cout << "wrote " << out << "\n";
    return kDone;
  }
  std::vector<Team> teams;
  if (sample) {
    teams = SampleTeams();
    games = 24;
    seed = 2024;
  } else if (const int status = LoadTeams(teams_dir, teams); status != kDone) {
    return status;
  }
  if (!MakeFolder(out, &error)) return Refuse(error);
  if (sample && !WriteTeams(teams, out, &error)) return Refuse(error);
  const std::vector<ScheduledGame> schedule = MakeSchedule(teams, games, rules, seed);
  if (!WriteSeason(teams, schedule, out, &error)) return Refuse(error);
  std::cout << "wrote " << (sample ? std::to_string(teams.size()) + " teams and " : std::string())
            << schedule.size() << " games in " << out << "\n";
  return kDone;
}

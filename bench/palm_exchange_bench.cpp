// Exporting a 75-at-bat game to a Palm database and importing it again,
// against encoding the game file of the same game.
//
//   palm_exchange_bench      prints each timing, then the ratios
//
// Export and import run in memory (stream, database, stream, game) and
// through a database file in the temporary folder, as the Palm commands
// do.  The baseline, encoding the game file in memory, runs in the same
// process just before; the ratios are of processor time.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "exchange/palm_database.h"
#include "exchange/palm_exchange.h"
#include "exchange/palm_game_stream.h"
#include "ratio_reporter.h"
#include "records/codes.h"
#include "records/game.h"
#include "records/game_file.h"

namespace scorewick {
namespace {

constexpr int kAtBats = 75;
constexpr int kPerHalf = 5;
constexpr int kPitchesPerAtBat = 8;

Team BenchTeam(const std::string& name, int first_number) {
  Team team;
  team.team_name.set(name);
  team.manager.set(name + " manager");
  team.coach.set(name + " coach");
  team.lineup_size = 9;
  team.no_personal_info = 1;
  for (int i = 0; i < 14; ++i) {
    PLAYER p;
    p.name.set(name + " player " + std::to_string(i + 1));
    p.uniform_number = static_cast<std::int16_t>(first_number + i);
    p.key = static_cast<std::int16_t>(i + 1);
    p.position = i < 9 ? i + 1 : kPosBench;
    p.batting_order = i < 9 ? i + 1 : 0;
    team.AddPlayer(p, PLAYER_INFO{});
  }
  return team;
}

AT_BAT BenchAtBat(const Team& batting, const Team& fielding, int seq) {
  AT_BAT ab;
  const PLAYER& pitcher = fielding.player(0);
  ab.pitchers[0].pitcher = pitcher;
  ab.responsible_pitcher = pitcher;
  ab.batter = batting.player(seq % 9);
  for (int k = 0; k < kPitchesPerAtBat; ++k) {
    PITCH_DATA& d = ab.pitch_details[k];
    d.pitch_type = k % 12;
    d.pitcher = pitcher;
    d.location_x = 40 + 3 * k;
    d.location_y = 70 + seq % 30;
    d.speed = 78.5f + static_cast<float>(k);
    d.strike = static_cast<std::uint8_t>(k % 2);
    d.valid = 1;
    d.strike_type = d.strike;
    d.ball_type = 1 - d.strike;
    PITCH& p = ab.pitches[k];
    p.event = k == kPitchesPerAtBat - 1 ? kEventReached : (k % 2 ? kEventStrike : kEventBall);
    p.balls_before = static_cast<std::int16_t>((k + 1) / 2);
    p.strikes_before = static_cast<std::int16_t>(k / 2);
    p.detail = d;
    p.detail.pitcher.batting_order = seq % kPerHalf;
    p.detail.pitcher.entered_inning = k;
  }
  ab.last_pitch = kPitchesPerAtBat - 1;
  ab.reached = 1;
  ab.how_reached = kReachSingle;
  ab.bases_reached = 1;
  ab.reach_credit_count = 1;
  ab.reach_credits[0] = {kPosCenterField, fielding.player(7).name, 0};
  ab.out_credit_count = 2;
  ab.out_credits[0] = {kPosShortStop, fielding.player(5).name, kCreditAssist};
  ab.out_credits[1] = {kPosFirst, fielding.player(2).name, kCreditPutOut};
  ab.hit_x = 100 + seq % 40;
  ab.hit_y = 50 + seq % 40;
  return ab;
}

Game BenchGame() {
  Game game;
  game.home = BenchTeam("Home", 1);
  game.visitor = BenchTeam("Visitors", 30);
  game.header.field.set("Bench Park");
  for (int seq = 0; seq < kAtBats; ++seq) {
    const int half_index = seq / kPerHalf;
    const bool top = half_index % 2 == 0;
    HALF_INNING& half = game.innings[static_cast<std::size_t>(half_index / 2)].half(top);
    const Team& batting = top ? game.visitor : game.home;
    const Team& fielding = top ? game.home : game.visitor;
    if (half.offense.empty()) {
      for (int i = 0; i < 9; ++i) {
        half.offense.push_back(batting.player(i));
        half.defense.push_back(fielding.player(i));
      }
    }
    half.at_bats.push_back(BenchAtBat(batting, fielding, seq));
  }
  for (int i = 0; i < 6; ++i) {
    GAME_NOTE note;
    note.inning = i;
    note.text.set("A note on inning " + std::to_string(i + 1));
    game.notes.push_back(note);
  }
  return game;
}

const Game& TheGame() {
  static const Game game = BenchGame();
  return game;
}

std::string TempPath(const char* name) {
  return (std::filesystem::temp_directory_path() /
          ("scorewick-bench-" + std::to_string(::getpid()) + "-" + name))
      .string();
}

void BM_EncodeGameFile(benchmark::State& state) {
  std::vector<std::uint8_t> bytes;
  for (auto _ : state) {
    EncodeGameFile(TheGame(), bytes);
    benchmark::DoNotOptimize(bytes.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_EncodeGameFile);

void BM_PalmExportImportInMemory(benchmark::State& state) {
  std::vector<std::uint8_t> stream, back_stream;
  Game back;
  std::size_t db_size = 0;
  for (auto _ : state) {
    if (!WritePalmGameStream(TheGame(), stream)) state.SkipWithError("the game did not encode");
    std::vector<std::uint8_t> db = EncodePalmStreamDatabase(stream, "Bench.pdb", 0xE0000000u);
    if (!DecodePalmStream(db, back_stream) || !ReadPalmGameStream(back_stream, back)) {
      state.SkipWithError("the game did not read back");
      break;
    }
    db_size = db.size();
  }
  state.counters["stream"] = static_cast<double>(stream.size());
  state.counters["database"] = static_cast<double>(db_size);
}
BENCHMARK(BM_PalmExportImportInMemory);

void BM_PalmExportImportThroughFile(benchmark::State& state) {
  const std::string path = TempPath("Bench.pdb");
  Game game = TheGame();
  Game back;
  for (auto _ : state) {
    if (!ExportPalmGame(game, path) || !ImportPalmGame(back, path)) {
      state.SkipWithError("export or import failed");
      break;
    }
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_PalmExportImportThroughFile);

}  // namespace
}  // namespace scorewick

int main(int argc, char** argv) {
  return scorewick::bench::RunWithRatios(argc, argv,
                                         {{"BM_PalmExportImportInMemory", "BM_EncodeGameFile"},
                                          {"BM_PalmExportImportThroughFile", "BM_EncodeGameFile"}});
}

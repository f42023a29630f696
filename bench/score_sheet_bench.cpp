// Score sheets written as PDF files, in memory.
//
// 100 blank pages (9 by 9 boxes) with the box picture drawn once and
// placed in every box, against the same pages with the picture drawn
// again as lines and curves in every box: time, and file size in the
// "bytes" counter.  Then a simulated sample game, both sides with its
// notes page, against the same number of blank pages.
#include <benchmark/benchmark.h>

// The simulator's headers come before Qt's, whose "slots" keyword they use
// as a name.
#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <cstdio>
#include <cstdlib>

#include "ratio_reporter.h"
#include "reports/print/at_bat_box_picture.h"
#include "reports/print/blank_sheets_out.h"
#include "reports/print/game_out.h"
#include "reports/print/page_frame.h"
#include "sim/sample_teams.h"
#include "sim/simulator.h"

namespace {

using namespace scorewick;

// The blank sheet with the picture drawn anew in every box.
class VectorBlankSheets : public print::Printout {
 public:
  explicit VectorBlankSheets(int pages) : pages_(pages) {}
  QString JobName() const override { return "Blank Score Sheets"; }
  void PrintPage(QPainter& painter, int, QSize size) override {
    const print::SheetGeometry g = print::LayOutSheet(size, 9, 9, painter.device());
    print::DrawCreditLine(painter, size);
    painter.setFont(g.large_font);
    print::DrawTextAt(painter, g.M, g.L, print::kBlankTeamsLine);
    print::DrawTextAt(painter, g.M, 2 * g.L, print::kBlankFieldLine);
    print::DrawLineupBlock(painter, g);
    for (int row = 0; row < g.rows; ++row) {
      for (int column = 0; column < g.columns; ++column) {
        print::DrawAtBatBoxPicture(painter, g.box(row, column));
      }
    }
    print::DrawBoxGrid(painter, g, nullptr);
    for (int column = 0; column < g.columns; ++column) {
      print::DrawTotalsLines(painter, g, column, print::BlankTotalsLabels());
    }
  }
  bool HasPageAfter(int page) const override { return page < pages_; }

 private:
  int pages_;
};

// The printout as PDF bytes, the way PrintToPdf writes a file.
qint64 PdfSize(print::Printout& printout) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(1200);
    writer.setPageLayout(print::DefaultPdfLayout());
    print::PagedDeviceTarget target(writer);
    if (print::PrintPages(printout, target) < 0) return -1;
  }
  return buffer.size();
}

const Game& SampleGame() {
  static const Game game = [] {
    Game g;
    const std::vector<Team> teams = sim::SampleTeams();
    sim::GameSetup setup;
    setup.seed = 7;
    std::string error;
    if (!sim::SimulateGame(teams[0], teams[1], setup, g, &error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      std::abort();
    }
    GAME_NOTE note;
    note.inning = 4;
    note.at_bat = 2;
    note.text.set("Rain delay of twenty minutes; the tarp came off at seven.");
    g.notes.push_back(note);
    return g;
  }();
  return game;
}

template <typename Make>
void PrintPdf(benchmark::State& state, Make make) {
  qint64 bytes = 0;
  for (auto _ : state) {
    auto printout = make();
    bytes = PdfSize(*printout);
    if (bytes < 0) state.SkipWithError("the PDF could not be drawn");
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_BlankPages100_PictureOnce(benchmark::State& state) {
  PrintPdf(state, [] { return std::make_unique<print::TBlankSheetsOut>(9, 9, 100); });
}
BENCHMARK(BM_BlankPages100_PictureOnce)->Unit(benchmark::kMillisecond);

void BM_BlankPages100_PictureEveryBox(benchmark::State& state) {
  PrintPdf(state, [] { return std::make_unique<VectorBlankSheets>(100); });
}
BENCHMARK(BM_BlankPages100_PictureEveryBox)->Unit(benchmark::kMillisecond);

reports::GamePrintOptions BothSidesWithNotes() {
  reports::GamePrintOptions o;
  o.side = reports::PrintSide::kBoth;
  o.notes = true;
  o.empty_fields = true;
  return o;
}

void BM_SampleGameBothSides(benchmark::State& state) {
  PrintPdf(state,
           [] { return std::make_unique<print::TGameOut>(SampleGame(), BothSidesWithNotes()); });
}
BENCHMARK(BM_SampleGameBothSides)->Unit(benchmark::kMillisecond);

void BM_BlankPages3(benchmark::State& state) {
  PrintPdf(state, [] { return std::make_unique<print::TBlankSheetsOut>(9, 9, 3); });
}
BENCHMARK(BM_BlankPages3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  return scorewick::bench::RunWithRatios(
      argc, argv,
      {{"BM_BlankPages100_PictureEveryBox", "BM_BlankPages100_PictureOnce"},
       {"BM_SampleGameBothSides", "BM_BlankPages3"}});
}

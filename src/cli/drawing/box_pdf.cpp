// The printed box score of `scorewick box --format pdf`: the box score's
// lines through the text printout, with the trailer naming the game.

#include "cli/box_pdf.h"

#include "cli/drawing/gui_application.h"
#include "reports/print/list_box_out.h"
#include "reports/print/printout.h"

namespace scorewick::cli {
namespace {

Status PrintBox(const std::vector<std::string>& lines, const std::string& title, const Game& game,
                const std::string& pdf) {
  auto app = EnsureGuiApplication();
  print::TListBoxOut printout(lines, title);
  printout.SetGameTrailer(game);
  return print::PrintToPdf(printout, pdf);
}

const bool registered = [] {
  BoxPdfPrinter() = PrintBox;
  return true;
}();

}  // namespace
}  // namespace scorewick::cli

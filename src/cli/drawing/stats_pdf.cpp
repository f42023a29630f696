// Statistics printed into a PDF file for `scorewick stats --format pdf`.

#include "cli/drawing/gui_application.h"
#include "cli/stats_pdf_hook.h"
#include "reports/print/stats_printout.h"

namespace scorewick::cli {
namespace {

const bool registered = [] {
  StatsPdf() = [](const std::vector<reports::TextSection>& sections, const std::string& title,
                  const std::vector<std::string>& game_files, int page_width, bool landscape,
                  const std::string& path) {
    auto app = EnsureGuiApplication();
    return print::PrintStatsToPdf(sections, title, game_files, page_width, landscape, path);
  };
  return true;
}();

}  // namespace
}  // namespace scorewick::cli

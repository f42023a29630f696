#include "app/plot_commands.h"

#include "app/game_chooser_dialog.h"
#include "app/main_window.h"
#include "app/modal_run.h"
#include "app/pitch_plot_window.h"
#include "app/scatter_plot_window.h"

namespace scorewick::app {

namespace {

template <typename Window>
void RunPlot(CommandEnv& env, ChooserVariant variant) {
  Session& session = env.services.session;
  Ui& ui = env.services.ui;
  GameChooserDialog chooser(variant, session.folders.For(FileKind::kGame, session.start_folder), ui,
                            &env.window);
  chooser.UseSession(session);
  if (RunModal(chooser) != QDialog::Accepted) return;
  session.folders.RememberFolder(FileKind::kGame, chooser.folder());
  Window window(chooser.chosen(), session, ui, &env.window);
  if (!window.Open()) return;
  RunModal(window);
}

}  // namespace

void RunScatterPlots(CommandEnv& env) {
  RunPlot<ScatterPlotWindow>(env, ChooserVariant::kScatterPlots);
}

void RunPitchingPlots(CommandEnv& env) {
  RunPlot<PitchPlotWindow>(env, ChooserVariant::kPitchingPlots);
}

}  // namespace scorewick::app

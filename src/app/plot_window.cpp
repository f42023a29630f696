#include "app/plot_window.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QPushButton>
#include <algorithm>
#include <string>

#include "app/core/refused_games.h"
#include "reports/print/cp1252_text.h"

namespace scorewick::app {

// The member "print" hides the namespace of the same name.
namespace printing = ::scorewick::print;

namespace {

// The games of the list that were read; the others named to the user.
bool AcceptPlotGames(const AccumulateReport& report, std::vector<std::string>& games, Ui& ui) {
  if (report.refusals.empty()) return true;
  const bool none_left = report.games_read == 0;
  ui.ShowMessage(RefusedGamesText(report.refusals, none_left), "Load Error",
                 MessageIcon::kExclamation);
  games = WithoutRefused(games, report.refusals);
  return !none_left;
}

}  // namespace

PlotWindow::PlotWindow(Session& session, Ui& ui, const char* title, QWidget* parent)
    : QDialog(parent), session_(session), ui_(ui) {
  setWindowTitle(title);
  print = [this](printing::Printout& printout) { PrintOnApplicationPrinter(printout, ui_, this); };
  team_box_ = ChoiceBox("team", 16);
  team_box_->setToolTip("The team whose players the lists of players show");
  connect(team_box_, &QComboBox::currentIndexChanged, this, [this] {
    FillPlayers();
    ChoiceChanged();
  });
}

bool PlotWindow::Open() {
  if (!AcceptPlotGames(Load(), Games(), ui_)) return false;
  FillChoices();
  return true;
}

PlotCanvas* PlotWindow::MakeCanvas(QSize size, PlotCanvas::Draw draw) {
  canvas_ = new PlotCanvas(size, std::move(draw), this);
  return canvas_;
}

void PlotWindow::AddButtons(QBoxLayout* row) {
  auto* print_button = new QPushButton("&Print");
  print_button->setObjectName("print");
  auto* setup = new QPushButton("Printer &Setup");
  setup->setObjectName("printer_setup");
  auto* ok = new QPushButton("OK");
  ok->setDefault(true);
  row->addWidget(print_button);
  row->addWidget(setup);
  row->addWidget(ok);
  connect(print_button, &QPushButton::clicked, this, [this] { Print(); });
  connect(setup, &QPushButton::clicked, this, [this] { RunPrinterSetupDialog(this); });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QComboBox* PlotWindow::ChoiceBox(const char* object_name, int min_contents) {
  auto* box = new QComboBox;
  box->setObjectName(object_name);
  box->setMinimumContentsLength(min_contents);
  box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  return box;
}

void PlotWindow::SetChoices(QComboBox* box, const std::vector<std::string>& names, int current) {
  const QSignalBlocker quiet(box);
  box->clear();
  for (const std::string& name : names) box->addItem(printing::FromCp1252(name));
  box->setCurrentIndex(current < 0 ? box->count() - 1 : current);
}

void PlotWindow::SetTeams(const NameList& first, const NameList& second) {
  std::vector<std::string> teams = first.Teams();
  for (const std::string& team : second.Teams())
    if (std::find(teams.begin(), teams.end(), team) == teams.end()) teams.push_back(team);
  std::sort(teams.begin(), teams.end());
  const QSignalBlocker quiet(team_box_);
  team_box_->clear();
  team_box_->addItem("All Teams");
  for (const std::string& team : teams)
    team_box_->addItem(printing::FromCp1252(team), QByteArray::fromStdString(team));
  team_box_->setCurrentIndex(0);
}

void PlotWindow::SetPlayers(QComboBox* box, const NameList& list,
                            const std::vector<std::string>& names, int fallback) const {
  const QSignalBlocker quiet(box);
  const QVariant was = box->currentData();
  box->clear();
  const std::string team = team_box_->currentData().toByteArray().toStdString();
  for (const int i : list.SortedOfTeam(team))
    box->addItem(printing::FromCp1252(names.at(static_cast<std::size_t>(i))), i);
  box->addItem(printing::FromCp1252(names.back()), static_cast<int>(names.size()) - 1);
  const int again = was.isValid() ? box->findData(was) : -1;
  box->setCurrentIndex(again >= 0 ? again : fallback < 0 ? box->count() - 1 : fallback);
}

const std::string& PlotWindow::ChosenName(const QComboBox* box,
                                          const std::vector<std::string>& names) {
  return names.at(static_cast<std::size_t>(box->currentData().toInt()));
}

}  // namespace scorewick::app

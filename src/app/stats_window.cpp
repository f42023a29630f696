#include "app/stats_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <charconv>
#include <cmath>

#include "app/core/export_choice.h"
#include "app/core/html_style.h"
#include "app/core/refused_games.h"
#include "app/core/save_target.h"
#include "app/player_reports.h"
#include "app/print_job.h"
#include "app/remembered_position.h"
#include "app/stat_table_model.h"
#include "app/stat_table_view.h"
#include "app/stats_layout_editor.h"
#include "intake/game_headline.h"
#include "records/calendar_day.h"
#include "records/file_io.h"
#include "records/local_date.h"
#include "reports/print/cp1252_text.h"
#include "reports/print/printer_orientation.h"
#include "reports/print/stats_printout.h"
#include "reports/stats_csv.h"
#include "reports/stats_html.h"
#include "reports/team_export.h"
#include "stats/sort_table.h"
#include "stats/stat_query.h"
#include "stats/totals.h"

namespace scorewick::app {
namespace {

constexpr const char* kScorewickCaption = "Scorewick";
// Beyond this many characters a printed line is too small to read.
constexpr int kMaxPrintWidth = 1000;

std::size_t At(StatTable table) { return static_cast<std::size_t>(table); }

// The number at the start of an input box's text; 0 when there is none.
int LeadingNumber(const std::string& text) {
  const auto start = text.find_first_not_of(' ');
  if (start == std::string::npos) return 0;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data() + start, text.data() + text.size(), value);
  (void)end;
  return error == std::errc()                      ? value
         : error == std::errc::result_out_of_range ? kMaxPrintWidth
                                                   : 0;
}

}  // namespace

StatsWindow::StatsWindow(const GameChoice& chosen, const StatRules& rules, Session& session, Ui& ui,
                         QWidget* parent)
    : QDialog(parent), session_(session), ui_(ui), chosen_(chosen), rules_(rules) {
  for (int t = 0; t < kStatTableCount; ++t) {
    const auto table = static_cast<StatTable>(t);
    layouts_[At(table)] = LoadLayout(session_.start_folder, table);
    next_descending_[At(table)].assign(static_cast<std::size_t>(ColumnCount(table)), true);
  }
  qualifiers_ = LoadQualifiers(session_.start_folder);
  print_runner = [this](const std::vector<reports::TextSection>& sections, const std::string& title,
                        const std::vector<std::string>& games, int page_width, bool landscape) {
    PrintOnApplicationPrinter(
        print::FromCp1252(title),
        [&](print::PageTarget& target) {
          return print::PrintStatsSections(sections, title, games, page_width, target);
        },
        landscape ? print::kLandscape : print::kPortrait, ui_, this);
  };
  Build();
  RememberPositionAndSize(this, "stats_window");
}

StatsWindow::~StatsWindow() = default;

// The table of the rows: its columns sort on a click at their heading,
// size to fit on a double click at their edge, and a row opens the
// player's game log on a double click.
void StatsWindow::BuildList() {
  model_ = new StatTableModel(this);
  list_ = new StatTableView;
  list_->setObjectName("list");
  list_->setModel(model_);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setShowGrid(true);
  list_->setWordWrap(false);
  list_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  list_->setStyleSheet("QTableView::item { padding-left: 4px; padding-right: 4px; }");
  list_->verticalHeader()->hide();
  list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 6);
  QHeaderView* header = list_->horizontalHeader();
  header->setSectionsClickable(true);
  header->setSectionsMovable(false);
  header->setStretchLastSection(false);
  header->setHighlightSections(false);
  header->setSectionResizeMode(QHeaderView::Interactive);
  header->setMinimumSectionSize(0);
  header->setSortIndicatorShown(true);
  header->setSortIndicator(-1, Qt::AscendingOrder);
  // Sorting, sizing and "size to fit again" work alike on the kept Name
  // column's heading, which lies over the first column's.
  for (QHeaderView* h : {header, list_->kept_view()->horizontalHeader()}) {
    connect(h, &QHeaderView::sectionClicked, this, [this](int section) { SortBySection(section); });
    connect(h, &QHeaderView::sectionHandleDoubleClicked, this,
            [this](int section) { UnsetWidth(section); });
  }
  connect(header, &QHeaderView::sectionResized, this, [this](int section, int, int size) {
    if (!sizing_) KeepWidth(section, size);
  });
  // The kept Name column lies over the table's first: its double clicks too.
  for (QTableView* view : {static_cast<QTableView*>(list_), list_->kept_view()}) {
    connect(view, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { OpenGameLogOf(index.row()); });
  }
}

// The splits of the batting and pitching tables: against right-handers,
// left-handers, or all.
QLayout* StatsWindow::BuildSplitRadios() {
  split_group_ = new QButtonGroup(this);
  auto* radios = new QVBoxLayout;
  const char* names[] = {"split_right", "split_left", "split_all"};
  for (int i = 0; i < 3; ++i) {
    split_radios_[static_cast<std::size_t>(i)] = new QRadioButton;
    split_radios_[static_cast<std::size_t>(i)]->setObjectName(names[i]);
    split_group_->addButton(split_radios_[static_cast<std::size_t>(i)], i);
    radios->addWidget(split_radios_[static_cast<std::size_t>(i)]);
  }
  connect(split_group_, &QButtonGroup::idClicked, this,
          [this](int split) { SetSplit(static_cast<Split>(split)); });
  return radios;
}

// The league's innings per game.  The choice is the league's rule of
// League Options, not a filter of the games: it scales the earned run
// average and is kept on closing.
QLayout* StatsWindow::BuildInningsBox() {
  innings_ = new QComboBox;
  innings_->setObjectName("innings");
  for (int i = 1; i <= 9; ++i) innings_->addItem(QString::number(i));
  innings_->setCurrentIndex(std::clamp(session_.settings.innings_per_game, 1, 9) - 1);
  auto* innings_label = new QLabel("Innings Per Game");
  auto* innings_note = new QLabel("League rule: scales ERA");
  innings_note->setObjectName("innings_note");
  QFont note_font = innings_note->font();
  note_font.setItalic(true);
  innings_note->setFont(note_font);
  const QString innings_tip =
      "The league's innings per game, as in League Options: earned run averages are scaled to "
      "it. The choice is kept for the league when the window closes.";
  for (QWidget* w : std::initializer_list<QWidget*>{innings_label, innings_, innings_note})
    w->setToolTip(innings_tip);
  auto* innings_box = new QVBoxLayout;
  innings_box->addWidget(innings_label);
  innings_box->addWidget(innings_);
  innings_box->addWidget(innings_note);
  innings_box->addStretch(1);
  connect(innings_, &QComboBox::currentIndexChanged, this,
          [this](int index) { SetInnings(index + 1); });
  return innings_box;
}

// Qualifiers: players below them are left out of the rows, not the totals.
QWidget* StatsWindow::BuildQualifierBox() {
  auto* qualifier_box = new QGroupBox("Qualifiers");
  qualifier_box->setObjectName("qualifiers");
  qualifier_box->setToolTip(
      "Players below these are left out of the tables shown, printed and exported; the totals "
      "row still counts them.");
  min_pa_ = new QSpinBox;
  min_pa_->setObjectName("min_pa");
  min_pa_->setRange(0, 999999);
  min_pa_->setToolTip("Batting and running: leave out players with fewer plate appearances.");
  min_ip_ = new QDoubleSpinBox;
  min_ip_->setObjectName("min_ip");
  min_ip_->setDecimals(2);
  min_ip_->setRange(0, 999999.99);
  min_ip_->setToolTip(
      "Pitching: leave out pitchers with fewer innings pitched, as the IP column shows them.");
  hide_empty_ = new QCheckBox("Hide rows without PA / BF");
  hide_empty_->setObjectName("hide_empty");
  hide_empty_->setToolTip(
      "Leave out batters without a plate appearance and pitchers without a batter faced (the "
      "running table keeps its pinch runners).");
  min_pa_->setValue(qualifiers_.min_plate_appearances);
  min_ip_->setValue(qualifiers_.min_innings_hundredths / 100.0);
  hide_empty_->setChecked(qualifiers_.hide_empty);
  auto* qualifier_form = new QFormLayout(qualifier_box);
  qualifier_form->setContentsMargins(6, 2, 6, 2);
  qualifier_form->addRow("Min PA", min_pa_);
  qualifier_form->addRow("Min IP", min_ip_);
  qualifier_form->addRow(hide_empty_);
  connect(min_pa_, &QSpinBox::valueChanged, this, [this] { TakeQualifiersFromBox(); });
  connect(min_ip_, &QDoubleSpinBox::valueChanged, this, [this] { TakeQualifiersFromBox(); });
  connect(hide_empty_, &QCheckBox::toggled, this, [this] { TakeQualifiersFromBox(); });
  return qualifier_box;
}

// Edit Layout and Export with their menus, Print, Printer Setup and OK.
QLayout* StatsWindow::BuildButtons() {
  auto* edit_layout = new QPushButton("Edit &Layout");
  edit_layout->setObjectName("edit_layout");
  auto* layout_menu = new QMenu(edit_layout);
  const char* editors[] = {"Edit Batting Stats Layout ...", "Edit Running Stats Layout ...",
                           "Edit Fielding Stats Layout ...", "Edit Pitching Stats Layout ..."};
  for (int t = 0; t < kStatTableCount; ++t) {
    layout_menu->addAction(editors[t], this, [this, t] { EditLayout(static_cast<StatTable>(t)); });
  }
  edit_layout->setMenu(layout_menu);
  auto* print = new QPushButton("&Print");
  print->setObjectName("print");
  auto* setup = new QPushButton("Printer &Setup");
  setup->setObjectName("printer_setup");
  auto* export_button = new QPushButton("E&xport");
  export_button->setObjectName("export");
  auto* export_menu = new QMenu(export_button);
  export_menu->addAction("As &Comma-Separated Text ...", this,
                         [this] { Export(ExportForm::kCsv); });
  export_menu->addAction("As &HTML Page ...", this, [this] { Export(ExportForm::kHtml); });
  export_menu->addAction("&Added to an HTML Page Begun ...", this,
                         [this] { Export(ExportForm::kHtmlAppended); });
  export_button->setMenu(export_menu);
  auto* ok = new QPushButton("OK");
  ok->setObjectName("ok");
  ok->setDefault(true);
  auto* buttons = new QGridLayout;
  buttons->addWidget(edit_layout, 0, 0);
  buttons->addWidget(export_button, 0, 1);
  buttons->addWidget(print, 1, 0);
  buttons->addWidget(setup, 1, 1);
  buttons->addWidget(ok, 0, 2, 2, 1);
  connect(print, &QPushButton::clicked, this, &StatsWindow::Print);
  connect(setup, &QPushButton::clicked, this, [this] { RunPrinterSetupDialog(this); });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  return buttons;
}

void StatsWindow::Build() {
  setWindowTitle("Statistics");
  setSizeGripEnabled(true);

  counted_line_ = new QLabel;
  counted_line_->setObjectName("counted");
  counted_line_->setWordWrap(true);
  auto* change_games = new QPushButton("Change &Games...");
  change_games->setObjectName("change_games");
  change_games->setToolTip("Choose other games, team or filters and count them");
  hidden_line_ = new QLabel;
  hidden_line_->setObjectName("hidden");

  table_tabs_ = new QTabBar;
  table_tabs_->setObjectName("tables");
  for (const char* name : {"Batting", "Running", "Fielding", "Pitching"}) table_tabs_->addTab(name);
  table_tabs_->setExpanding(false);

  view_tabs_ = new QTabBar;
  view_tabs_->setObjectName("views");
  view_tabs_->setExpanding(false);
  ShowWhatIsCounted();
  BuildList();

  auto* bottom = new QHBoxLayout;
  bottom->addLayout(BuildSplitRadios());
  bottom->addSpacing(16);
  bottom->addLayout(BuildInningsBox());
  bottom->addSpacing(16);
  bottom->addWidget(BuildQualifierBox());
  bottom->addStretch(1);
  bottom->addLayout(BuildButtons());

  auto* top = new QHBoxLayout;
  top->addWidget(counted_line_, 1);
  top->addWidget(change_games);
  auto* outer = new QVBoxLayout(this);
  outer->setSpacing(2);
  outer->addLayout(top);
  outer->addSpacing(4);
  outer->addWidget(table_tabs_);
  outer->addWidget(view_tabs_);
  outer->addWidget(list_, 1);
  outer->addWidget(hidden_line_);
  outer->addSpacing(4);
  outer->addLayout(bottom);
  resize(900, 560);
  UpdateSplitRadios();

  connect(table_tabs_, &QTabBar::currentChanged, this,
          [this](int t) { ShowTable(static_cast<StatTable>(t)); });
  connect(view_tabs_, &QTabBar::currentChanged, this,
          [this](int v) { ShowView(static_cast<StatView>(v)); });
  connect(change_games, &QPushButton::clicked, this, &StatsWindow::ChangeGames);
}

bool StatsWindow::Open() {
  std::vector<GameRefusal> refusals;
  if (!Compute(batting_split_, pitching_split_, &refusals)) return false;
  if (!refusals.empty()) {
    const bool none_left = refusals.size() >= chosen_.games.size();
    ui_.ShowMessage(RefusedGamesText(refusals, none_left), "Load Error", MessageIcon::kExclamation);
    if (none_left) return false;
    // Left out for good: recounts and the printed trailer go without them.
    chosen_.games = WithoutRefused(chosen_.games, refusals);
  }
  ShowWhatIsCounted();
  Redraw();
  return true;
}

bool StatsWindow::Compute(Split batting_split, Split pitching_split,
                          std::vector<GameRefusal>* refusals) {
  const int total = static_cast<int>(chosen_.games.size());
  QProgressDialog progress("Counting the games ...", "Cancel", 0, std::max(total, 1), this);
  progress.setWindowTitle("Statistics");
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(400);
  counting_ = true;
  const struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{counting_};
  StatQuery query;
  query.progress = [&](int done, int) {
    if (progress_hook && !progress_hook(done, total)) return false;
    if (done % 8 == 0) progress.setValue(done);
    return !progress.wasCanceled();
  };
  query.chosen = chosen_;
  query.rules = rules_;
  query.batting_split = batting_split;
  query.pitching_split = pitching_split;
  // The team and its opponents are counted from one reading of the games.
  StatResult counted = RunStatQuery(query);
  if (counted.report.cancelled) return false;
  if (refusals) *refusals = counted.report.refusals;
  progress.setValue(std::max(total, 1));
  sizing_ = true;
  model_->Show(nullptr, table_, {});  // the rows change under it; Redraw shows them again
  sizing_ = false;
  counted_ = std::move(counted);
  SetInnings(innings_->currentIndex() + 1);
  return true;
}

Stat& StatsWindow::Shown() { return counted_.Of(view_); }

const Stat& StatsWindow::shown() const { return const_cast<StatsWindow*>(this)->Shown(); }

const Stat& StatsWindow::displayed() const {
  return qualifiers_ == Qualifiers{} ? shown() : displayed_;
}

void StatsWindow::Qualify() {
  if (qualifiers_ == Qualifiers{}) return;
  displayed_ = Shown();
  HideUnqualified(displayed_, table_, qualifiers_);
}

void StatsWindow::SetQualifiers(const Qualifiers& qualifiers) {
  {
    const QSignalBlocker a(min_pa_), b(min_ip_), c(hide_empty_);
    min_pa_->setValue(qualifiers.min_plate_appearances);
    min_ip_->setValue(qualifiers.min_innings_hundredths / 100.0);
    hide_empty_->setChecked(qualifiers.hide_empty);
  }
  TakeQualifiersFromBox();
}

void StatsWindow::TakeQualifiersFromBox() {
  Qualifiers q;
  q.min_plate_appearances = min_pa_->value();
  q.min_innings_hundredths = static_cast<int>(std::lround(min_ip_->value() * 100));
  q.hide_empty = hide_empty_->isChecked();
  if (q == qualifiers_) return;
  qualifiers_ = q;
  if (!counting_) Redraw();
}

Split StatsWindow::ShownSplit() const {
  return BattingSide(table_) ? batting_split_ : pitching_split_;
}

LayoutEntry* StatsWindow::EntryAt(int section) {
  const std::vector<LayoutEntry>& columns = model_->columns();
  if (section < 0 || section >= static_cast<int>(columns.size())) return nullptr;
  const int column = columns[static_cast<std::size_t>(section)].column;
  return &layouts_[At(model_->table())][static_cast<std::size_t>(column)];
}

void StatsWindow::KeepWidth(int section, int size) {
  if (LayoutEntry* entry = EntryAt(section)) entry->width = SetWidth(size);
}

void StatsWindow::UnsetWidth(int section) {
  LayoutEntry* entry = EntryAt(section);
  if (entry == nullptr) return;
  entry->width = kUnsetColumnWidth;
  sizing_ = true;
  list_->horizontalHeader()->resizeSection(section, list_->ContentWidth(section));
  sizing_ = false;
}

void StatsWindow::Redraw() {
  // Each table is shown in the order last asked for it.  (Batting and
  // running share their rows, so the order is set again on every showing.)
  const int column = sort_column_[At(table_)];
  const bool descending = !next_descending_[At(table_)][static_cast<std::size_t>(column)];
  SortTable(Shown(), table_, column, descending);
  Qualify();
  sizing_ = true;
  model_->Show(&displayed(), table_, layouts_[At(table_)]);
  QHeaderView* header = list_->horizontalHeader();
  const std::vector<LayoutEntry>& columns = model_->columns();
  int indicator = -1;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    header->resizeSection(static_cast<int>(i), WidthIsSet(columns[i])
                                                   ? columns[i].width
                                                   : list_->ContentWidth(static_cast<int>(i)));
    if (indicator < 0 && columns[i].column == column) indicator = static_cast<int>(i);
  }
  sizing_ = false;
  header->setSortIndicator(indicator, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
  // The players' names stay in view while the figures scroll sideways.
  list_->SetFirstColumnKept(!columns.empty() && columns.front().column == 0);
  UpdateSplitRadios();
  const int hidden = RowCount(Shown(), table_) - RowCount(displayed(), table_);
  hidden_line_->setText(hidden == 0 ? QString()
                                    : QString("%1 player%2 hidden by the qualifiers")
                                          .arg(hidden)
                                          .arg(hidden == 1 ? "" : "s"));
  hidden_line_->setVisible(hidden != 0);
}

void StatsWindow::ShowTable(StatTable table) {
  table_ = table;
  const QSignalBlocker block(table_tabs_);
  table_tabs_->setCurrentIndex(static_cast<int>(table));
  Redraw();
  // The column the table is sorted by comes into view, the rows staying.
  const int section = list_->horizontalHeader()->sortIndicatorSection();
  if (section >= 0 && model_->rowCount() > 0) {
    const int row = std::max(0, list_->rowAt(0));
    list_->doItemsLayout();  // the scroll range of the new columns
    static_cast<QTableView*>(list_)->scrollTo(model_->index(row, section),
                                              QAbstractItemView::EnsureVisible);
  }
}

void StatsWindow::SetFiltersText(const std::string& filters) {
  filters_text_ = filters;
  ShowWhatIsCounted();
}

void StatsWindow::ShowWhatIsCounted() {
  const std::string team_name = chosen_.all_teams ? std::string(kAllTeamsName) : chosen_.team;
  const QString team = print::FromCp1252(team_name);
  // The games counted are the team's (every game for all teams), as the
  // count that read them found them.
  const AccumulateReport& report = counted_.report;
  const int count = report.games_of_team;
  const std::optional<LocalDate>& first = report.first_day;
  const std::optional<LocalDate>& last = report.last_day;
  QString what = QString("%1, %2 game%3").arg(team).arg(count).arg(count == 1 ? "" : "s");
  if (first && last) {
    what += ", " + QString::fromStdString(CalendarDayText(*first));
    if (*last != *first) what += " to " + QString::fromStdString(CalendarDayText(*last));
  }
  setWindowTitle("Statistics: " + what);
  counted_line_->setText("<b>" + what.toHtmlEscaped() + "</b><br>" +
                         (filters_text_.empty()
                              ? QString("No filters")
                              : "Filters: " + print::FromCp1252(filters_text_).toHtmlEscaped()));

  // The view tabs are all of one size: 8 pixels a character of the longer
  // of the team's name and "Opponents".
  const QSignalBlocker block(view_tabs_);
  while (view_tabs_->count() > 0) view_tabs_->removeTab(0);
  view_tabs_->addTab(team);
  if (!chosen_.all_teams) {
    view_tabs_->addTab("Opponents");
    view_tabs_->addTab("Combined");
  }
  const int tab_width = 8 * static_cast<int>(std::max<qsizetype>(team.size(), 9)) + 16;
  view_tabs_->setStyleSheet(
      QString("QTabBar::tab { width: %1px; min-height: 22px; }").arg(tab_width));
  if (chosen_.all_teams) view_ = StatView::kTeam;
  view_tabs_->setCurrentIndex(static_cast<int>(view_));
}

void StatsWindow::ChangeGames() {
  if (!game_chooser || counting_) return;
  GameChoice next;
  std::string filters = filters_text_;
  if (!game_chooser(next, filters)) return;
  const GameChoice was = chosen_;
  const StatView was_view = view_;
  StatResult was_counted = counted_;
  chosen_ = std::move(next);
  if (chosen_.all_teams) view_ = StatView::kTeam;
  if (!Open()) {
    // Cancelled, or no game could be read: the games counted before stay.
    chosen_ = was;
    view_ = was_view;
    model_->Show(nullptr, table_, {});
    counted_ = std::move(was_counted);
    Redraw();
    return;
  }
  filters_text_ = filters;
  ShowWhatIsCounted();
  Redraw();
}

void StatsWindow::ShowView(StatView view) {
  if (chosen_.all_teams) view = StatView::kTeam;
  view_ = view;
  const QSignalBlocker block(view_tabs_);
  view_tabs_->setCurrentIndex(static_cast<int>(view));
  Redraw();
}

void StatsWindow::UpdateSplitRadios() {
  const bool batting = BattingSide(table_);
  const char* texts[2][3] = {{"Vs &RH Batters", "Vs &LH Batters", "Vs &All Batters"},
                             {"Vs &RH Pitchers", "Vs &LH Pitchers", "Vs &All Pitchers"}};
  for (std::size_t i = 0; i < 3; ++i) split_radios_[i]->setText(texts[batting ? 1 : 0][i]);
  const QSignalBlocker block(split_group_);
  split_radios_[static_cast<std::size_t>(ShownSplit())]->setChecked(true);
}

void StatsWindow::SetSplit(Split split) {
  const bool batting = BattingSide(table_);
  const Split b = batting ? split : batting_split_;
  const Split p = batting ? pitching_split_ : split;
  if (counting_ || (b == batting_split_ && p == pitching_split_)) {
    UpdateSplitRadios();
    return;
  }
  std::vector<GameRefusal> refusals;
  if (!Compute(b, p, &refusals)) {
    UpdateSplitRadios();  // the previous split stays
    return;
  }
  batting_split_ = b;
  pitching_split_ = p;
  Redraw();
  if (!refusals.empty()) {
    ui_.ShowMessage(RefusedGamesText(refusals, false), "Load Error", MessageIcon::kExclamation);
  }
}

void StatsWindow::SetInnings(int innings) {
  // Every side's earned run average follows the one selection, so that a
  // change of view never shows another scale.
  for (Stat* stat : {&counted_.team, &counted_.opponents, &counted_.combined}) {
    stat->innings_per_game = innings;
    ComputeEra(*stat);
  }
  displayed_.innings_per_game = innings;
  ComputeEra(displayed_);
  if (table_ == StatTable::kPitching) model_->Refresh();
}

void StatsWindow::SortBySection(int section) {
  const std::vector<LayoutEntry>& columns = model_->columns();
  if (section < 0 || section >= static_cast<int>(columns.size())) return;
  int column = columns[static_cast<std::size_t>(section)].column;
  if (IsRepeatedName(table_, column)) column = 0;  // the second Name sorts as the first
  std::vector<bool>& next = next_descending_[At(table_)];
  const bool descending = next[static_cast<std::size_t>(column)];
  SortTable(Shown(), table_, column, descending);
  Qualify();  // the same rows, in the new order
  next[static_cast<std::size_t>(column)] = !descending;
  sort_column_[At(table_)] = column;
  model_->Refresh();
  list_->horizontalHeader()->setSortIndicator(
      section, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void StatsWindow::EditLayout(StatTable table) {
  StatsLayoutEditor editor(table, layouts_[At(table)], this);
  if (editor.exec() != QDialog::Accepted) return;
  layouts_[At(table)] = editor.layout();
  if (table == table_) Redraw();
}

void StatsWindow::Print() {
  if (ui_.AskYesNo("Modify number of characters printed per page width ?", kScorewickCaption,
                   MessageIcon::kQuestion)) {
    if (const std::optional<std::string> text =
            ui_.AskText("Characters per width :", "Page Width Option", "125")) {
      int width = std::min(LeadingNumber(*text), kMaxPrintWidth);
      if (width < reports::kMinPageWidth) {
        ui_.ShowMessage(
            "Sorry, your selection was too low and would not print properly.  Resetting to the "
            "lowest setting, 50",
            kScorewickCaption, MessageIcon::kExclamation);
        width = reports::kMinPageWidth;
      }
      session_.stats_print_width = width;
    }
  }
  const bool landscape = ui_.AskYesNo("Would you like to print this report in landscape mode?",
                                      kScorewickCaption, MessageIcon::kQuestion);
  const int width = session_.stats_print_width > 0 ? session_.stats_print_width
                    : landscape                    ? reports::kLandscapePageWidth
                                                   : reports::kPortraitPageWidth;
  const auto sections =
      reports::StatsTextSections(displayed(), table_, layouts_[At(table_)], ShownSplit(), width);
  if (sections.empty()) return;
  print_runner(sections, reports::StatsPrintTitle(Shown().team_name, view_), chosen_.games, width,
               landscape);
}

void StatsWindow::Export(ExportForm form) {
  const bool html = form != ExportForm::kCsv;
  FileDialogRequest request;
  request.title = form == ExportForm::kCsv    ? "Export Statistics as Comma-Separated Text"
                  : form == ExportForm::kHtml ? "Export Statistics as an HTML Page"
                                              : "Add Statistics to an HTML Page";
  request.filter = html ? "HTML Page (*.htm)|*.htm;*.html|" : "Comma Separated Text (*.csv)|*.csv|";
  request.default_extension = html ? "htm" : "csv";
  if (form != ExportForm::kHtmlAppended) {
    request.initial_name = std::string(TableTitle(table_)) + (html ? ".htm" : ".csv");
  }
  const std::optional<FileChoice> choice =
      form == ExportForm::kHtmlAppended
          ? ChooseFileToOpen(session_, ui_, FileKind::kExport, request)
          : ChooseFileToSave(session_, ui_, FileKind::kExport, request);
  if (!choice) return;
  const SaveType& type = html ? kHtmlType : kCsvType;
  const std::string path = SettleSaveName(choice->path, type, ui_);
  // A page of another kind that the person lets go is written over, not added to.
  const bool appending =
      form == ExportForm::kHtmlAppended && ContentOfFile(path) == FileContent::kHtml;
  if (!MayReplace(path, type, {}, ui_)) return;
  const std::string text =
      html ? reports::StatsHtml(displayed(), table_, layouts_[At(table_)], view_, ShownSplit(),
                                HtmlStyleOf(session_.settings), Now(), appending)
           : reports::StatsCsv(displayed(), table_, layouts_[At(table_)]);
  if (const Status written = reports::WriteExportText(path, text, appending); !written.ok) {
    ShowSaveError(ui_, written.reason);
  }
}

void StatsWindow::OpenGameLogOf(int row) {
  const Stat& stat = displayed();  // the rows the model shows, qualifiers applied
  if (row < 0 || row >= RowCount(stat, table_) || IsTotalsRow(stat, table_, row)) return;
  const auto at = static_cast<std::size_t>(row);
  const auto [name, team] =
      table_ == StatTable::kPitching   ? std::pair(stat.pitching[at].name, stat.pitching[at].team)
      : table_ == StatTable::kFielding ? std::pair(stat.fielding[at].name, stat.fielding[at].team)
                                       : std::pair(stat.batting[at].name, stat.batting[at].team);
  if (game_log_opener) {
    game_log_opener(name, team);
    return;
  }
  OpenGameLog(chosen_.games, name, team, rules_, session_, ui_, this);
}

void StatsWindow::done(int result) {
  // A layout or the qualifiers that cannot be written are said, once for
  // all, and the window closes all the same.
  std::string failures;
  const auto note = [&](const Status& saved) {
    if (!saved) failures += (failures.empty() ? "" : "\n") + saved.reason;
  };
  for (int t = 0; t < kStatTableCount; ++t) {
    const auto table = static_cast<StatTable>(t);
    note(SaveLayout(session_.start_folder, table, layouts_[At(table)]));
  }
  note(SaveQualifiers(session_.start_folder, qualifiers_));
  if (!failures.empty()) ShowSaveError(ui_, failures);
  session_.settings.innings_per_game = innings_->currentIndex() + 1;
  QDialog::done(result);
}

}  // namespace scorewick::app

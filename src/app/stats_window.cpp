#include "app/stats_window.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <charconv>

#include "app/core/export_choice.h"
#include "app/core/html_style.h"
#include "app/core/refused_games.h"
#include "app/core/save_target.h"
#include "app/print_job.h"
#include "app/remembered_position.h"
#include "app/stat_table_model.h"
#include "app/stat_table_view.h"
#include "app/stats_layout_editor.h"
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

StatsWindow::StatsWindow(const Stat& chosen, Session& session, Ui& ui, QWidget* parent)
    : QDialog(parent), session_(session), ui_(ui), chosen_(chosen.rules) {
  chosen_.team_name = chosen.team_name;
  chosen_.all_teams = chosen.all_teams;
  for (const std::string& path : chosen.file_names()) chosen_.AddGame(path);
  for (int t = 0; t < kStatTableCount; ++t) {
    const auto table = static_cast<StatTable>(t);
    layouts_[At(table)] = LoadLayout(session_.start_folder, table);
    next_descending_[At(table)].assign(static_cast<std::size_t>(ColumnCount(table)), true);
  }
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
  RememberPosition(this, "stats_window");
}

StatsWindow::~StatsWindow() = default;

void StatsWindow::Build() {
  setWindowTitle("Statistics");
  setSizeGripEnabled(true);

  table_tabs_ = new QTabBar;
  table_tabs_->setObjectName("tables");
  for (const char* name : {"Batting", "Running", "Fielding", "Pitching"}) table_tabs_->addTab(name);
  table_tabs_->setExpanding(false);

  // The view tabs are all of one size: 8 pixels a character of the longer
  // of the team's name and "Opponents".
  view_tabs_ = new QTabBar;
  view_tabs_->setObjectName("views");
  const QString team =
      print::FromCp1252(chosen_.all_teams ? std::string(kAllTeamsName) : chosen_.team_name);
  view_tabs_->addTab(team);
  if (!chosen_.all_teams) {
    view_tabs_->addTab("Opponents");
    view_tabs_->addTab("Combined");
  }
  const int tab_width = 8 * static_cast<int>(std::max<qsizetype>(team.size(), 9)) + 16;
  view_tabs_->setStyleSheet(
      QString("QTabBar::tab { width: %1px; min-height: 22px; }").arg(tab_width));
  view_tabs_->setExpanding(false);

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

  split_group_ = new QButtonGroup(this);
  auto* radios = new QVBoxLayout;
  const char* names[] = {"split_right", "split_left", "split_all"};
  for (int i = 0; i < 3; ++i) {
    split_radios_[static_cast<std::size_t>(i)] = new QRadioButton;
    split_radios_[static_cast<std::size_t>(i)]->setObjectName(names[i]);
    split_group_->addButton(split_radios_[static_cast<std::size_t>(i)], i);
    radios->addWidget(split_radios_[static_cast<std::size_t>(i)]);
  }

  innings_ = new QComboBox;
  innings_->setObjectName("innings");
  for (int i = 1; i <= 9; ++i) innings_->addItem(QString::number(i));
  innings_->setCurrentIndex(std::clamp(session_.settings.innings_per_game, 1, 9) - 1);
  // The choice is the league's rule of League Options, not a filter of
  // the games: it scales the earned run average and is kept on closing.
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

  auto* bottom = new QHBoxLayout;
  bottom->addLayout(radios);
  bottom->addSpacing(16);
  bottom->addLayout(innings_box);
  bottom->addStretch(1);
  bottom->addLayout(buttons);

  auto* outer = new QVBoxLayout(this);
  outer->setSpacing(2);
  outer->addWidget(table_tabs_);
  outer->addWidget(view_tabs_);
  outer->addWidget(list_, 1);
  outer->addSpacing(4);
  outer->addLayout(bottom);
  resize(900, 560);
  UpdateSplitRadios();

  connect(table_tabs_, &QTabBar::currentChanged, this,
          [this](int t) { ShowTable(static_cast<StatTable>(t)); });
  connect(view_tabs_, &QTabBar::currentChanged, this,
          [this](int v) { ShowView(static_cast<StatView>(v)); });
  connect(split_group_, &QButtonGroup::idClicked, this,
          [this](int split) { SetSplit(static_cast<Split>(split)); });
  connect(innings_, &QComboBox::currentIndexChanged, this,
          [this](int index) { SetInnings(index + 1); });
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
  connect(print, &QPushButton::clicked, this, &StatsWindow::Print);
  connect(setup, &QPushButton::clicked, this, [this] { RunPrinterSetupDialog(this); });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

bool StatsWindow::Open() {
  std::vector<GameRefusal> refusals;
  if (!Compute(batting_split_, pitching_split_, &refusals)) return false;
  if (!refusals.empty()) {
    const bool none_left = static_cast<int>(refusals.size()) >= chosen_.game_count();
    ui_.ShowMessage(RefusedGamesText(refusals, none_left), "Load Error", MessageIcon::kExclamation);
    if (none_left) return false;
    // Left out for good: recounts and the printed trailer go without them.
    const std::vector<std::string> kept = WithoutRefused(chosen_.file_names(), refusals);
    chosen_.ClearGames();
    for (const std::string& path : kept) chosen_.AddGame(path);
  }
  Redraw();
  return true;
}

bool StatsWindow::Compute(Split batting_split, Split pitching_split,
                          std::vector<GameRefusal>* refusals) {
  const int total = chosen_.game_count();
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
  query.games = chosen_.file_names();
  query.team_name = chosen_.team_name;
  query.all_teams = chosen_.all_teams;
  query.rules = chosen_.rules;
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
  sizing_ = true;
  model_->Show(&Shown(), table_, layouts_[At(table_)]);
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
}

void StatsWindow::ShowTable(StatTable table) {
  table_ = table;
  const QSignalBlocker block(table_tabs_);
  table_tabs_->setCurrentIndex(static_cast<int>(table));
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
  if (table_ == StatTable::kPitching) model_->Refresh();
}

void StatsWindow::SortBySection(int section) {
  const std::vector<LayoutEntry>& columns = model_->columns();
  if (section < 0 || section >= static_cast<int>(columns.size())) return;
  int column = columns[static_cast<std::size_t>(section)].column;
  if (column == ColumnCount(table_) - 1) column = 0;  // the trailing Name sorts as the first
  std::vector<bool>& next = next_descending_[At(table_)];
  const bool descending = next[static_cast<std::size_t>(column)];
  SortTable(Shown(), table_, column, descending);
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
      reports::StatsTextSections(Shown(), table_, layouts_[At(table_)], ShownSplit(), width);
  if (sections.empty()) return;
  print_runner(sections, reports::StatsPrintTitle(Shown().team_name, view_), chosen_.file_names(),
               width, landscape);
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
      html ? reports::StatsHtml(Shown(), table_, layouts_[At(table_)], view_, ShownSplit(),
                                HtmlStyleOf(session_.settings), Now(), appending)
           : reports::StatsCsv(Shown(), table_, layouts_[At(table_)]);
  if (const Status written = reports::WriteExportText(path, text, appending); !written.ok) {
    ShowSaveError(ui_, written.reason);
  }
}

void StatsWindow::done(int result) {
  // A layout that cannot be written is said, once for all four, and the
  // window closes all the same.
  std::string failures;
  for (int t = 0; t < kStatTableCount; ++t) {
    const auto table = static_cast<StatTable>(t);
    if (const Status saved = SaveLayout(session_.start_folder, table, layouts_[At(table)]);
        !saved.ok) {
      failures += (failures.empty() ? "" : "\n") + saved.reason;
    }
  }
  if (!failures.empty()) ShowSaveError(ui_, failures);
  session_.settings.innings_per_game = innings_->currentIndex() + 1;
  QDialog::done(result);
}

}  // namespace scorewick::app

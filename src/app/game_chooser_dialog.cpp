#include "app/game_chooser_dialog.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <optional>

#include "app/core/refused_games.h"
#include "app/core/session.h"
#include "app/game_filter_panel.h"
#include "app/remembered_position.h"
#include "intake/game_feed.h"
#include "records/calendar_day.h"
#include "records/file_io.h"
#include "records/game_list_file.h"
#include "reports/print/cp1252_text.h"
#include "stats/accumulate.h"
#include "stats/game_line.h"
#include "stats/pitcher_workload.h"

namespace scorewick::app {
namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kFolderRole = Qt::UserRole + 1;
constexpr int kTeamRole = Qt::UserRole;  // a team entry's place in the selection's teams
// Adding up to this many games needs no progress dialog.
constexpr std::size_t kQuietAdd = 64;

bool IsGameFile(const std::filesystem::path& path) {
  std::string ext = path.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext == ".gam";
}

// The folder's game files, by name.
std::vector<std::string> GameFilesOf(const std::string& folder) {
  std::vector<std::string> files;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    if (entry.is_regular_file(ec) && IsGameFile(entry.path()))
      files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// "No games chosen", "1 game chosen", "2429 games chosen".
QString CountText(std::size_t count) {
  if (count == 0) return "No games chosen";
  return QString("%1 game%2 chosen").arg(count).arg(count == 1 ? "" : "s");
}

// "1 game", "12 games".
QString Games(std::size_t count) {
  return QString("%1 game%2").arg(count).arg(count == 1 ? "" : "s");
}

constexpr const char* kListFilter = "Game List (*.txt)|*.txt|All Files (*.*)|*.*|";

// The game's line (stats/game_line.h); the file's name when its headline
// cannot be read.
QString GameLine(const std::string& path, const std::optional<GameHeadline>& game) {
  if (!game) return QString::fromStdString(std::filesystem::path(path).filename().string());
  return print::FromCp1252(GameLineText(*game));
}

QDate ToQDate(const LocalDate& day) { return QDate(day.year, day.month, day.day); }

}  // namespace

GameChooserDialog::GameChooserDialog(ChooserVariant variant, const std::string& folder, Ui& ui,
                                     QWidget* parent)
    : QDialog(parent), variant_(variant), ui_(ui) {
  Build();
  EnterFolder(folder);
  RememberPosition(this, "game_chooser");
}

// The left column: the folder shown, its games and sub-folders, and the
// preview of the game highlighted.
QLayout* GameChooserDialog::BuildFolderColumn() {
  path_ = new QLabel;
  path_->setObjectName("path");
  path_->setWordWrap(true);
  folder_list_ = new QListWidget;
  folder_list_->setObjectName("folders");
  folder_list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  preview_ = new QLabel;
  preview_->setObjectName("preview");
  preview_->setAlignment(Qt::AlignCenter);
  preview_->setMinimumHeight(preview_->fontMetrics().lineSpacing() * 4 + 8);
  preview_->setFrameShape(QFrame::StyledPanel);
  preview_->setWordWrap(true);
  auto* left = new QVBoxLayout;
  left->addWidget(path_);
  left->addWidget(folder_list_, 1);
  left->addWidget(preview_);
  connect(folder_list_, &QListWidget::currentItemChanged, this,
          [this](QListWidgetItem* item) { HighlightChanged(item); });
  connect(folder_list_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { DoubleClicked(item); });
  return left;
}

// The middle column: Add, Remove, and Add All of the folder.
QLayout* GameChooserDialog::BuildMoveButtons() {
  auto* add = new QPushButton("&Add >>");
  add->setObjectName("add");
  auto* add_all = new QPushButton("Add All &Games of This Folder");
  add_all->setObjectName("add_all");
  auto* remove = new QPushButton("<< &Remove");
  remove->setObjectName("remove");
  auto* middle = new QVBoxLayout;
  middle->addStretch(1);
  middle->addWidget(add);
  middle->addWidget(remove);
  middle->addSpacing(12);
  middle->addWidget(add_all);
  middle->addStretch(1);
  connect(add, &QPushButton::clicked, this, &GameChooserDialog::AddHighlighted);
  connect(add_all, &QPushButton::clicked, this, &GameChooserDialog::AddAllOfFolder);
  connect(remove, &QPushButton::clicked, this, &GameChooserDialog::RemoveHighlighted);
  return middle;
}

// The list files: Open List and Save List in a row, and the last list
// opened (last_list_, laid out below them).
QLayout* GameChooserDialog::BuildListButtons() {
  auto* open_list = new QPushButton("&Open List...");
  open_list->setObjectName("open_list");
  auto* save_list = new QPushButton("&Save List...");
  save_list->setObjectName("save_list");
  last_list_ = new QPushButton;
  last_list_->setObjectName("last_list");
  last_list_->hide();
  auto* lists = new QHBoxLayout;
  lists->addWidget(open_list);
  lists->addWidget(save_list);
  lists->addStretch(1);
  connect(open_list, &QPushButton::clicked, this, &GameChooserDialog::OpenList);
  connect(save_list, &QPushButton::clicked, this, &GameChooserDialog::SaveList);
  connect(last_list_, &QPushButton::clicked, this, [this] {
    if (session_) OpenListFile(session_->folders.last_game_list());
  });
  return lists;
}

// The day a workload is looked at, shown by the variant that needs it.
QLayout* GameChooserDialog::BuildAsOfRow() {
  as_of_label_ = new QLabel("Workload &As of");
  as_of_ = new QDateEdit;
  as_of_->setObjectName("as_of");
  as_of_->setDisplayFormat("yyyy-MM-dd");
  as_of_->setCalendarPopup(true);
  as_of_->setToolTip(
      "The day the pitchers' rest and availability are looked at: the day after the last "
      "chosen game when that is past, else today, until you change it");
  as_of_label_->setBuddy(as_of_);
  as_of_label_->hide();
  as_of_->hide();
  auto* as_of_row = new QHBoxLayout;
  as_of_row->addWidget(as_of_label_);
  as_of_row->addWidget(as_of_, 1);
  connect(as_of_, &QDateEdit::userDateChanged, this, [this] { as_of_typed_ = true; });
  return as_of_row;
}

// The right column: the games chosen, their count, the list files, the
// team to analyse and the workload's day.
QLayout* GameChooserDialog::BuildChosenColumn() {
  chosen_ = new QListWidget;
  chosen_->setObjectName("chosen");
  chosen_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  chosen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  chosen_->setUniformItemSizes(true);  // a season's thousands of paths list at once
  count_ = new QLabel;
  count_->setObjectName("count");
  team_label_ = new QLabel("Team To Analyze");
  team_label_->setObjectName("team_label");
  team_box_ = new QComboBox;
  team_box_->setObjectName("team");
  team_box_->setPlaceholderText("(choose a team)");
  auto* right = new QVBoxLayout;
  right->addWidget(new QLabel("Games To Analyze"));
  right->addWidget(chosen_, 1);
  right->addWidget(count_);
  right->addLayout(BuildListButtons());
  right->addWidget(last_list_);
  right->addWidget(team_label_);
  right->addWidget(team_box_);
  right->addLayout(BuildAsOfRow());
  return right;
}

void GameChooserDialog::Build() {
  setWindowTitle(kChooserTitle);
  auto* columns = new QHBoxLayout;
  columns->addLayout(BuildFolderColumn(), 2);
  columns->addLayout(BuildMoveButtons());
  columns->addLayout(BuildChosenColumn(), 3);
  filters_ = new GameFilterPanel;
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(columns, 1);
  outer->addWidget(filters_);
  outer->addWidget(buttons);
  resize(780, 600);

  // The plot variants count no team: the chosen list takes the team box's room.
  if (variant_ != ChooserVariant::kStatistics) {
    team_label_->hide();
    team_label_->setEnabled(false);
    team_box_->hide();
    team_box_->setEnabled(false);
  }
  RefreshChosen();

  connect(filters_, &GameFilterPanel::Changed, this, &GameChooserDialog::RefreshFilter);
  // A team chosen to analyse is the filters' team too, until one is chosen
  // there; the count follows it.
  connect(team_box_, &QComboBox::currentIndexChanged, this, [this] {
    const std::string team = AnalysedTeam();
    if (!team.empty()) filters_->OfferTeam(team);
    RefreshFilter();
  });
  connect(buttons, &QDialogButtonBox::accepted, this, &GameChooserDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &GameChooserDialog::reject);
}

void GameChooserDialog::EnterFolder(const std::string& folder) {
  std::error_code ec;
  std::filesystem::path canonical = std::filesystem::weakly_canonical(folder, ec);
  folder_ = ec ? folder : canonical.string();
  const std::string pattern = (folder_.ends_with('/') ? folder_ : folder_ + "/") + "*.gam";
  path_->setText(QString::fromStdString(pattern));

  folder_list_->clear();
  std::vector<std::string> folders;
  for (const auto& entry : std::filesystem::directory_iterator(folder_, ec)) {
    std::error_code entry_ec;
    if (entry.is_directory(entry_ec)) folders.push_back(entry.path().filename().string());
  }
  std::sort(folders.begin(), folders.end());
  const std::filesystem::path here(folder_);
  if (here.has_parent_path() && here.parent_path() != here) folders.insert(folders.begin(), "..");
  for (const std::string& name : folders) {
    auto* item = new QListWidgetItem("[" + QString::fromStdString(name) + "]", folder_list_);
    item->setData(kPathRole, QString::fromStdString(name == ".." ? here.parent_path().string()
                                                                 : (here / name).string()));
    item->setData(kFolderRole, true);
  }
  // The games by their line, the file's name in the tooltip.
  for (const std::string& file : GameFilesOf(folder_)) {
    auto* item = new QListWidgetItem(GameLine(file, Headline(file)), folder_list_);
    item->setToolTip(QString::fromStdString(std::filesystem::path(file).filename().string()));
    item->setData(kPathRole, QString::fromStdString(file));
    item->setData(kFolderRole, false);
  }
}

const std::optional<GameHeadline>& GameChooserDialog::Headline(const std::string& path) {
  auto [at, fresh] = headlines_.try_emplace(path);
  if (GameHeadline read; fresh && ReadGameHeadline(path, read)) at->second = std::move(read);
  return at->second;
}

void GameChooserDialog::HighlightChanged(QListWidgetItem* item) {
  if (item == nullptr || item->data(kFolderRole).toBool()) return;
  const std::optional<std::string> preview =
      GamePreview(item->data(kPathRole).toString().toStdString());
  if (preview) preview_->setText(print::FromCp1252(*preview));
}

void GameChooserDialog::DoubleClicked(QListWidgetItem* item) {
  if (item == nullptr) return;
  const std::string path = item->data(kPathRole).toString().toStdString();
  if (item->data(kFolderRole).toBool()) {
    EnterFolder(path);
    preview_->setText(path_->text());  // the new folder's pattern, until a game is highlighted
  } else {
    AddFiles({path});
  }
}

void GameChooserDialog::AddHighlighted() {
  std::vector<std::string> paths;
  for (int i = 0; i < folder_list_->count(); ++i) {
    QListWidgetItem* item = folder_list_->item(i);
    if (item->isSelected() && !item->data(kFolderRole).toBool()) {
      paths.push_back(item->data(kPathRole).toString().toStdString());
    }
  }
  AddFiles(paths);
}

void GameChooserDialog::AddAllOfFolder() { AddFiles(GameFilesOf(folder_)); }

void GameChooserDialog::AddFiles(const std::vector<std::string>& paths,
                                 std::vector<std::string>* unread) {
  // Each game's header is read for its teams: a season on a slow disk
  // takes a moment, so the progress shows after a short wait.
  std::optional<QProgressDialog> progress;
  if (paths.size() > kQuietAdd) {
    progress.emplace("Reading the games ...", "Cancel", 0, static_cast<int>(paths.size()), this);
    progress->setWindowTitle(kChooserTitle);
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(400);
  }
  std::vector<std::string> prior;  // the paths refused for their format
  for (std::size_t i = 0; i < paths.size(); ++i) {
    if (progress && i % kQuietAdd == 0) {
      progress->setValue(static_cast<int>(i));
      if (progress->wasCanceled()) break;
    }
    const GameSelection::AddResult added = selection_.Add(paths[i]);
    if (added == GameSelection::AddResult::kPriorFormat) prior.push_back(paths[i]);
    if (added == GameSelection::AddResult::kUnreadable && unread) unread->push_back(paths[i]);
  }
  if (progress) progress->setValue(static_cast<int>(paths.size()));
  if (!prior.empty())
    ui_.ShowMessage(PriorFormatMessage(ListedLines(prior)), kPriorFormatCaption,
                    MessageIcon::kExclamation);
  RefreshChosen();
}

void GameChooserDialog::RemoveHighlighted() {
  // From the end, so that the indexes of the rows still to go stay valid.
  for (int i = chosen_->count() - 1; i >= 0; --i) {
    if (chosen_->item(i)->isSelected()) selection_.Remove(i);
  }
  RefreshChosen();
}

void GameChooserDialog::RefreshChosen() {
  const std::vector<std::optional<GameHeadline>> headlines = ChosenHeadlines();
  chosen_->setUpdatesEnabled(false);
  chosen_->clear();
  for (std::size_t i = 0; i < headlines.size(); ++i) {
    const std::string& path = selection_.games()[i];
    auto* item = new QListWidgetItem(GameLine(path, headlines[i]), chosen_);
    item->setToolTip(QString::fromStdString(path));
  }
  chosen_->setUpdatesEnabled(true);
  count_->setText(CountText(selection_.games().size()));

  // The team entry chosen stays chosen while a game names it.  Entry 0 is
  // "All Teams"; a team of that name is another entry.  The teams follow
  // A to Z; each entry keeps its place in the selection's list.
  const QSignalBlocker quiet(team_box_);
  const int was = team_box_->currentIndex();
  const QString was_text = team_box_->currentText();
  team_box_->clear();
  const std::vector<std::string>& teams = selection_.teams();
  std::vector<std::size_t> order(teams.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  if (order.size() > 1)
    std::sort(order.begin() + 1, order.end(),
              [&](std::size_t a, std::size_t b) { return teams[a] < teams[b]; });
  for (const std::size_t i : order)
    team_box_->addItem(print::FromCp1252(teams[i]), static_cast<int>(i));
  int now = -1;
  if (was == 0) {
    now = 0;
  } else if (was > 0) {
    for (int i = 1; i < team_box_->count(); ++i) {
      if (team_box_->itemText(i) == was_text) now = i;
    }
  }
  team_box_->setCurrentIndex(now);

  // The filters look at the teams the games hold, as the count does.
  filters_->SetTeams(TeamsOfGames(headlines));
  RefreshFilter();
}

std::string GameChooserDialog::AnalysedTeam() const {
  if (variant_ != ChooserVariant::kStatistics || team_box_->currentIndex() <= 0) return {};
  const auto at = static_cast<std::size_t>(team_box_->currentData(kTeamRole).toInt());
  return at < selection_.teams().size() ? selection_.teams()[at] : std::string();
}

std::string GameChooserDialog::CountedTeam() {
  const std::string team = AnalysedTeam();
  if (team.empty()) return team;
  // The team box lists the names of the games' lists; a game whose teams
  // are named otherwise is no reason to leave every game out.
  const std::vector<std::string> named = TeamsOfGames(ChosenHeadlines());
  return std::find(named.begin(), named.end(), team) != named.end() ? team : std::string();
}

std::optional<GameFilter> GameChooserDialog::EffectiveFilter(std::string* error) {
  std::optional<GameFilter> filter = filters_->Filter(error);
  if (filter && filter->team.empty()) filter->team = CountedTeam();
  return filter;
}

std::vector<std::optional<GameHeadline>> GameChooserDialog::ChosenHeadlines() {
  // The games not yet met are read together, on the feed's threads.
  std::vector<std::string> unread;
  for (const std::string& path : selection_.games()) {
    if (!headlines_.contains(path)) unread.push_back(path);
  }
  std::vector<std::optional<GameHeadline>> read = FeedHeadlines(unread);
  for (std::size_t i = 0; i < unread.size(); ++i) headlines_[unread[i]] = std::move(read[i]);
  std::vector<std::optional<GameHeadline>> headlines;
  headlines.reserve(selection_.games().size());
  for (const std::string& path : selection_.games()) headlines.push_back(Headline(path));
  return headlines;
}

std::optional<std::vector<std::string>> GameChooserDialog::FilteredGames(std::string* error) {
  const std::optional<GameFilter> filter = EffectiveFilter(error);
  if (!filter) return std::nullopt;
  if (!filter->Active()) return selection_.games();
  const std::vector<std::optional<GameHeadline>> headlines = ChosenHeadlines();
  const scorewick::FilteredGames left = FilterGames(headlines, *filter);
  // The filters may choose another team's games (the opponent's last ten):
  // of those, only the games of the team analysed count.
  const std::string team = CountedTeam();
  std::vector<std::string> games;
  games.reserve(left.kept.size());
  for (const std::size_t i : left.kept) {
    const std::optional<GameHeadline>& game = headlines[i];
    if (game && !team.empty() && game->home != team && game->visitor != team) continue;
    games.push_back(selection_.games()[i]);
  }
  return games;
}

void GameChooserDialog::RefreshFilter() {
  std::string error;
  const std::optional<std::vector<std::string>> left = FilteredGames(&error);
  const std::size_t chosen = selection_.games().size();
  if (!left) {
    filters_->ShowLeft(QString::fromStdString(error), true);
  } else if (left->size() == chosen) {
    filters_->ShowLeft(
        chosen == 0 ? QString("No games to filter") : "The filters leave all " + Games(chosen),
        false);
  } else if (left->empty()) {
    filters_->ShowLeft("The filters leave none of the " + Games(chosen), true);
  } else {
    const std::optional<GameFilter> filter = EffectiveFilter(&error);
    filters_->ShowLeft(QString("The filters leave %1 of the %2: %3")
                           .arg(left->size())
                           .arg(Games(chosen))
                           .arg(print::FromCp1252(DescribeFilter(*filter))),
                       false);
  }
  if (left) FollowAsOf(*left);
}

void GameChooserDialog::FollowAsOf(const std::vector<std::string>& left) {
  if (as_of_->isHidden() || as_of_typed_) return;
  std::optional<LocalDate> last;
  for (const std::string& path : left) {
    const auto at = headlines_.find(path);
    if (at == headlines_.end() || !at->second) continue;
    const LocalDate day{at->second->year, at->second->month, at->second->day};
    if (!last || day > *last) last = day;
  }
  const QSignalBlocker quiet(as_of_);
  as_of_->setDate(ToQDate(DefaultAsOf(last, Today())));
}

void GameChooserDialog::AskAsOf() {
  as_of_label_->show();
  as_of_->show();
  RefreshFilter();
}

LocalDate GameChooserDialog::as_of() const {
  const QDate day = as_of_->date();
  return {day.year(), day.month(), day.day()};
}

GameChoice GameChooserDialog::Choice() const {
  GameChoice choice;
  choice.games = selection_.games();
  choice.all_teams = variant_ == ChooserVariant::kStatistics && team_box_->currentIndex() == 0;
  choice.team = AnalysedTeam();
  std::string error;
  if (const std::optional<GameFilter> filter = filters_->Filter(&error)) choice.filter = *filter;
  return choice;
}

void GameChooserDialog::Restore(const GameChoice& choice, std::vector<std::string>* missing,
                                std::vector<std::string>* unread) {
  std::vector<std::string> found;
  for (const std::string& game : choice.games) {
    // "lists/../season/g.gam" shows as "season/g.gam".
    std::string path = std::filesystem::path(game).lexically_normal().string();
    if (FileExists(path)) {
      found.push_back(std::move(path));
    } else if (missing) {
      missing->push_back(std::move(path));
    }
  }
  while (!selection_.games().empty())
    selection_.Remove(static_cast<int>(selection_.games().size()) - 1);
  AddFiles(found, unread);  // refreshes the chosen games
  if (variant_ == ChooserVariant::kStatistics) {
    int at = choice.all_teams ? 0 : -1;
    for (int i = 1; i < team_box_->count() && !choice.team.empty(); ++i) {
      const auto team = static_cast<std::size_t>(team_box_->itemData(i, kTeamRole).toInt());
      if (selection_.teams().at(team) == choice.team) at = i;
    }
    const QSignalBlocker quiet(team_box_);
    team_box_->setCurrentIndex(at);
  }
  filters_->SetFilter(choice.filter);  // refreshes the filter line
}

void GameChooserDialog::UseSession(Session& session) {
  const bool first = session_ == nullptr;
  session_ = &session;
  if (first && session.last_choice && selection_.games().empty()) Restore(*session.last_choice);
  const std::string& last = session.folders.last_game_list();
  if (!last.empty() && FileExists(last)) {
    last_list_->setText("Open &Last List: " +
                        QString::fromStdString(std::filesystem::path(last).filename().string()));
    last_list_->setToolTip(QString::fromStdString(last));
    last_list_->show();
  }
}

std::string GameChooserDialog::ListFolder() const {
  return session_ ? session_->folders.For(FileKind::kGame, folder_) : folder_;
}

void GameChooserDialog::RememberList(const std::string& list) {
  if (!session_) return;
  session_->folders.RememberGameList(list);
  session_->folders.Remember(FileKind::kGame, list);
  UseSession(*session_);
}

bool GameChooserDialog::SaveList() {
  if (selection_.games().empty()) {
    ui_.ShowMessage("Choose the games first: there are none to keep in a list.", kGameListCaption,
                    MessageIcon::kInformation);
    return false;
  }
  FileDialogRequest request{"Save Game List", kListFilter, "txt", ListFolder(), "games.txt"};
  const std::optional<FileChoice> choice = ui_.ChooseSaveFile(request);
  if (!choice || choice->path.empty()) return false;
  const GameChoice kept = Choice();
  if (const Status saved = WriteGameChoice(choice->path, kept); !saved) {
    ui_.ShowMessage("The list of games could not be saved.\n\n" + saved.reason, kGameListCaption,
                    MessageIcon::kExclamation);
    return false;
  }
  RememberList(choice->path);
  std::string said = "The list of " + Games(kept.games.size()).toStdString() + " was saved as " +
                     choice->path + ".";
  if (kept.all_teams) said += "\n\nTeam: All Teams";
  if (!kept.team.empty()) said += "\n\nTeam: " + print::FromCp1252(kept.team).toStdString();
  if (const std::string filter = DescribeFilter(kept.filter); !filter.empty())
    said += "\n\nFilters: " + print::FromCp1252(filter).toStdString();
  ui_.ShowMessage(said, kGameListCaption, MessageIcon::kInformation);
  return true;
}

void GameChooserDialog::OpenList() {
  FileDialogRequest request{"Open Game List", kListFilter, "txt", ListFolder(), ""};
  const std::optional<FileChoice> choice = ui_.ChooseOpenFile(request);
  if (choice && !choice->path.empty()) OpenListFile(choice->path);
}

bool GameChooserDialog::OpenListFile(const std::string& path) {
  GameChoice listed;
  if (const Status read = ReadGameChoice(path, listed); !read) {
    ui_.ShowMessage("The list of games could not be opened.\n\n" + read.reason, kGameListCaption,
                    MessageIcon::kExclamation);
    return false;
  }
  std::vector<std::string> missing, unread;
  Restore(listed, &missing, &unread);
  RememberList(path);
  std::string left_out;
  if (!missing.empty())
    left_out += "These games of the list are missing:\n\n" + ListedLines(missing) + "\n\n";
  if (!unread.empty())
    left_out += "These files of the list are no games or cannot be read:\n\n" +
                ListedLines(unread) + "\n\n";
  if (!left_out.empty()) {
    ui_.ShowMessage(left_out + "They were left out; the list's other games are chosen.",
                    kGameListCaption, MessageIcon::kExclamation);
  }
  return true;
}

void GameChooserDialog::accept() {
  std::string error;
  const std::optional<std::vector<std::string>> left = FilteredGames(&error);
  if (!left) {
    ui_.ShowMessage(error, "Filters", MessageIcon::kExclamation);
    return;
  }
  if (left->empty() && !selection_.games().empty()) {
    ui_.ShowMessage("The filters leave none of the chosen games.", "Filters",
                    MessageIcon::kExclamation);
    return;
  }
  // The plots ask for games only: entry 0 ("All Teams") is always there,
  // so the only refusal left to them is the one for no game.
  const int team = variant_ != ChooserVariant::kStatistics ? 0
                   : team_box_->currentIndex() < 0         ? -1
                                                   : team_box_->currentData(kTeamRole).toInt();
  GameChoice finished;
  UserMessage message;
  if (selection_.Finish(team, finished, &message) != GameSelection::FinishResult::kOk) {
    ui_.ShowMessage(message.text, message.caption, message.icon);
    return;
  }
  finished.games = *left;
  if (variant_ != ChooserVariant::kStatistics) finished = GameChoice{.games = *left};
  chosen_games_ = std::move(finished);
  if (session_) session_->last_choice = Choice();
  QDialog::accept();
}

}  // namespace scorewick::app

#include "app/game_chooser_dialog.h"

#include <QComboBox>
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
#include "records/file_io.h"
#include "records/game_list_file.h"
#include "reports/print/cp1252_text.h"
#include "stats/accumulate.h"

namespace scorewick::app {
namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kFolderRole = Qt::UserRole + 1;
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

}  // namespace

GameChooserDialog::GameChooserDialog(Stat& stat, const std::string& folder, Ui& ui, QWidget* parent)
    : GameChooserDialog(ChooserVariant::kStatistics, &stat, stat, folder, ui, parent) {}

GameChooserDialog::GameChooserDialog(ChooserVariant variant, BaseStatGameStruct& games,
                                     const std::string& folder, Ui& ui, QWidget* parent)
    : GameChooserDialog(variant, nullptr, games, folder, ui, parent) {}

GameChooserDialog::GameChooserDialog(ChooserVariant variant, Stat* stat, BaseStatGameStruct& games,
                                     const std::string& folder, Ui& ui, QWidget* parent)
    : QDialog(parent), variant_(variant), stat_(stat), games_(games), ui_(ui) {
  Build();
  EnterFolder(folder);
  RememberPosition(this, "game_chooser");
}

void GameChooserDialog::Build() {
  setWindowTitle(kChooserTitle);
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

  auto* add = new QPushButton("&Add >>");
  add->setObjectName("add");
  auto* add_all = new QPushButton("Add All &Games of This Folder");
  add_all->setObjectName("add_all");
  auto* remove = new QPushButton("<< &Remove");
  remove->setObjectName("remove");
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  auto* open_list = new QPushButton("&Open List...");
  open_list->setObjectName("open_list");
  auto* save_list = new QPushButton("&Save List...");
  save_list->setObjectName("save_list");
  last_list_ = new QPushButton;
  last_list_->setObjectName("last_list");
  last_list_->hide();
  filters_ = new GameFilterPanel;

  auto* left = new QVBoxLayout;
  left->addWidget(path_);
  left->addWidget(folder_list_, 1);
  left->addWidget(preview_);
  auto* middle = new QVBoxLayout;
  middle->addStretch(1);
  middle->addWidget(add);
  middle->addWidget(remove);
  middle->addSpacing(12);
  middle->addWidget(add_all);
  middle->addStretch(1);
  auto* right = new QVBoxLayout;
  right->addWidget(new QLabel("Games To Analyze"));
  right->addWidget(chosen_, 1);
  right->addWidget(count_);
  auto* lists = new QHBoxLayout;
  lists->addWidget(open_list);
  lists->addWidget(save_list);
  lists->addStretch(1);
  right->addLayout(lists);
  right->addWidget(last_list_);
  right->addWidget(team_label_);
  right->addWidget(team_box_);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 2);
  columns->addLayout(middle);
  columns->addLayout(right, 3);
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

  connect(folder_list_, &QListWidget::currentItemChanged, this,
          [this](QListWidgetItem* item) { HighlightChanged(item); });
  connect(folder_list_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { DoubleClicked(item); });
  connect(add, &QPushButton::clicked, this, &GameChooserDialog::AddHighlighted);
  connect(add_all, &QPushButton::clicked, this, &GameChooserDialog::AddAllOfFolder);
  connect(remove, &QPushButton::clicked, this, &GameChooserDialog::RemoveHighlighted);
  connect(open_list, &QPushButton::clicked, this, &GameChooserDialog::OpenList);
  connect(save_list, &QPushButton::clicked, this, &GameChooserDialog::SaveList);
  connect(last_list_, &QPushButton::clicked, this, [this] {
    if (session_) OpenListFile(session_->folders.last_game_list());
  });
  connect(filters_, &GameFilterPanel::Changed, this, &GameChooserDialog::RefreshFilter);
  // A team chosen to analyse is the filters' team too, until one is chosen there.
  connect(team_box_, &QComboBox::currentIndexChanged, this, [this](int index) {
    const auto at = static_cast<std::size_t>(index);
    if (index > 0 && at < selection_.teams().size()) filters_->OfferTeam(selection_.teams()[at]);
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
  for (const std::string& file : GameFilesOf(folder_)) {
    auto* item = new QListWidgetItem(
        QString::fromStdString(std::filesystem::path(file).filename().string()), folder_list_);
    item->setData(kPathRole, QString::fromStdString(file));
    item->setData(kFolderRole, false);
  }
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
  chosen_->clear();
  QStringList paths;
  paths.reserve(static_cast<qsizetype>(selection_.games().size()));
  for (const std::string& path : selection_.games()) paths << QString::fromStdString(path);
  chosen_->addItems(paths);
  count_->setText(CountText(selection_.games().size()));

  // The team entry chosen stays chosen while a game names it.  Entry 0 is
  // "All Teams"; a team of that name is another entry.
  const int was = team_box_->currentIndex();
  const QString was_text = team_box_->currentText();
  team_box_->clear();
  for (const std::string& team : selection_.teams()) team_box_->addItem(print::FromCp1252(team));
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
  filters_->SetTeams(TeamsOfGames(ChosenHeadlines()));
  RefreshFilter();
}

std::vector<std::optional<GameHeadline>> GameChooserDialog::ChosenHeadlines() {
  std::vector<std::optional<GameHeadline>> headlines;
  headlines.reserve(selection_.games().size());
  for (const std::string& path : selection_.games()) {
    auto [at, fresh] = headlines_.try_emplace(path);
    if (fresh) at->second = ReadGameHeadline(path);
    headlines.push_back(at->second);
  }
  return headlines;
}

std::optional<std::vector<std::string>> GameChooserDialog::FilteredGames(std::string* error) {
  const std::optional<GameFilter> filter = filters_->Filter(error);
  if (!filter) return std::nullopt;
  if (!filter->Active()) return selection_.games();
  const scorewick::FilteredGames left = FilterGames(ChosenHeadlines(), *filter);
  std::vector<std::string> games;
  games.reserve(left.kept.size());
  for (const std::size_t i : left.kept) games.push_back(selection_.games()[i]);
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
    filters_->ShowLeft(
        QString("The filters leave %1 of the %2").arg(left->size()).arg(Games(chosen)), false);
  }
}

void GameChooserDialog::UseSession(Session& session) {
  session_ = &session;
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
  if (const Status saved = WriteGameList(choice->path, selection_.games()); !saved) {
    ui_.ShowMessage("The list of games could not be saved.\n\n" + saved.reason, kGameListCaption,
                    MessageIcon::kExclamation);
    return false;
  }
  RememberList(choice->path);
  return true;
}

void GameChooserDialog::OpenList() {
  FileDialogRequest request{"Open Game List", kListFilter, "txt", ListFolder(), ""};
  const std::optional<FileChoice> choice = ui_.ChooseOpenFile(request);
  if (choice && !choice->path.empty()) OpenListFile(choice->path);
}

bool GameChooserDialog::OpenListFile(const std::string& path) {
  std::vector<std::string> listed;
  if (const Status read = ReadGameList(path, listed); !read) {
    ui_.ShowMessage("The list of games could not be opened.\n\n" + read.reason, kGameListCaption,
                    MessageIcon::kExclamation);
    return false;
  }
  std::vector<std::string> found, missing;
  for (const std::string& game : listed) {
    // "lists/../season/g.gam" shows as "season/g.gam".
    std::string path = std::filesystem::path(game).lexically_normal().string();
    (FileExists(path) ? found : missing).push_back(std::move(path));
  }
  while (!selection_.games().empty())
    selection_.Remove(static_cast<int>(selection_.games().size()) - 1);
  std::vector<std::string> unread;
  AddFiles(found, &unread);  // refreshes the chosen games
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
  UserMessage message;
  if (variant_ == ChooserVariant::kStatistics) {
    if (selection_.Finish(team_box_->currentIndex(), *stat_, &message) !=
        GameSelection::FinishResult::kOk) {
      ui_.ShowMessage(message.text, message.caption, message.icon);
      return;
    }
    stat_->ClearGames();
    for (const std::string& path : *left) stat_->AddGame(path);
  } else {
    // The plots ask for games only: entry 0 ("All Teams") is always there,
    // so the only refusal left is the one for no game.
    Stat scratch;
    if (selection_.Finish(0, scratch, &message) != GameSelection::FinishResult::kOk) {
      ui_.ShowMessage(message.text, message.caption, message.icon);
      return;
    }
    games_.ClearGames();
    for (const std::string& path : *left) games_.AddGame(path);
  }
  QDialog::accept();
}

}  // namespace scorewick::app

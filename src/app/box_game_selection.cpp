#include "app/box_game_selection.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "app/remembered_position.h"
#include "intake/game_headline.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "reports/print/cp1252_text.h"
#include "stats/game_line.h"

namespace scorewick::app {
namespace {

namespace fs = std::filesystem;

// Folders are listed in brackets, as "[..]" and "[name]"; games by their
// line, with the file's name kept.
constexpr int kFolderRole = Qt::UserRole + 1;
constexpr int kFileRole = Qt::UserRole + 2;
constexpr std::uint32_t kCurrentGameVersion = 768;

QString Native(const std::string& text) { return QString::fromStdString(text); }

// "/a/b/../c/" as "/a/c".
std::string Normal(const fs::path& folder) {
  std::string text = folder.lexically_normal().string();
  if (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

}  // namespace

std::string IncompatibleGameText(const std::string& file_name) {
  return file_name + "\n\nCannot use Game until Converted to 3.0 Format\n(See Help File)";
}

BoxGameSelection::BoxGameSelection(const std::string& folder, Ui& ui, QWidget* parent)
    : QDialog(parent), ui_(ui) {
  setWindowTitle("Select Game");
  folder_label_ = new QLabel(this);
  folder_label_->setObjectName("folder");
  list_ = new QListWidget(this);
  list_->setObjectName("games");
  list_->setMinimumSize(220, 260);
  preview_ = new QLabel(this);
  preview_->setObjectName("preview");
  preview_->setAlignment(Qt::AlignCenter);
  preview_->setMinimumWidth(200);
  preview_->setFrameShape(QFrame::StyledPanel);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &BoxGameSelection::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_, &QListWidget::currentRowChanged, this, [this] { ShowPreview(); });
  connect(list_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { Activated(item); });

  auto* row = new QHBoxLayout;
  row->addWidget(list_, 1);
  row->addWidget(preview_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(folder_label_);
  layout->addLayout(row);
  layout->addWidget(buttons);
  RememberPosition(this, "BoxGameSelection");

  std::error_code ec;
  fs::path start = fs::absolute(folder.empty() ? fs::current_path(ec) : fs::path(folder), ec);
  folder_ = Normal(start);
  Fill();
}

bool BoxGameSelection::EnterFolder(const std::string& name) {
  std::error_code ec;
  const std::string next = Normal(fs::path(folder_) / name);
  fs::directory_iterator probe(next, ec);
  if (ec) return false;  // the previous folder stays
  folder_ = next;
  Fill();
  return true;
}

void BoxGameSelection::Fill() {
  folder_label_->setText(Native(folder_));
  list_->clear();
  std::vector<std::string> folders;
  std::vector<std::string> games;
  std::error_code ec;
  for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    std::error_code kind;
    if (it->is_directory(kind)) {
      folders.push_back(name);
    } else if (it->path().extension() == ".gam") {
      games.push_back(name);
    }
  }
  std::sort(folders.begin(), folders.end());
  std::sort(games.begin(), games.end());
  if (fs::path(folder_).has_relative_path()) folders.insert(folders.begin(), "..");
  for (const std::string& name : games) {
    GameHeadline game;
    const bool read = ReadGameHeadline((fs::path(folder_) / name).string(), game).ok;
    auto* item =
        new QListWidgetItem(read ? print::FromCp1252(GameLineText(game)) : Native(name), list_);
    item->setData(kFileRole, Native(name));
    item->setToolTip(Native(name));
  }
  for (const std::string& name : folders) {
    auto* item = new QListWidgetItem("[" + Native(name) + "]", list_);
    item->setData(kFolderRole, Native(name));
  }
  preview_->clear();
}

std::string BoxGameSelection::SelectedFile() const {
  const QListWidgetItem* item = list_->currentItem();
  if (item == nullptr || !item->data(kFolderRole).isNull()) return {};
  return item->data(kFileRole).toString().toStdString();
}

void BoxGameSelection::ShowPreview() {
  const std::string file = SelectedFile();
  if (file.empty()) {
    preview_->clear();
    return;
  }
  const auto header = ReadGameListHeader((fs::path(folder_) / file).string());
  preview_->setText(header ? print::FromCp1252(GameListEntry(*header, "(Version 1.7 Format)"))
                           : QString());
}

void BoxGameSelection::Activated(QListWidgetItem* item) {
  if (item == nullptr) return;
  list_->setCurrentItem(item);
  if (item->data(kFolderRole).isNull()) {
    accept();
  } else {
    EnterFolder(item->data(kFolderRole).toString().toStdString());
  }
}

void BoxGameSelection::accept() {
  const std::string file = SelectedFile();
  path_.clear();
  if (file.empty()) {  // a folder or nothing: no game, no box score
    QDialog::accept();
    return;
  }
  const std::string full = (fs::path(folder_) / file).string();
  std::vector<std::uint8_t> word;
  if (!ReadFilePrefix(full, 4, word)) {
    ui_.ShowMessage("Cannot open " + file, "Load Error", MessageIcon::kExclamation);
    return;
  }
  const bool current =
      word.size() == 4 && (word[0] | word[1] << 8 | word[2] << 16 |
                           static_cast<std::uint32_t>(word[3]) << 24) == kCurrentGameVersion;
  if (!current) {
    ui_.ShowMessage(IncompatibleGameText(file), kIncompatibleGameCaption,
                    MessageIcon::kExclamation);
    return;
  }
  path_ = full;
  QDialog::accept();
}

}  // namespace scorewick::app

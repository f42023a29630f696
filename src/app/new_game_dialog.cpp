#include "app/new_game_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cctype>
#include <filesystem>

#include "app/core/stat_rules_of.h"
#include "app/line_up_editor.h"
#include "app/print_commands.h"
#include "app/team_commands.h"
#include "records/cp1252.h"
#include "records/team_file.h"
#include "scoring/kept_book.h"

namespace scorewick::app {

namespace {

constexpr const char* kCaption = "New Game";

// A team's name as a file name's part: letters and digits.
std::string FilePart(const std::string& name) {
  std::string part;
  for (const char c : name) {
    if (std::isalnum(static_cast<unsigned char>(c))) part += static_cast<char>(std::tolower(c));
  }
  return part.empty() ? "team" : part;
}

}  // namespace

NewGameDialog::NewGameDialog(Session& session, Ui& ui, QWidget* parent)
    : QDialog(parent),
      session_(session),
      ui_(ui),
      date_(new QDateEdit(QDate::currentDate(), this)),
      time_(new QTimeEdit(QTime(QTime::currentTime().hour(), 0), this)),
      field_(new QLineEdit(this)),
      game_file_(new QLineEdit(this)) {
  setWindowTitle(kCaption);
  setObjectName("newGameDialog");
  date_->setObjectName("gameDate");
  date_->setCalendarPopup(true);
  date_->setDisplayFormat("yyyy-MM-dd");
  time_->setObjectName("gameTime");
  time_->setDisplayFormat("HH:mm");
  field_->setObjectName("gameField");
  game_file_->setObjectName("gameFile");
  auto* teams = new QGridLayout;
  const char* side_names[2] = {"&Visitors:", "&Home:"};
  for (int side = 0; side < 2; ++side) {
    team_files_[side] = new QLineEdit(this);
    team_files_[side]->setObjectName(side == 0 ? "visitorFile" : "homeFile");
    team_files_[side]->setReadOnly(true);
    auto* browse = new QPushButton("Choose...", this);
    connect(browse, &QPushButton::clicked, this, [this, side] { ChooseTeam(side); });
    auto* label = new QLabel(side_names[side], this);
    label->setBuddy(browse);
    teams->addWidget(label, 0, side * 3);
    teams->addWidget(team_files_[side], 0, side * 3 + 1);
    teams->addWidget(browse, 0, side * 3 + 2);
    line_ups_[side] = new LineUpEditor(side == 0 ? "Visitors' line-up" : "Home line-up", this);
    line_ups_[side]->setObjectName(side == 0 ? "visitorLineUp" : "homeLineUp");
    teams->addWidget(line_ups_[side], 1, side * 3, 1, 3);
  }
  auto* details = new QFormLayout;
  details->addRow("&Date:", date_);
  details->addRow("&Starting time:", time_);
  details->addRow("&Field:", field_);
  auto* umpires = new QHBoxLayout;
  const char* roles[4] = {"home plate", "first base", "second base", "third base"};
  for (int k = 0; k < 4; ++k) {
    umpires_[k] = new QLineEdit(this);
    umpires_[k]->setObjectName(QString("umpire%1").arg(k));
    umpires_[k]->setPlaceholderText(roles[k]);
    umpires->addWidget(umpires_[k]);
  }
  details->addRow("Umpires:", umpires);
  auto* file_row = new QHBoxLayout;
  auto* save_as = new QPushButton("Save &As...", this);
  connect(save_as, &QPushButton::clicked, this, &NewGameDialog::ChooseGameFile);
  file_row->addWidget(game_file_, 1);
  file_row->addWidget(save_as);
  details->addRow("Game file:", file_row);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText("&Start Scoring");
  connect(buttons, &QDialogButtonBox::accepted, this, &NewGameDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(date_, &QDateEdit::dateChanged, this, &NewGameDialog::ProposeGameFile);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(teams, 1);
  layout->addLayout(details);
  layout->addWidget(buttons);
  resize(1000, 720);
}

bool NewGameDialog::LoadTeamFile(int side, const std::string& path) {
  Team team;
  if (Status loaded = LoadTeam(path, team); !loaded) {
    ui_.ShowMessage(loaded.reason.empty() ? "Cannot read " + path : loaded.reason, kCaption,
                    MessageIcon::kExclamation);
    return false;
  }
  (side == 0 ? game_.visitor : game_.home) = team;
  loaded_[side] = true;
  team_files_[side]->setText(QString::fromStdString(path));
  line_ups_[side]->SetTeam(team);
  ProposeGameFile();
  return true;
}

void NewGameDialog::ChooseTeam(int side) {
  FileDialogRequest request;
  request.title = side == 0 ? "The Visiting Team" : "The Home Team";
  request.filter = kTeamFileFilter;
  if (const auto chosen = ChooseFileToOpen(session_, ui_, FileKind::kTeam, request))
    LoadTeamFile(side, chosen->path);
}

void NewGameDialog::ProposeGameFile() {
  if (!loaded_[0] || !loaded_[1]) return;
  const std::string name = date_->date().toString("yyyyMMdd").toStdString() + "-" +
                           FilePart(game_.visitor.team_name.str()) + "-at-" +
                           FilePart(game_.home.team_name.str()) + ".gam";
  const std::string folder = session_.folders.For(FileKind::kGame, session_.start_folder);
  // A name the person chose or typed stays.
  if (!game_file_->text().isEmpty() && game_file_->text() != proposed_) return;
  proposed_ = QString::fromStdString((std::filesystem::path(folder) / name).string());
  game_file_->setText(proposed_);
}

void NewGameDialog::ChooseGameFile() {
  FileDialogRequest request;
  request.title = "Keep the Game As";
  request.filter = kGameFileFilter;
  request.default_extension = "gam";
  const std::filesystem::path proposed(game_file_->text().toStdString());
  request.initial_folder = proposed.parent_path().string();
  request.initial_name = proposed.filename().string();
  if (const auto chosen = ChooseFileToSave(session_, ui_, FileKind::kGame, request))
    game_file_->setText(QString::fromStdString(chosen->path));
}

void NewGameDialog::accept() {
  if (!loaded_[0] || !loaded_[1]) {
    ui_.ShowMessage("Choose the team files of both teams.", kCaption, MessageIcon::kExclamation);
    return;
  }
  const Team* teams[2] = {&game_.visitor, &game_.home};
  scoring::StartingLineUp* line_ups[2] = {&game_.visitor_line_up, &game_.home_line_up};
  for (int side = 0; side < 2; ++side) {
    *line_ups[side] = line_ups_[side]->LineUp();
    if (const Status fits = scoring::CheckLineUp(*line_ups[side], *teams[side]); !fits) {
      ui_.ShowMessage("The line-up of " + Cp1252ToUtf8(teams[side]->team_name.str()) +
                          " cannot take the field: " + Cp1252ToUtf8(fits.reason) + ".",
                      kCaption, MessageIcon::kExclamation);
      return;
    }
  }
  std::string path = game_file_->text().trimmed().toStdString();
  if (path.empty()) {
    ui_.ShowMessage("Choose where the game is kept (Save As).", kCaption,
                    MessageIcon::kExclamation);
    return;
  }
  if (std::filesystem::path(path).extension() != ".gam") path += ".gam";
  std::error_code ec;
  if (std::filesystem::exists(path, ec) || std::filesystem::exists(scoring::BookPathOf(path), ec)) {
    ui_.ShowMessage(path +
                        " is there already: choose another name, or go on with that game "
                        "with Game > Continue Scoring.",
                    kCaption, MessageIcon::kExclamation);
    return;
  }
  const QDate d = date_->date();
  game_.year = d.year();
  game_.month = d.month();
  game_.day = d.day();
  game_.hour = time_->time().hour();
  game_.minute = time_->time().minute();
  game_.field = Utf8ToCp1252(field_->text().trimmed().toStdString());
  game_.umpires.clear();
  for (QLineEdit* u : umpires_)
    game_.umpires.push_back(Utf8ToCp1252(u->text().trimmed().toStdString()));
  game_.rules = LeagueRulesOf(session_.settings);
  game_path_ = path;
  session_.folders.Remember(FileKind::kGame, path);
  QDialog::accept();
}

}  // namespace scorewick::app

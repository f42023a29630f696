#include "app/team_edit_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

#include "app/core/html_style.h"
#include "app/core/team_save_as.h"
#include "app/remembered_position.h"
#include "app/roster_edit_dialog.h"
#include "reports/print/cp1252_text.h"
#include "reports/print/print_team.h"

namespace scorewick::app {
namespace {

using print::FromCp1252;
using print::ToCp1252;

constexpr int kLogoSize = 96;

QLineEdit* TextField(QWidget* parent, const char* name, const NameText& value) {
  auto* edit = new QLineEdit(FromCp1252(value.view()), parent);
  edit->setObjectName(name);
  edit->setMaxLength(static_cast<int>(NameText::kCapacity));
  return edit;
}

QPushButton* Button(QWidget* parent, const char* name, const char* label) {
  auto* button = new QPushButton(label, parent);
  button->setObjectName(name);
  return button;
}

}  // namespace

std::string LogoPath(const Team& team, const Session& session) {
  const std::filesystem::path logo(team.logo_file.str());
  if (logo.empty() || logo.is_absolute() || session.start_folder.empty()) return logo.string();
  return (std::filesystem::path(session.start_folder) / logo).string();
}

TeamEditDialog::TeamEditDialog(Team& team, Session& session, Ui& ui, QWidget* parent)
    : QDialog(parent), team_(team), session_(session), ui_(ui) {
  setWindowTitle(team.file_path.empty() && team.count() == 0 && team.team_name.empty()
                     ? kNewTeamCaption
                     : "Edit Team");
  run_roster_editor = [](RosterEditDialog& editor) { return editor.exec(); };
  print = [this](print::Printout& printout) { PrintOnApplicationPrinter(printout, ui_, this); };

  name_ = TextField(this, "name", team_.team_name);
  coach_ = TextField(this, "coach", team_.coach);
  manager_ = TextField(this, "manager", team_.manager);
  auto* texts = new QFormLayout;
  texts->addRow("Team &Name:", name_);
  texts->addRow("&Coach:", coach_);
  texts->addRow("&Manager:", manager_);

  logo_picture_ = new QLabel(this);
  logo_picture_->setObjectName("logo_picture");
  logo_picture_->setFixedSize(kLogoSize, kLogoSize);
  logo_picture_->setAlignment(Qt::AlignCenter);
  logo_picture_->setFrameShape(QFrame::StyledPanel);
  logo_name_ = new QLabel(this);
  logo_name_->setObjectName("logo_name");
  logo_name_->setWordWrap(true);
  auto* change = Button(this, "change_logo", "C&hange...");
  auto* logo_box = new QGroupBox("Logo", this);
  auto* logo_text = new QVBoxLayout;
  logo_text->addWidget(logo_name_);
  logo_text->addStretch();
  logo_text->addWidget(change, 0, Qt::AlignLeft);
  auto* logo_layout = new QHBoxLayout(logo_box);
  logo_layout->addWidget(logo_picture_);
  logo_layout->addLayout(logo_text, 1);
  ShowLogo();
  saved_texts_ = Texts();

  auto* roster = Button(this, "edit_roster", "Edit &Roster...");
  auto* save_as = Button(this, "save_as", "&Save As / Export...");
  auto* print_button = Button(this, "print", "&Print...");
  auto* ok = Button(this, "ok", "OK");
  auto* cancel = Button(this, "cancel", "Cancel");
  ok->setDefault(true);
  connect(change, &QPushButton::clicked, this, &TeamEditDialog::ChangeLogo);
  connect(roster, &QPushButton::clicked, this, &TeamEditDialog::EditRoster);
  connect(save_as, &QPushButton::clicked, this, &TeamEditDialog::SaveAs);
  connect(print_button, &QPushButton::clicked, this, &TeamEditDialog::Print);
  connect(ok, &QPushButton::clicked, this, &TeamEditDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* actions = new QVBoxLayout;
  for (QPushButton* b : {roster, save_as, print_button}) actions->addWidget(b);
  actions->addStretch();
  auto* top = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addLayout(texts);
  left->addWidget(logo_box);
  top->addLayout(left, 1);
  top->addLayout(actions);
  auto* closing = new QHBoxLayout;
  closing->addStretch();
  closing->addWidget(ok);
  closing->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(closing);
  RememberPosition(this, "TeamEdit");
}

void TeamEditDialog::StoreTexts(Team& team) const {
  team.team_name.set(ToCp1252(name_->text()));
  team.coach.set(ToCp1252(coach_->text()));
  team.manager.set(ToCp1252(manager_->text()));
}

void TeamEditDialog::ShowLogo() {
  logo_name_->setText(QString::fromStdString(team_.logo_file.str()));
  const QPixmap logo(QString::fromStdString(LogoPath(team_, session_)));
  if (logo.isNull()) {
    logo_picture_->setPixmap(QPixmap());
    logo_picture_->setText("(no picture)");
  } else {
    logo_picture_->setPixmap(
        logo.scaled(kLogoSize - 4, kLogoSize - 4, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  }
}

void TeamEditDialog::ChangeLogo() {
  FileDialogRequest request;
  request.title = "Select Logo";
  request.filter = kLogoFilter;
  request.default_extension = "bmp";
  std::optional<FileChoice> choice = ChooseFileToOpen(session_, ui_, FileKind::kLogo, request);
  if (!choice) return;
  if (choice->path.size() > PathText::kCapacity) {
    ui_.ShowMessage("The logo's path is longer than a team can keep (" +
                        std::to_string(PathText::kCapacity) + " characters).",
                    "Logo", MessageIcon::kExclamation);
    return;
  }
  team_.logo_file.set(choice->path);
  unsaved_ = true;
  ShowLogo();
}

void TeamEditDialog::EditRoster() {
  Team copy;
  copy.CopyFrom(team_);
  RosterEditDialog editor(copy, session_, ui_, this);
  if (run_roster_editor(editor) == QDialog::Accepted) {
    team_.CopyFrom(copy);
    unsaved_ = true;
  }
}

void TeamEditDialog::SaveAs() {
  StoreTexts(team_);
  reports::TeamFileForm written = reports::TeamFileForm::kCsv;
  if (SaveTeamAs(team_, ui_, HtmlStyleOf(session_.settings), session_, &written) ==
          ExportResult::kWritten &&
      written == reports::TeamFileForm::kTeamFile) {
    // Everything is in the team file now.
    unsaved_ = false;
    saved_texts_ = Texts();
  }
}

QStringList TeamEditDialog::Texts() const {
  return {name_->text(), coach_->text(), manager_->text()};
}

bool TeamEditDialog::HasUnsavedChanges() const { return unsaved_ || Texts() != saved_texts_; }

void TeamEditDialog::Print() {
  Team shown;
  shown.CopyFrom(team_);
  StoreTexts(shown);
  print::TPrintTeam printout(shown);
  print(printout);
}

void TeamEditDialog::accept() {
  if (name_->text().trimmed().isEmpty()) {
    // A team without a name cannot be told apart on the handheld, nor
    // proposed as a file name.
    ui_.ShowMessage(kNoNameText, kNoNameCaption, MessageIcon::kExclamation);
    name_->setFocus();
    return;
  }
  StoreTexts(team_);
  if (!team_.file_path.empty()) {
    QDialog::accept();
    return;
  }
  SaveAs();
}

void TeamEditDialog::reject() {
  if (HasUnsavedChanges() &&
      !ui_.AskYesNo(kDiscardQuestion, windowTitle().toStdString(), MessageIcon::kQuestion)) {
    return;
  }
  QDialog::reject();
}

}  // namespace scorewick::app

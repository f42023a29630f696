#include "app/personal_info_dialog.h"

#include <QDate>
#include <QDesktopServices>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "app/calendar_dialog.h"
#include "app/core/html_style.h"
#include "app/core/team_save_as.h"
#include "app/remembered_position.h"
#include "reports/address_list.h"
#include "reports/print/cp1252_text.h"
#include "reports/print/phone_out.h"

namespace scorewick::app {
namespace {

using print::FromCp1252;
using print::ToCp1252;

// Room around a cell's text: the item's margins and the grid line.
constexpr int kCellPadding = 14;

template <std::size_t N>
void Store(FixedText<N>& field, const QLineEdit* edit) {
  field.set(ToCp1252(edit->text()));
}

template <std::size_t N>
QLineEdit* Edit(QWidget* parent, const char* name, const FixedText<N>&) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setMaxLength(static_cast<int>(FixedText<N>::kCapacity));
  return edit;
}

QPushButton* Button(QWidget* parent, const char* name, const char* label) {
  auto* button = new QPushButton(label, parent);
  button->setObjectName(name);
  return button;
}

}  // namespace

QString MailToText(const QString& address) { return "MailTo:" + address.left(50); }

bool ParseBirthday(const QString& text, LocalDate* date) {
  static const QRegularExpression form(R"(^\s*(\d{1,2})\s*/\s*(\d{1,2})\s*/\s*(\d{1,4})\s*$)");
  const QRegularExpressionMatch match = form.match(text);
  if (!match.hasMatch()) return false;
  const int month = match.captured(1).toInt();
  const int day = match.captured(2).toInt();
  const int year = match.captured(3).toInt();
  if (!QDate::isValid(year, month, day) || year < 1) return false;
  *date = {year, month, day};
  return true;
}

const std::array<PersonalInfoDialog::Column, 9>& PersonalInfoDialog::Columns() {
  static const std::array<Column, 9> columns = {{
      {"Name", 90, Qt::AlignLeft},
      {"Phone", 75, Qt::AlignHCenter},
      {"Birthday", 75, Qt::AlignHCenter},
      {"Address", 150, Qt::AlignLeft},
      {"City", 100, Qt::AlignLeft},
      {"State", 75, Qt::AlignLeft},
      {"Zip", 60, Qt::AlignLeft},
      {"e-mail", 100, Qt::AlignLeft},
      {"Note", 100, Qt::AlignLeft},
  }};
  return columns;
}

PersonalInfoDialog::PersonalInfoDialog(Team& team, Session& session, Ui& ui, QWidget* parent)
    : QDialog(parent), team_(team), session_(session), ui_(ui) {
  setWindowTitle("Players Personal Info");
  open_url = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
  print = [this](print::Printout& printout) { PrintOnApplicationPrinter(printout, ui_, this); };
  pick_date = [this](const LocalDate& date) -> std::optional<LocalDate> {
    CalendarDialog calendar(date, this);
    if (calendar.exec() != QDialog::Accepted) return std::nullopt;
    return calendar.date();
  };
  QLayout* fields = BuildFields();
  BuildPlayerTable();
  QLayout* buttons = BuildButtons();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(players_, 1);
  layout->addLayout(buttons);
  FitToColumns(layout);
  RememberPosition(this, "PersonalInfo");
}

// The boxes of the player highlighted, with their labels, and the
// buttons that choose his birthday and write him a mail.
QLayout* PersonalInfoDialog::BuildFields() {
  const PLAYER_INFO blank;
  name_ = Edit(this, "name", NameText());
  name_->setReadOnly(true);
  birthday_ = new QLineEdit(this);
  birthday_->setObjectName("birthday");
  birthday_->setMaxLength(10);
  phone_ = Edit(this, "phone", blank.phone);
  address_ = Edit(this, "address", blank.address);
  city_ = Edit(this, "city", blank.city);
  state_ = Edit(this, "state", blank.state);
  zip_ = Edit(this, "zip", blank.zip);
  email_ = Edit(this, "email", blank.email);
  note_ = Edit(this, "note", blank.note);
  // The handheld keeps short notes: say how short before the typing stops.
  note_->setPlaceholderText(
      QString("up to %1 characters").arg(static_cast<int>(decltype(blank.note)::kCapacity)));
  note_->setToolTip(note_->placeholderText());

  auto* birthday_button = Button(this, "birthday_button", "&Birthday:");
  auto* email_button = Button(this, "email_button", "e&mail");
  auto* fields = new QGridLayout;
  fields->addWidget(new QLabel("Name:", this), 0, 0);
  fields->addWidget(name_, 0, 1);
  fields->addWidget(birthday_button, 0, 2);
  fields->addWidget(birthday_, 0, 3);
  fields->addWidget(new QLabel("Phone:", this), 0, 4);
  fields->addWidget(phone_, 0, 5);
  fields->addWidget(new QLabel("Address:", this), 1, 0);
  fields->addWidget(address_, 1, 1, 1, 3);
  fields->addWidget(email_button, 1, 4);
  fields->addWidget(email_, 1, 5);
  fields->addWidget(new QLabel("City:", this), 2, 0);
  fields->addWidget(city_, 2, 1);
  fields->addWidget(new QLabel("State:", this), 2, 2);
  fields->addWidget(state_, 2, 3);
  fields->addWidget(new QLabel("Zip:", this), 2, 4);
  fields->addWidget(zip_, 2, 5);
  fields->addWidget(new QLabel("Note:", this), 3, 0);
  fields->addWidget(note_, 3, 1, 1, 5);
  connect(birthday_button, &QPushButton::clicked, this, &PersonalInfoDialog::ChooseBirthday);
  connect(email_button, &QPushButton::clicked, this, &PersonalInfoDialog::SendMail);
  return fields;
}

// The table of the players, a row each.
void PersonalInfoDialog::BuildPlayerTable() {
  players_ = new QTableWidget(team_.count(), static_cast<int>(Columns().size()), this);
  players_->setObjectName("players");
  players_->setSelectionBehavior(QAbstractItemView::SelectRows);
  players_->setSelectionMode(QAbstractItemView::SingleSelection);
  players_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  players_->setShowGrid(true);
  players_->setWordWrap(false);
  players_->setTextElideMode(Qt::ElideRight);
  players_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  players_->verticalHeader()->setDefaultSectionSize(players_->fontMetrics().height() + 8);
  players_->verticalHeader()->hide();
  for (int c = 0; c < static_cast<int>(Columns().size()); ++c) {
    auto* header = new QTableWidgetItem(Columns()[static_cast<std::size_t>(c)].title);
    players_->setHorizontalHeaderItem(c, header);
  }
  for (int row = 0; row < team_.count(); ++row) FillRow(row);
  players_->viewport()->installEventFilter(this);
  connect(players_, &QTableWidget::itemSelectionChanged, this, &PersonalInfoDialog::ShowPlayer);
}

// Update Info and Clear Boxes; Export, Print and Printer Setup; OK and
// Cancel.
QLayout* PersonalInfoDialog::BuildButtons() {
  auto* update = Button(this, "update_info", "&Update Info");
  auto* clear = Button(this, "clear_boxes", "C&lear Boxes");
  auto* export_button = Button(this, "export", "E&xport...");
  auto* print_button = Button(this, "print", "&Print...");
  auto* setup = Button(this, "printer_setup", "Printer &Setup...");
  auto* ok = Button(this, "ok", "OK");
  auto* cancel = Button(this, "cancel", "Cancel");
  ok->setDefault(true);
  connect(update, &QPushButton::clicked, this, &PersonalInfoDialog::UpdateInfo);
  connect(clear, &QPushButton::clicked, this, &PersonalInfoDialog::ClearBoxes);
  connect(export_button, &QPushButton::clicked, this, &PersonalInfoDialog::Export);
  connect(print_button, &QPushButton::clicked, this, &PersonalInfoDialog::Print);
  connect(setup, &QPushButton::clicked, this, [this] { RunPrinterSetupDialog(this); });
  connect(ok, &QPushButton::clicked, this, &PersonalInfoDialog::Ok);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {update, clear}) buttons->addWidget(b);
  buttons->addStretch();
  for (QPushButton* b : {export_button, print_button, setup}) buttons->addWidget(b);
  buttons->addStretch();
  for (QPushButton* b : {ok, cancel}) buttons->addWidget(b);
  return buttons;
}

// Wide enough for every column, as far as the screen allows.
void PersonalInfoDialog::FitToColumns(const QLayout* layout) {
  FitColumns();
  int columns = 2 * players_->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  for (int c = 0; c < players_->columnCount(); ++c) columns += players_->columnWidth(c);
  const QRect screen = this->screen()->availableGeometry();
  const int margins = layout->contentsMargins().left() + layout->contentsMargins().right();
  resize(std::min(std::max(columns + margins, 720), screen.width() - 40),
         std::min(560, screen.height() - 60));
}

void PersonalInfoDialog::FillRow(int row) {
  const PLAYER_INFO& info = team_.info(row);
  const std::string values[] = {team_.player(row).name.str(),
                                info.phone.str(),
                                reports::BirthdayText(info),
                                info.address.str(),
                                info.city.str(),
                                info.state.str(),
                                info.zip.str(),
                                info.email.str(),
                                info.note.str()};
  for (int c = 0; c < static_cast<int>(Columns().size()); ++c) {
    auto* item = new QTableWidgetItem(FromCp1252(values[c]));
    item->setTextAlignment(Columns()[static_cast<std::size_t>(c)].alignment | Qt::AlignVCenter);
    players_->setItem(row, c, item);
  }
}

void PersonalInfoDialog::FitColumns() {
  const QFontMetrics cells = players_->fontMetrics();
  const QHeaderView* header = players_->horizontalHeader();
  std::vector<int> widths;
  int total = 0;
  for (int c = 0; c < players_->columnCount(); ++c) {
    int width = std::max(Columns()[static_cast<std::size_t>(c)].width, header->sectionSizeHint(c));
    for (int row = 0; row < players_->rowCount(); ++row) {
      if (const QTableWidgetItem* item = players_->item(row, c)) {
        width = std::max(width, cells.horizontalAdvance(item->text()) + kCellPadding);
      }
    }
    widths.push_back(width);
    total += width;
  }
  // Room to spare goes to the two columns most likely to hold long texts.
  const int spare = players_->viewport()->width() - total;
  if (spare > 0 && !widths.empty()) {
    widths.front() += spare / 2;
    widths.back() += spare - spare / 2;
  }
  for (int c = 0; c < static_cast<int>(widths.size()); ++c) {
    players_->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
  }
}

bool PersonalInfoDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == players_->viewport() && event->type() == QEvent::Resize) FitColumns();
  return QDialog::eventFilter(watched, event);
}

void PersonalInfoDialog::ShowPlayer() {
  const int row = players_->currentRow();
  if (row < 0 || row >= team_.count() || players_->selectedItems().isEmpty()) return;
  if (row == shown_row_) return;
  if (!KeepOrDropTypedInfo()) {
    // The typed birthday is not a date: stay on the player it belongs to.
    const QSignalBlocker block(players_);
    players_->selectRow(shown_row_);
    return;
  }
  shown_row_ = row;
  const PLAYER_INFO& info = team_.info(row);
  name_->setText(FromCp1252(team_.player(row).name.view()));
  birthday_->setText(FromCp1252(reports::BirthdayText(info)));
  phone_->setText(FromCp1252(info.phone.view()));
  address_->setText(FromCp1252(info.address.view()));
  city_->setText(FromCp1252(info.city.view()));
  state_->setText(FromCp1252(info.state.view()));
  zip_->setText(FromCp1252(info.zip.view()));
  email_->setText(FromCp1252(info.email.view()));
  note_->setText(FromCp1252(info.note.view()));
}

bool PersonalInfoDialog::BoxesToInfo(PLAYER_INFO& info) const {
  Store(info.phone, phone_);
  Store(info.address, address_);
  Store(info.city, city_);
  Store(info.state, state_);
  Store(info.zip, zip_);
  Store(info.email, email_);
  Store(info.note, note_);
  if (birthday_->text().trimmed().isEmpty()) {
    info.birth_year = 0;
    info.birth_month = 0;
    info.birth_day = 0;
    return true;
  }
  LocalDate birthday;
  if (!ParseBirthday(birthday_->text(), &birthday)) return false;
  info.birth_year = birthday.year;
  info.birth_month = static_cast<std::uint8_t>(birthday.month);
  info.birth_day = static_cast<std::uint8_t>(birthday.day);
  return true;
}

bool PersonalInfoDialog::HasUnsavedChanges() const {
  if (shown_row_ < 0 || shown_row_ >= team_.count()) return false;
  PLAYER_INFO typed = team_.info(shown_row_);
  if (!BoxesToInfo(typed)) return true;
  return typed != team_.info(shown_row_);
}

bool PersonalInfoDialog::StoreBoxes(int row) {
  if (row < 0 || row >= team_.count()) return true;
  PLAYER_INFO typed = team_.info(row);
  if (!BoxesToInfo(typed)) {
    ui_.ShowMessage("\"" + birthday_->text().toStdString() +
                        "\" is not a date.  Enter the birthday as month/day/year "
                        "(such as 4/27/2011), or leave it empty.",
                    "Birthday", MessageIcon::kExclamation);
    birthday_->setFocus();
    birthday_->selectAll();
    return false;
  }
  team_.info(row) = typed;
  FillRow(row);
  FitColumns();
  return true;
}

void PersonalInfoDialog::UpdateInfo() {
  const int row = players_->currentRow();
  if (row < 0 || row >= team_.count() || players_->selectedItems().isEmpty()) return;
  StoreBoxes(row);
}

bool PersonalInfoDialog::KeepOrDropTypedInfo() {
  if (!HasUnsavedChanges()) return true;
  const std::string name = team_.player(shown_row_).name.str();
  if (!ui_.AskYesNo("Save the changes to " + name + "'s personal information?",
                    "Players Personal Info", MessageIcon::kQuestion)) {
    return true;  // dropped on purpose
  }
  return StoreBoxes(shown_row_);
}

void PersonalInfoDialog::Ok() {
  if (!KeepOrDropTypedInfo()) return;
  accept();
}

void PersonalInfoDialog::ClearBoxes() {
  for (QLineEdit* edit : {name_, birthday_, phone_, address_, city_, state_, zip_, email_, note_}) {
    edit->clear();
  }
}

void PersonalInfoDialog::ChooseBirthday() {
  LocalDate current;
  if (!ParseBirthday(birthday_->text(), &current)) {
    const int row = players_->currentRow();
    if (row >= 0 && row < team_.count()) {
      const PLAYER_INFO& info = team_.info(row);
      current = {info.birth_year, info.birth_month, info.birth_day};
    } else {
      current = Today();
    }
  }
  if (std::optional<LocalDate> chosen = pick_date(current)) {
    birthday_->setText(QString("%1/%2/%3").arg(chosen->month).arg(chosen->day).arg(chosen->year));
  }
}

void PersonalInfoDialog::SendMail() {
  if (!open_url(QUrl(MailToText(email_->text())))) {
    ui_.ShowMessage("No e-mail program could be started to write to " +
                        email_->text().left(50).toStdString() + ".",
                    "e-mail", MessageIcon::kExclamation);
  }
}

void PersonalInfoDialog::Export() {
  ExportAddressList(team_, ui_, HtmlStyleOf(session_.settings), session_);
}

void PersonalInfoDialog::Print() {
  print::TPhoneOut printout(team_);
  print(printout);
}

}  // namespace scorewick::app

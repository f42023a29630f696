#include "app/game_filter_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <algorithm>

#include "records/calendar_day.h"
#include "reports/print/cp1252_text.h"

namespace scorewick::app {
namespace {

constexpr int kNameRole = Qt::UserRole;  // the name as the games spell it

// The name an entry stands for; empty for the first entry ("any").
std::string NameOf(const QComboBox* box) {
  return box->currentIndex() <= 0 ? std::string()
                                  : box->currentData(kNameRole).toByteArray().toStdString();
}

// Fills box with its "any" entry and the names A to Z, keeping the name
// chosen.
void Refill(QComboBox* box, const QString& any, std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  const std::string was = NameOf(box);
  const QSignalBlocker quiet(box);
  box->clear();
  box->addItem(any);
  int now = 0;
  for (const std::string& name : names) {
    box->addItem(print::FromCp1252(name), QByteArray::fromStdString(name));
    if (name == was) now = box->count() - 1;
  }
  box->setCurrentIndex(now);
}

// The day typed in edit, into *date; false when it is not YYYY-MM-DD.
bool DayOf(const QLineEdit* edit, std::optional<LocalDate>& date) {
  const std::string text = edit->text().trimmed().toStdString();
  if (text.empty()) return true;
  date = ParseCalendarDay(text);
  return date.has_value();
}

}  // namespace

GameFilterPanel::GameFilterPanel(QWidget* parent) : QGroupBox("Filters", parent) {
  setObjectName("filters");
  from_ = new QLineEdit;
  from_->setObjectName("from");
  to_ = new QLineEdit;
  to_->setObjectName("to");
  for (QLineEdit* day : {from_, to_}) {
    day->setPlaceholderText(kCalendarDayForm);
    day->setMaxLength(10);
    day->setClearButtonEnabled(true);
  }
  team_ = new QComboBox;
  team_->setObjectName("filter_team");
  ground_ = new QComboBox;
  ground_->setObjectName("ground");
  ground_->addItems({"Home and away", "Home games", "Away games"});
  opponent_ = new QComboBox;
  opponent_->setObjectName("opponent");
  last_ = new QSpinBox;
  last_->setObjectName("last");
  last_->setRange(0, 9999);
  last_->setSpecialValueText("all");
  left_ = new QLabel;
  left_->setObjectName("filter_left");
  left_->setWordWrap(true);
  Refill(team_, "(any team)", {});
  Refill(opponent_, "(any opponent)", {});

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel("From"), 0, 0);
  grid->addWidget(from_, 0, 1);
  grid->addWidget(new QLabel("To"), 0, 2);
  grid->addWidget(to_, 0, 3);
  grid->addWidget(new QLabel("Team"), 1, 0);
  grid->addWidget(team_, 1, 1);
  grid->addWidget(ground_, 1, 2, 1, 2);
  grid->addWidget(new QLabel("Opponent"), 2, 0);
  grid->addWidget(opponent_, 2, 1);
  grid->addWidget(new QLabel("Last games"), 2, 2);
  grid->addWidget(last_, 2, 3);
  grid->addWidget(left_, 3, 0, 1, 4);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);

  for (QLineEdit* day : {from_, to_})
    connect(day, &QLineEdit::textChanged, this, &GameFilterPanel::Changed);
  for (QComboBox* box : {team_, ground_, opponent_})
    connect(box, &QComboBox::currentIndexChanged, this, &GameFilterPanel::Changed);
  connect(last_, &QSpinBox::valueChanged, this, &GameFilterPanel::Changed);
}

void GameFilterPanel::SetTeams(const std::vector<std::string>& teams) {
  Refill(team_, "(any team)", teams);
  Refill(opponent_, "(any opponent)", teams);
}

void GameFilterPanel::OfferTeam(const std::string& team) {
  if (team_->currentIndex() > 0) return;
  const int at = team_->findData(QByteArray::fromStdString(team), kNameRole);
  if (at > 0) team_->setCurrentIndex(at);
}

void GameFilterPanel::SetFilter(const GameFilter& filter) {
  {
    const QSignalBlocker quiet(this);
    from_->setText(filter.from ? QString::fromStdString(CalendarDayText(*filter.from)) : "");
    to_->setText(filter.to ? QString::fromStdString(CalendarDayText(*filter.to)) : "");
    for (auto [box, name] :
         {std::pair{team_, &filter.team}, std::pair{opponent_, &filter.opponent}}) {
      const QByteArray bytes = QByteArray::fromStdString(*name);
      int at = name->empty() ? 0 : box->findData(bytes, kNameRole);
      if (at < 0) {
        box->addItem(print::FromCp1252(*name), bytes);
        at = box->count() - 1;
      }
      box->setCurrentIndex(at);
    }
    ground_->setCurrentIndex(static_cast<int>(filter.ground));
    last_->setValue(filter.last);
  }
  emit Changed();
}

std::optional<GameFilter> GameFilterPanel::Filter(std::string* error) const {
  GameFilter filter;
  if (!DayOf(from_, filter.from) || !DayOf(to_, filter.to)) {
    *error = "Type the days as ";
    *error += kCalendarDayForm;
    *error += " (2024-05-03)";
    return std::nullopt;
  }
  if (filter.DaysReversed()) {
    *error = "The From day is after the To day";
    return std::nullopt;
  }
  filter.team = NameOf(team_);
  filter.ground = static_cast<Ground>(ground_->currentIndex());
  filter.opponent = NameOf(opponent_);
  filter.last = last_->value();
  if (filter.NeedsTeam() && filter.team.empty()) {
    *error = "Home, away and last games are a team's: choose the team";
    return std::nullopt;
  }
  return filter;
}

void GameFilterPanel::ShowLeft(const QString& text, bool fault) {
  left_->setText(text);
  left_->setStyleSheet(fault ? "color: #b00000;" : "");
}

}  // namespace scorewick::app

#include "app/calendar_dialog.h"

#include <QCalendarWidget>
#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace scorewick::app {

QString LongDateText(const LocalDate& date) {
  const QDate d(date.year, date.month, date.day);
  const QLocale english = QLocale::c();
  return QString("%1, %2 %3, %4")
      .arg(english.dayName(d.dayOfWeek(), QLocale::LongFormat),
           english.monthName(date.month, QLocale::LongFormat))
      .arg(date.day)
      .arg(date.year);
}

CalendarDialog::CalendarDialog(const LocalDate& date, QWidget* parent)
    : QDialog(parent), calendar_(new QCalendarWidget(this)), chosen_(new QLabel(this)) {
  setWindowTitle("Birthday");
  calendar_->setObjectName("calendar");
  calendar_->setGridVisible(true);
  chosen_->setObjectName("chosen");
  chosen_->setAlignment(Qt::AlignCenter);
  QFont bold = chosen_->font();
  bold.setBold(true);
  chosen_->setFont(bold);
  connect(calendar_, &QCalendarWidget::selectionChanged, this, &CalendarDialog::ShowChosen);
  connect(calendar_, &QCalendarWidget::activated, this, &QDialog::accept);
  set_date(date);

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("ok");
  ok->setDefault(true);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("cancel");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(chosen_);
  layout->addWidget(calendar_);
  layout->addLayout(buttons);
}

LocalDate CalendarDialog::date() const {
  const QDate d = calendar_->selectedDate();
  return {d.year(), d.month(), d.day()};
}

void CalendarDialog::set_date(const LocalDate& date) {
  QDate d(date.year, date.month, date.day);
  if (!d.isValid()) {
    const LocalDate today = Today();
    d = QDate(today.year, today.month, today.day);
  }
  calendar_->setSelectedDate(d);
  ShowChosen();
}

void CalendarDialog::ShowChosen() { chosen_->setText(LongDateText(date())); }

}  // namespace scorewick::app

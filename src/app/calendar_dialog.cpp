#include "app/calendar_dialog.h"

#include <QCalendarWidget>
#include <QDate>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

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
  connect(calendar_, &QCalendarWidget::currentPageChanged, this, &CalendarDialog::FollowPage);
  if (auto* year = calendar_->findChild<QSpinBox*>("qt_calendar_yearedit")) {
    year->installEventFilter(this);
  }
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

void CalendarDialog::FollowPage(int year, int month) {
  const QDate chosen = calendar_->selectedDate();
  if (chosen.year() == year && chosen.month() == month) return;
  const int day = std::min(chosen.day(), QDate(year, month, 1).daysInMonth());
  calendar_->setSelectedDate(QDate(year, month, day));
}

bool CalendarDialog::eventFilter(QObject* watched, QEvent* event) {
  auto* year = qobject_cast<QSpinBox*>(watched);
  if (year != nullptr && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      // Ends the year's editing (the calendar turns to that year) and goes
      // no further: the dialog's default button would close it.
      year->interpretText();
      emit year->editingFinished();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace scorewick::app

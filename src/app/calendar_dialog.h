#pragma once
// CalendarDialog: picks a date on a month calendar, showing the chosen
// date as "Saturday, July 3, 2004".  The chosen date follows the month and
// year shown, so a year typed into the calendar's year field (ended with
// Enter, which then does not close the dialog) is the year chosen.

#include <QDialog>

#include "records/local_date.h"

class QCalendarWidget;
class QLabel;

namespace scorewick::app {

// "weekday, month day, year" in English.
QString LongDateText(const LocalDate& date);

class CalendarDialog : public QDialog {
  Q_OBJECT

 public:
  // Opens on date (today when it is not a real date).
  CalendarDialog(const LocalDate& date, QWidget* parent);
  LocalDate date() const;
  void set_date(const LocalDate& date);

 private:
  void ShowChosen();
  void FollowPage(int year, int month);
  bool eventFilter(QObject* watched, QEvent* event) override;

  QCalendarWidget* calendar_;
  QLabel* chosen_;
};

}  // namespace scorewick::app

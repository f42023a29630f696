#pragma once
// CalendarDialog: picks a date on a month calendar, showing the chosen
// date as "Saturday, July 3, 2004".

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

  QCalendarWidget* calendar_;
  QLabel* chosen_;
};

}  // namespace scorewick::app

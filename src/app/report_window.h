#pragma once
// A window over a report's tables (a player's game log, a team's pitcher
// workload): each table under its title, its notes below it, and buttons
// to save the report as comma-separated text or an HTML page.  A report
// looked at as of a day (the workload) has a day box above the tables that
// makes them again for the day chosen.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "app/core/session.h"
#include "platform/ui.h"
#include "records/local_date.h"
#include "reports/report_table.h"

class QDateEdit;
class QTableWidget;
class QVBoxLayout;

namespace scorewick::app {

class ReportWindow : public QDialog {
  Q_OBJECT

 public:
  enum class SaveForm { kCsv, kHtml };

  // page_title (code page 1252) heads the saved HTML page and names the
  // saved file ("Jo Jett Game Log"); window_title is the window's caption.
  ReportWindow(std::vector<reports::ReportTable> tables, std::string page_title,
               const QString& window_title, Session& session, Ui& ui, QWidget* parent);

  using TablesOfDay = std::function<std::vector<reports::ReportTable>(const LocalDate& day)>;
  // Puts a day box (labelled label, holding day) above the tables; a day
  // chosen there shows remake's tables for it.
  void AddDayBox(const QString& label, const LocalDate& day, TablesOfDay remake);
  // The day box, when there is one (for tests).
  QDateEdit* day_box() const { return day_box_; }

  // Asks for a file and writes the report there; a failed save is shown.
  void Save(SaveForm form);
  // The table widgets, in order (for tests).
  const std::vector<QTableWidget*>& grids() const { return grids_; }
  const std::vector<reports::ReportTable>& tables() const { return tables_; }

 private:
  // Shows tables_ in place of what was shown.
  void ShowTables();

  std::vector<reports::ReportTable> tables_;
  std::string page_title_;
  Session& session_;
  Ui& ui_;
  std::vector<QTableWidget*> grids_;
  QVBoxLayout* layout_ = nullptr;
  QWidget* body_ = nullptr;
  QDateEdit* day_box_ = nullptr;
};

}  // namespace scorewick::app

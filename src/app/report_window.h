#pragma once
// A window over a report's tables (a player's game log, a team's pitcher
// workload): each table under its title, its notes below it, and buttons
// to save the report as comma-separated text or an HTML page.

#include <QDialog>
#include <string>
#include <vector>

#include "app/core/session.h"
#include "platform/ui.h"
#include "reports/report_table.h"

class QTableWidget;

namespace scorewick::app {

class ReportWindow : public QDialog {
  Q_OBJECT

 public:
  enum class SaveForm { kCsv, kHtml };

  // page_title heads the saved HTML page and names the saved file
  // ("Game Log"); window_title is the window's caption.
  ReportWindow(std::vector<reports::ReportTable> tables, std::string page_title,
               const QString& window_title, Session& session, Ui& ui, QWidget* parent);

  // Asks for a file and writes the report there; a failed save is shown.
  void Save(SaveForm form);
  // The table widgets, in order (for tests).
  const std::vector<QTableWidget*>& grids() const { return grids_; }

 private:
  std::vector<reports::ReportTable> tables_;
  std::string page_title_;
  Session& session_;
  Ui& ui_;
  std::vector<QTableWidget*> grids_;
};

}  // namespace scorewick::app

#include "app/report_window.h"

#include <QDateEdit>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/core/export_choice.h"
#include "app/core/html_style.h"
#include "app/core/save_target.h"
#include "app/remembered_position.h"
#include "records/local_date.h"
#include "reports/print/cp1252_text.h"
#include "reports/team_export.h"

namespace scorewick::app {
namespace {

QTableWidget* GridOf(const reports::ReportTable& t) {
  const int columns = static_cast<int>(t.columns.size());
  auto* grid = new QTableWidget(static_cast<int>(t.rows.size()), columns);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
  // A group's name heads its first column only, so that the figures stay narrow.
  QStringList headings;
  for (std::size_t c = 0; c < t.columns.size(); ++c) {
    const reports::ReportColumn& col = t.columns[c];
    const bool first = !col.group.empty() && (c == 0 || t.columns[c - 1].group != col.group);
    headings << print::FromCp1252((first ? col.group : std::string()) + "\n" + col.heading);
  }
  grid->setHorizontalHeaderLabels(headings);
  const int first_total = static_cast<int>(t.rows.size()) - t.totals_rows;
  for (int r = 0; r < static_cast<int>(t.rows.size()); ++r) {
    const std::vector<std::string>& row = t.rows[static_cast<std::size_t>(r)];
    for (int c = 0; c < columns && c < static_cast<int>(row.size()); ++c) {
      auto* item = new QTableWidgetItem(print::FromCp1252(row[static_cast<std::size_t>(c)]));
      item->setTextAlignment(
          Qt::AlignVCenter |
          (t.columns[static_cast<std::size_t>(c)].numeric ? Qt::AlignRight : Qt::AlignLeft));
      if (r >= first_total) {
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
      }
      grid->setItem(r, c, item);
    }
  }
  grid->resizeColumnsToContents();
  return grid;
}

}  // namespace

ReportWindow::ReportWindow(std::vector<reports::ReportTable> tables, std::string page_title,
                           const QString& window_title, Session& session, Ui& ui, QWidget* parent)
    : QDialog(parent),
      tables_(std::move(tables)),
      page_title_(std::move(page_title)),
      session_(session),
      ui_(ui) {
  setWindowTitle(window_title);
  setSizeGripEnabled(true);
  layout_ = new QVBoxLayout(this);
  QVBoxLayout* layout = layout_;
  ShowTables();
  auto* buttons = new QHBoxLayout;
  auto* csv = new QPushButton("Save as &CSV...");
  auto* html = new QPushButton("Save as &HTML...");
  auto* close = new QPushButton("Close");
  buttons->addWidget(csv);
  buttons->addWidget(html);
  buttons->addStretch(1);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  connect(csv, &QPushButton::clicked, this, [this] { Save(SaveForm::kCsv); });
  connect(html, &QPushButton::clicked, this, [this] { Save(SaveForm::kHtml); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  resize(900, 520);
  RememberPosition(this, "report_window");
}

void ReportWindow::ShowTables() {
  auto* body = new QWidget;
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(0, 0, 0, 0);
  grids_.clear();
  for (const reports::ReportTable& t : tables_) {
    auto* title = new QLabel(print::FromCp1252(t.title));
    QFont font = title->font();
    font.setBold(true);
    title->setFont(font);
    layout->addWidget(title);
    QTableWidget* grid = GridOf(t);
    grids_.push_back(grid);
    layout->addWidget(grid, 1);
    for (const std::string& note : t.notes) layout->addWidget(new QLabel(print::FromCp1252(note)));
  }
  if (body_) {
    delete layout_->replaceWidget(body_, body);
    body_->deleteLater();
  } else {
    layout_->addWidget(body, 1);
  }
  body_ = body;
}

void ReportWindow::AddDayBox(const QString& label, const LocalDate& day, TablesOfDay remake) {
  auto* row = new QHBoxLayout;
  auto* caption = new QLabel(label);
  day_box_ = new QDateEdit(QDate(day.year, day.month, day.day));
  day_box_->setObjectName("as_of");
  day_box_->setDisplayFormat("yyyy-MM-dd");
  day_box_->setCalendarPopup(true);
  caption->setBuddy(day_box_);
  row->addWidget(caption);
  row->addWidget(day_box_);
  row->addStretch(1);
  layout_->insertLayout(0, row);
  connect(day_box_, &QDateEdit::dateChanged, this, [this, remake = std::move(remake)](QDate d) {
    tables_ = remake({d.year(), d.month(), d.day()});
    ShowTables();
  });
}

void ReportWindow::Save(SaveForm form) {
  const bool html = form == SaveForm::kHtml;
  FileDialogRequest request;
  const std::string title = print::FromCp1252(page_title_).toStdString();
  request.title = title + (html ? " as an HTML Page" : " as Comma-Separated Text");
  request.filter = html ? "HTML Page (*.htm)|*.htm;*.html|" : "Comma Separated Text (*.csv)|*.csv|";
  request.default_extension = html ? "htm" : "csv";
  request.initial_name = title + (html ? ".htm" : ".csv");
  const std::optional<FileChoice> choice =
      ChooseFileToSave(session_, ui_, FileKind::kExport, request);
  if (!choice) return;
  const SaveType& type = html ? kHtmlType : kCsvType;
  const std::string path = SettleSaveName(choice->path, type, ui_);
  if (!MayReplace(path, type, {}, ui_)) return;
  const std::string text =
      html ? reports::ReportHtml(tables_, page_title_, HtmlStyleOf(session_.settings), Now())
           : reports::ReportCsv(tables_);
  if (const Status written = reports::WriteExportText(path, text, false); !written.ok) {
    ShowSaveError(ui_, written.reason);
  }
}

}  // namespace scorewick::app

#include "app/workload_rules_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <set>

#include "records/file_io.h"

namespace scorewick::app {
namespace {

enum Column { kFrom, kTo, kDays, kColumns };

QString Cell(const QTableWidget* table, int row, int column) {
  const QTableWidgetItem* item = table->item(row, column);
  return item ? item->text().trimmed() : QString();
}

void SetCell(QTableWidget* table, int row, int column, const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  table->setItem(row, column, item);
}

}  // namespace

WorkloadRulesDialog::WorkloadRulesDialog(const std::string& path, Ui& ui, QWidget* parent,
                                         const std::optional<std::string>& text_given)
    : QDialog(parent), ui_(ui) {
  setWindowTitle("Pitch Count Rules");
  auto* help = new QLabel(
      "A row for each range of pitches thrown in a day and the full days of rest after it.\n"
      "The ranges follow on from one another; leave the last \"To\" empty for \"or more\".");
  table_ = new QTableWidget(0, kColumns);
  table_->setObjectName("rules");
  table_->setHorizontalHeaderLabels({"From pitch", "To pitch", "Days of rest"});
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->horizontalHeaderItem(kTo)->setToolTip("Empty in the last row: that many pitches or more");
  max_ = new QSpinBox;
  max_->setObjectName("max");
  max_->setRange(0, 999);
  max_->setSpecialValueText("no maximum");
  auto* max_label = new QLabel("&Most pitches a day:");
  max_label->setBuddy(max_);
  note_ = new QLabel;
  note_->setObjectName("note");
  note_->setWordWrap(true);
  note_->hide();

  std::string text;
  if (text_given) {
    text = *text_given;
  } else if (FileExists(path) && !ReadWholeTextFile(path, text, std::size_t{1} << 20)) {
    text.clear();
  }
  WorkloadRules rules;
  if (text.empty()) {
    rules = DefaultWorkloadRules();
  } else if (const Status parsed = ParseWorkloadRules(text, rules); !parsed) {
    note_->setText(QString::fromLatin1("The rules kept cannot be used (" + parsed.reason +
                                       "): the youth table is shown instead."));
    note_->show();
    rules = DefaultWorkloadRules();
  } else {
    opened_text_ = text;
    opened_rules_ = rules;
  }
  Show(rules);

  auto* add = new QPushButton("&Add Row");
  add->setObjectName("add_row");
  auto* remove = new QPushButton("&Remove Row");
  remove->setObjectName("remove_row");
  auto* defaults = new QPushButton("&Defaults");
  auto* ok = new QPushButton("&Ok");
  auto* cancel = new QPushButton("&Cancel");
  ok->setDefault(true);
  connect(add, &QPushButton::clicked, this, &WorkloadRulesDialog::AddRow);
  connect(remove, &QPushButton::clicked, this, &WorkloadRulesDialog::RemoveRows);
  connect(defaults, &QPushButton::clicked, this, [this] { Show(DefaultWorkloadRules()); });
  connect(ok, &QPushButton::clicked, this, &WorkloadRulesDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* rows = new QHBoxLayout;
  rows->addWidget(add);
  rows->addWidget(remove);
  rows->addStretch();
  rows->addWidget(max_label);
  rows->addWidget(max_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(defaults);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(help);
  layout->addWidget(table_, 1);
  layout->addLayout(rows);
  layout->addWidget(note_);
  layout->addLayout(buttons);
  resize(520, 380);
}

void WorkloadRulesDialog::Show(const WorkloadRules& rules) {
  table_->setRowCount(0);
  for (const RestStep& step : rules.steps) {
    const int row = table_->rowCount();
    table_->insertRow(row);
    SetCell(table_, row, kFrom, QString::number(step.from));
    SetCell(table_, row, kTo, step.to < 0 ? QString() : QString::number(step.to));
    SetCell(table_, row, kDays, QString::number(step.days));
  }
  max_->setValue(rules.daily_max);
}

void WorkloadRulesDialog::AddRow() {
  const int last = table_->rowCount() - 1;
  bool closed = false;
  const int to = last < 0 ? 0 : Cell(table_, last, kTo).toInt(&closed);
  const int days = last < 0 ? -1 : Cell(table_, last, kDays).toInt();
  table_->insertRow(last + 1);
  SetCell(table_, last + 1, kFrom, last < 0 || closed ? QString::number(to + 1) : QString());
  SetCell(table_, last + 1, kTo, QString());
  SetCell(table_, last + 1, kDays, QString::number(days + 1));
  table_->setCurrentCell(last + 1, last < 0 || closed ? kTo : kFrom);
}

void WorkloadRulesDialog::RemoveRows() {
  std::set<int> rows;
  for (const QTableWidgetItem* item : table_->selectedItems()) rows.insert(item->row());
  if (rows.empty() && table_->rowCount() > 0) rows.insert(table_->rowCount() - 1);
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) table_->removeRow(*row);
}

std::optional<WorkloadRules> WorkloadRulesDialog::Rules(std::string* error) const {
  // The table as the file's lines, a row a line, for the rules' own reader.
  std::string text;
  for (int row = 0; row < table_->rowCount(); ++row) {
    const QString from = Cell(table_, row, kFrom), to = Cell(table_, row, kTo);
    const QString days = Cell(table_, row, kDays);
    if (from.isEmpty() && to.isEmpty() && days.isEmpty()) {
      if (error) *error = "Row " + std::to_string(row + 1) + " is empty: fill it in or remove it.";
      return std::nullopt;
    }
    text += (from.isEmpty() ? QString("?") : from).toStdString() +
            (to.isEmpty() ? std::string("+") : "-" + to.toStdString()) + " " +
            (days.isEmpty() ? std::string("?") : days.toStdString()) + "\n";
  }
  if (max_->value() > 0) text += "max " + std::to_string(max_->value()) + "\n";
  WorkloadRules rules;
  if (const Status parsed = ParseWorkloadRules(text, rules); !parsed) {
    if (error) {
      // "line 2, \"20-40 1\": why": the line is the row.
      const std::size_t why = parsed.reason.find("\": ");
      *error = (parsed.line > 0 && why != std::string::npos
                    ? "Row " + std::to_string(parsed.line) + ": " + parsed.reason.substr(why + 3)
                    : parsed.reason) +
               ".";
    }
    return std::nullopt;
  }
  return rules;
}

void WorkloadRulesDialog::accept() {
  std::string error;
  const std::optional<WorkloadRules> rules = Rules(&error);
  if (!rules) {
    ui_.ShowMessage("These rules cannot be used.\n\n" + error, "Pitch Count Rules",
                    MessageIcon::kExclamation);
    return;
  }
  text_ = rules == opened_rules_ ? opened_text_ : WorkloadRulesText(*rules);
  if (!text_.empty() && text_.back() != '\n') text_ += '\n';
  QDialog::accept();
}

}  // namespace scorewick::app

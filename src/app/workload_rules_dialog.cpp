#include "app/workload_rules_dialog.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "records/file_io.h"
#include "stats/workload_rules.h"

namespace scorewick::app {

WorkloadRulesDialog::WorkloadRulesDialog(const std::string& path, Ui& ui, QWidget* parent,
                                         const std::optional<std::string>& text_given)
    : QDialog(parent), ui_(ui) {
  setWindowTitle("Pitch Count Rules");
  auto* help = new QLabel(
      "One line per range of pitches thrown in a day and the full days of rest after it\n"
      "(\"21-35 1\"; \"66+ 4\" for 66 or more), and \"max 85\" for the most pitches a day.");
  editor_ = new QPlainTextEdit;
  editor_->setObjectName("rules");
  editor_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  std::string text;
  if (text_given) {
    text = *text_given;
  } else if (!FileExists(path) || !ReadWholeTextFile(path, text, std::size_t{1} << 20)) {
    text = WorkloadRulesText(DefaultWorkloadRules());
  }
  editor_->setPlainText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
  auto* defaults = new QPushButton("&Defaults");
  auto* ok = new QPushButton("&Ok");
  auto* cancel = new QPushButton("&Cancel");
  ok->setDefault(true);
  connect(defaults, &QPushButton::clicked, this, [this] {
    const std::string youth = WorkloadRulesText(DefaultWorkloadRules());
    editor_->setPlainText(QString::fromLatin1(youth.data(), static_cast<qsizetype>(youth.size())));
  });
  connect(ok, &QPushButton::clicked, this, &WorkloadRulesDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(defaults);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(help);
  layout->addWidget(editor_, 1);
  layout->addLayout(buttons);
  resize(520, 360);
}

void WorkloadRulesDialog::accept() {
  const QByteArray bytes = editor_->toPlainText().toLatin1();
  std::string text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  if (!text.empty() && text.back() != '\n') text += '\n';
  WorkloadRules rules;
  if (const Status parsed = ParseWorkloadRules(text, rules); !parsed) {
    ui_.ShowMessage("These rules cannot be used: " + parsed.reason, "Pitch Count Rules",
                    MessageIcon::kExclamation);
    return;
  }
  text_ = std::move(text);
  QDialog::accept();
}

}  // namespace scorewick::app

#include "app/scoring_book_panel.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "records/cp1252.h"
#include "reports/play_by_play.h"

namespace scorewick::app {

ScoringBookPanel::ScoringBookPanel(QWidget* parent)
    : QTabWidget(parent), entries_(new QListWidget), play_by_play_(new QPlainTextEdit) {
  setObjectName("bookPanel");
  entries_->setObjectName("bookEntries");
  play_by_play_->setObjectName("playByPlay");
  play_by_play_->setReadOnly(true);
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  entries_->setFont(fixed);
  entries_->setMinimumWidth(120);
  play_by_play_->setFont(fixed);
  play_by_play_->setLineWrapMode(QPlainTextEdit::WidgetWidth);

  auto* book = new QWidget;
  auto* correct = new QPushButton("&Correct...");
  auto* insert = new QPushButton("Insert &Before...");
  auto* remove = new QPushButton("De&lete");
  correct->setObjectName("correctEntry");
  insert->setObjectName("insertEntry");
  remove->setObjectName("deleteEntry");
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {correct, insert, remove}) {
    b->setMinimumHeight(40);
    b->setFocusPolicy(Qt::NoFocus);
    buttons->addWidget(b);
  }
  auto* layout = new QVBoxLayout(book);
  layout->addWidget(entries_);
  layout->addLayout(buttons);
  addTab(book, "Book");
  addTab(play_by_play_, "Play-by-Play");

  const auto chosen = [this] { return entries_->currentRow(); };
  connect(correct, &QPushButton::clicked, this, [this, chosen] {
    if (chosen() >= 0) emit correctEntry(chosen());
  });
  connect(entries_, &QListWidget::itemDoubleClicked, this, [this, chosen] {
    if (chosen() >= 0) emit correctEntry(chosen());
  });
  connect(insert, &QPushButton::clicked, this, [this, chosen] {
    if (chosen() >= 0) emit insertBefore(chosen());
  });
  connect(remove, &QPushButton::clicked, this, [this, chosen] {
    if (chosen() >= 0) emit deleteEntry(chosen());
  });
}

void ScoringBookPanel::Show(const scoring::LiveBook& book) {
  const int row = entries_->currentRow();
  const bool at_end = row < 0 || row == entries_->count() - 1;
  entries_->clear();
  const std::vector<std::string>& lines = book.entries();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    entries_->addItem(
        QString("%1  %2").arg(i + 1, 3).arg(QString::fromStdString(Cp1252ToUtf8(lines[i]))));
  }
  // The last entry stays in view as the game goes on; a chosen past one
  // stays chosen.
  entries_->setCurrentRow(at_end ? entries_->count() - 1 : std::min(row, entries_->count() - 1));
  entries_->scrollToItem(entries_->currentItem());
  std::vector<std::string> narrative;
  if (book.scorer()) reports::AddPlayByPlay(narrative, book.game(), kInnings);
  QString text;
  for (const std::string& line : narrative)
    text += QString::fromStdString(Cp1252ToUtf8(line)) + "\n";
  play_by_play_->setPlainText(text);
  play_by_play_->moveCursor(QTextCursor::End);
}

}  // namespace scorewick::app

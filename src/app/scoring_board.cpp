#include "app/scoring_board.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/core/live_situation.h"
#include "records/codes.h"
#include "records/cp1252.h"

namespace scorewick::app {

namespace {

QString Text(const std::string& record_text) {
  return QString::fromStdString(Cp1252ToUtf8(record_text));
}

QString Ordinal(int n) { return QString::number(n) + QString(OrdinalSuffix(n).data()); }

QLabel* Line(QWidget* parent, const char* name, double scale) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  QFont font = label->font();
  font.setPointSizeF(font.pointSizeF() * scale);
  label->setFont(font);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

ScoringBoard::ScoringBoard(QWidget* parent)
    : QWidget(parent),
      line_score_(new QTableWidget(2, 0, this)),
      situation_(Line(this, "situation", 1.6)),
      batter_(Line(this, "batter", 1.15)),
      pitcher_(Line(this, "pitcher", 1.15)) {
  line_score_->setObjectName("lineScore");
  line_score_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  line_score_->setFocusPolicy(Qt::NoFocus);
  line_score_->setSelectionMode(QAbstractItemView::NoSelection);
  line_score_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  line_score_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  line_score_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  line_score_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  QFont bold = situation_->font();
  bold.setBold(true);
  situation_->setFont(bold);
  // The line score on the left, the situation beside it: the field and the
  // buttons below keep the height of a tablet's screen.
  auto* lines = new QVBoxLayout;
  lines->addWidget(situation_);
  lines->addWidget(batter_);
  lines->addWidget(pitcher_);
  lines->addStretch(1);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(line_score_);
  layout->addLayout(lines, 1);
}

void ScoringBoard::ShowLineScore(const Game& game, int innings) {
  const int columns = std::max(innings, 9);
  line_score_->setColumnCount(columns + 3);
  QStringList heads;
  for (int i = 1; i <= columns; ++i) heads << QString::number(i);
  heads << "R"
        << "H"
        << "E";
  line_score_->setHorizontalHeaderLabels(heads);
  line_score_->setVerticalHeaderLabels(
      {Text(game.visitor.team_name.str()), Text(game.home.team_name.str())});
  for (int row = 0; row < 2; ++row) {
    const bool top = row == 0;
    int runs = 0, hits = 0, errors = 0;
    for (int i = 0; i < columns; ++i) {
      const HALF_INNING& h = game.innings[static_cast<std::size_t>(i)].half(top);
      const bool played = i < innings && !h.at_bats.empty();
      auto* item = new QTableWidgetItem(played ? QString::number(h.runs) : QString());
      item->setTextAlignment(Qt::AlignCenter);
      line_score_->setItem(row, i, item);
      if (!played) continue;
      runs += h.runs;
      hits += h.hits;
      // A half's errors are charged to the side in the field.
      const HALF_INNING& other = game.innings[static_cast<std::size_t>(i)].half(!top);
      errors += other.errors;
    }
    const int totals[3] = {runs, hits, errors};
    for (int k = 0; k < 3; ++k) {
      auto* item = new QTableWidgetItem(QString::number(totals[k]));
      item->setTextAlignment(Qt::AlignCenter);
      QFont font = item->font();
      font.setBold(true);
      item->setFont(font);
      line_score_->setItem(row, columns + k, item);
    }
  }
}

void ScoringBoard::Show(const scoring::LiveBook& book, const WorkloadRules& workload) {
  const scoring::Scorer* s = book.scorer();
  const Game& game = book.game();
  line_score_->setVisible(s != nullptr);
  if (!s && book.Ready()) {
    line_score_->setColumnCount(0);
    situation_->setText("Top of the 1st");
    batter_->setText("The line-ups are set: the first pitch begins the game.");
    pitcher_->clear();
    return;
  }
  if (!s) {
    line_score_->setColumnCount(0);
    situation_->setText("The game has not begun");
    batter_->setText(Text(Situation(book, workload)).trimmed());
    pitcher_->clear();
    return;
  }
  const bool open = s->half_open();
  const bool top = open ? s->top() : s->halves_played() % 2 == 0;
  const int inning = open ? s->inning() + 1 : s->halves_played() / 2 + 1;
  ShowLineScore(game, std::min(kInnings, std::max(inning, (s->halves_played() + 1) / 2)));
  if (book.Over()) {
    situation_->setText("Final: " + Text(game.visitor.team_name.str()) + " " +
                        QString::number(game.visitor_runs) + ", " +
                        Text(game.home.team_name.str()) + " " + QString::number(game.home_runs));
    batter_->setText(Text(Situation(book, workload)).trimmed());
    pitcher_->clear();
    return;
  }
  QString text = QString(top ? "Top" : "Bottom") + " of the " + Ordinal(inning);
  if (open) {
    text += QString(" \u00b7 %1 out%2").arg(s->outs()).arg(s->outs() == 1 ? "" : "s");
    // Between two turns the count of the last one is over.
    const bool turn = s->turn_open();
    text += QString(" \u00b7 count %1-%2").arg(turn ? s->balls() : 0).arg(turn ? s->strikes() : 0);
  }
  situation_->setText(text);
  const bool home_bats = !top;
  const PLAYER batter = s->InSlot(home_bats, s->DueUp(home_bats));
  QString who = QString(s->turn_open() ? "At bat: " : "Up: ") + Text(batter.name.str()) + " (" +
                Text(LineOfTheDay(game, home_bats, batter.name.view())) + ")";
  if (const auto season = season_.find(batter.name.str()); season != season_.end())
    who += "; season " + Text(season->second);
  batter_->setText(who);
  const std::string line = PitcherLine(*s, s->AtPosition(!home_bats, kPosPitcher), workload);
  pitcher_->setText("Pitching: " + Text(line));
  pitcher_->setStyleSheet(line.find("WARNING") != std::string::npos ? "color: #b00000;" : "");
}

}  // namespace scorewick::app

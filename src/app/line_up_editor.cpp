#include "app/line_up_editor.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

#include "records/codes.h"
#include "records/cp1252.h"

namespace scorewick::app {

namespace {

constexpr int kBatters = 9;
constexpr int kPositions[] = {kPosPitcher,    kPosCatcher,         kPosFirst,     kPosSecond,
                              kPosThird,      kPosShortStop,       kPosLeftField, kPosCenterField,
                              kPosRightField, kPosDesignatedHitter};

}  // namespace

LineUpEditor::LineUpEditor(const QString& title, QWidget* parent)
    : QGroupBox(title, parent),
      table_(new QTableWidget(kBatters, 2, this)),
      dh_(new QCheckBox("&Designated hitter; the pitcher does not bat:", this)),
      pitcher_(new QComboBox(this)) {
  table_->setHorizontalHeaderLabels({"Player", "Position"});
  table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  table_->verticalHeader()->setDefaultSectionSize(34);
  for (int row = 0; row < kBatters; ++row) {
    auto* who = new QComboBox;
    auto* where = new QComboBox;
    for (const int p : kPositions) where->addItem(QString(PositionAbbrev(p).data()), p);
    table_->setCellWidget(row, 0, who);
    table_->setCellWidget(row, 1, where);
  }
  auto* up = new QPushButton("Move &Up", this);
  auto* down = new QPushButton("Move Do&wn", this);
  const auto move = [this](int by) {
    const int row = std::max(0, table_->currentRow());
    Move(row, by);
  };
  connect(up, &QPushButton::clicked, this, [move] { move(-1); });
  connect(down, &QPushButton::clicked, this, [move] { move(1); });
  auto* alt_up = new QShortcut(QKeySequence("Alt+Up"), this);
  auto* alt_down = new QShortcut(QKeySequence("Alt+Down"), this);
  alt_up->setContext(Qt::WidgetWithChildrenShortcut);
  alt_down->setContext(Qt::WidgetWithChildrenShortcut);
  connect(alt_up, &QShortcut::activated, this, [move] { move(-1); });
  connect(alt_down, &QShortcut::activated, this, [move] { move(1); });
  connect(dh_, &QCheckBox::toggled, this, [this] { ShowDh(); });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(up);
  buttons->addWidget(down);
  buttons->addStretch(1);
  auto* dh_row = new QHBoxLayout;
  dh_row->addWidget(dh_);
  dh_row->addWidget(pitcher_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  layout->addLayout(buttons);
  layout->addLayout(dh_row);
  ShowDh();
}

QComboBox* LineUpEditor::player(int slot) const {
  return static_cast<QComboBox*>(table_->cellWidget(slot, 0));
}
QComboBox* LineUpEditor::position(int slot) const {
  return static_cast<QComboBox*>(table_->cellWidget(slot, 1));
}

void LineUpEditor::Fill(QComboBox* box) const {
  box->clear();
  for (const PLAYER& p : team_.players()) {
    QString label = QString::fromStdString(Cp1252ToUtf8(p.name.str()));
    if (p.uniform_number >= 0) label = QString("#%1 ").arg(p.uniform_number) + label;
    box->addItem(label, QString::fromStdString(Cp1252ToUtf8(p.name.str())));
  }
}

void LineUpEditor::SetTeam(const Team& team) {
  team_ = team;
  Fill(pitcher_);
  // The usual line-up of the roster (its batting order); the positions it
  // leaves open filled by the first players of the bench who play them (a
  // rotation's pitcher is often left out of it); with a designated hitter,
  // the first pitcher of the bench starts without batting.
  std::vector<const PLAYER*> order;
  for (const PLAYER& p : team.players()) {
    if (p.batting_order >= 1 && p.batting_order <= kBatters) order.push_back(&p);
  }
  std::sort(order.begin(), order.end(),
            [](const PLAYER* a, const PLAYER* b) { return a->batting_order < b->batting_order; });
  const auto taken = [&order](const PLAYER& p) {
    return std::find(order.begin(), order.end(), &p) != order.end();
  };
  const auto plays = [&order](int position) {
    return std::any_of(order.begin(), order.end(),
                       [position](const PLAYER* p) { return p->position == position; });
  };
  const auto bench_player = [&](int position) -> const PLAYER* {
    for (const PLAYER& p : team.players()) {
      if (!taken(p) && (position == 0 || p.position == position)) return &p;
    }
    return nullptr;
  };
  const bool dh = plays(kPosDesignatedHitter);
  const PLAYER* pitcher = dh && !plays(kPosPitcher) ? bench_player(kPosPitcher) : nullptr;
  for (int position = kPosPitcher; position <= kPosRightField && order.size() < kBatters;
       ++position) {
    if (plays(position) || (pitcher && position == kPosPitcher)) continue;
    if (const PLAYER* p = bench_player(position)) order.push_back(p);
  }
  while (order.size() < kBatters && bench_player(0)) order.push_back(bench_player(0));
  for (int row = 0; row < kBatters; ++row) {
    Fill(player(row));
    if (row >= int(order.size())) continue;
    const PLAYER& p = *order[std::size_t(row)];
    player(row)->setCurrentIndex(team.IndexOfPlayer(p.name.view()));
    position(row)->setCurrentIndex(std::max(0, position(row)->findData(int(p.position))));
  }
  dh_->setChecked(pitcher != nullptr);
  if (pitcher) pitcher_->setCurrentIndex(team.IndexOfPlayer(pitcher->name.view()));
  ShowDh();
}

void LineUpEditor::Move(int slot, int by) {
  const int other = slot + by;
  if (slot < 0 || other < 0 || slot >= kBatters || other >= kBatters) return;
  for (QComboBox* (LineUpEditor::*box)(int) const :
       {&LineUpEditor::player, &LineUpEditor::position}) {
    QComboBox* a = (this->*box)(slot);
    QComboBox* b = (this->*box)(other);
    const int index = a->currentIndex();
    a->setCurrentIndex(b->currentIndex());
    b->setCurrentIndex(index);
  }
  table_->setCurrentCell(other, 0);
}

void LineUpEditor::ShowDh() { pitcher_->setEnabled(dh_->isChecked()); }

scoring::StartingLineUp LineUpEditor::LineUp() const {
  scoring::StartingLineUp line_up;
  for (int row = 0; row < kBatters; ++row) {
    line_up.batters.push_back({Utf8ToCp1252(player(row)->currentData().toString().toStdString()),
                               position(row)->currentData().toInt()});
  }
  if (dh_->isChecked())
    line_up.pitcher = Utf8ToCp1252(pitcher_->currentData().toString().toStdString());
  return line_up;
}

}  // namespace scorewick::app

#include "app/substitution_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <algorithm>

#include "records/codes.h"
#include "records/cp1252.h"

namespace scorewick::app {

namespace {

enum Kind { kPinchHitter, kPinchRunner, kPitcher, kFielder, kMove };

QString Name(const PLAYER& p) { return QString::fromStdString(Cp1252ToUtf8(p.name.str())); }

}  // namespace

SubstitutionDialog::SubstitutionDialog(const scoring::Scorer& scorer, QWidget* parent)
    : QDialog(parent),
      scorer_(scorer),
      kind_(new QComboBox(this)),
      place_(new QComboBox(this)),
      players_(new QListWidget(this)) {
  setWindowTitle("Substitution");
  setObjectName("substitutionDialog");
  kind_->setObjectName("substitutionKind");
  place_->setObjectName("substitutionPlace");
  players_->setObjectName("substitutionPlayers");
  kind_->addItem("Pinch hitter", kPinchHitter);
  kind_->addItem("Pinch runner", kPinchRunner);
  kind_->addItem("Pitching change", kPitcher);
  kind_->addItem("New fielder", kFielder);
  kind_->addItem("Move a player in the game", kMove);
  for (QComboBox* box : {kind_, place_}) box->setMinimumHeight(40);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* layout = new QFormLayout(this);
  layout->addRow("&Kind:", kind_);
  layout->addRow("&Where:", place_);
  layout->addRow("&Player:", players_);
  layout->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    if (!Word().empty()) accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(players_, &QListWidget::itemDoubleClicked, this, [this] {
    if (!Word().empty()) accept();
  });
  connect(kind_, &QComboBox::currentIndexChanged, this, [this] { Fill(); });
  Fill();
  resize(420, 480);
}

void SubstitutionDialog::Fill() {
  const int kind = kind_->currentData().toInt();
  const bool open = scorer_.half_open();
  const bool top = open ? scorer_.top() : scorer_.halves_played() % 2 == 0;
  const bool batting = kind == kPinchHitter || kind == kPinchRunner;
  const bool home = batting ? !top : top;
  place_->clear();
  if (kind == kPinchRunner) {
    for (int base = 1; base <= 3; ++base) {
      if (scorer_.occupied(base))
        place_->addItem(QString("for %1 on %2%3")
                            .arg(Name(scorer_.runner(base)))
                            .arg(base)
                            .arg(OrdinalSuffix(base).data()),
                        base);
    }
  } else if (kind == kFielder || kind == kMove) {
    for (int position = kPosPitcher; position <= kPosRightField; ++position) {
      const PLAYER now = scorer_.AtPosition(home, position);
      place_->addItem(QString("%1 (%2)")
                          .arg(QString(PositionName(position).data()))
                          .arg(now.name.empty() ? QString("nobody") : Name(now)),
                      position);
    }
  }
  place_->setEnabled(place_->count() > 0);
  players_->clear();
  const Team& team = home ? scorer_.game().home : scorer_.game().visitor;
  if (kind == kMove) {
    for (int slot = 1; slot <= scorer_.SlotCount(home); ++slot)
      players_->addItem(Name(scorer_.InSlot(home, slot)));
    const PLAYER pitcher = scorer_.AtPosition(home, kPosPitcher);
    if (scorer_.UsesDh(home) && !pitcher.name.empty()) players_->addItem(Name(pitcher));
  } else {
    for (const PLAYER& p : team.players()) {
      if (!scorer_.HasPlayed(home, p.name.view())) players_->addItem(Name(p));
    }
  }
  if (players_->count() > 0) players_->setCurrentRow(0);
}

std::string SubstitutionDialog::Word() const {
  const QListWidgetItem* chosen = players_->currentItem();
  if (!chosen) return {};
  std::string name = Utf8ToCp1252(chosen->text().toStdString());
  std::replace(name.begin(), name.end(), '"', '\'');
  const std::string quoted = "\"" + name + "\"";
  const int place = place_->currentData().toInt();
  switch (kind_->currentData().toInt()) {
    case kPinchHitter:
      return "PH " + quoted;
    case kPinchRunner:
      return place >= 1 ? "PR" + std::to_string(place) + " " + quoted : std::string();
    case kPitcher:
      return "P " + quoted;
    case kFielder:
      return "D" + std::to_string(place) + " " + quoted;
    default:
      return "M" + std::to_string(place) + " " + quoted;
  }
}

}  // namespace scorewick::app

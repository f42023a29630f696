#include "app/scoring_decisions_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <set>

#include "records/codes.h"
#include "records/cp1252.h"

namespace scorewick::app {

namespace {

constexpr const char* kNone = "(none)";

}  // namespace

ScoringDecisionsDialog::ScoringDecisionsDialog(const Game& game, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle("Decisions");
  setObjectName("decisionsDialog");
  // Every pitcher who took the mound, in the order he came in.
  std::vector<std::string>& pitchers = pitchers_;
  std::set<std::string> seen;
  for (const INNING& in : game.innings) {
    for (const HALF_INNING* h : {&in.top, &in.bottom}) {
      for (const PLAYER& p : h->defense) {
        if (p.position == kPosPitcher && seen.insert(p.name.str()).second)
          pitchers.push_back(p.name.str());
      }
    }
  }
  const PLAYER* decided[3] = {&game.winning_pitcher, &game.losing_pitcher, &game.saving_pitcher};
  const char* labels[3] = {"&Winning pitcher:", "&Losing pitcher:", "&Saving pitcher:"};
  auto* layout = new QFormLayout(this);
  for (int k = 0; k < 3; ++k) {
    boxes_[k] = new QComboBox(this);
    boxes_[k]->setObjectName(QString("decision%1").arg(k));
    boxes_[k]->setMinimumHeight(40);
    boxes_[k]->addItem(kNone, -1);
    given_[k] = decided[k]->name.str();
    for (std::size_t i = 0; i < pitchers.size(); ++i) {
      boxes_[k]->addItem(QString::fromStdString(Cp1252ToUtf8(pitchers[i])), int(i));
      if (pitchers[i] == given_[k]) boxes_[k]->setCurrentIndex(boxes_[k]->count() - 1);
    }
    layout->addRow(labels[k], boxes_[k]);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::vector<std::string> ScoringDecisionsDialog::Words() const {
  static const char* kWords[3] = {"won", "lost", "saved"};
  std::vector<std::string> words;
  for (int k = 0; k < 3; ++k) {
    const int i = boxes_[k]->currentData().toInt();
    const std::string name = i >= 0 ? pitchers_[std::size_t(i)] : std::string();
    if (name == given_[k]) continue;
    words.push_back(std::string(kWords[k]) + " " + (name.empty() ? "none" : "\"" + name + "\""));
  }
  return words;
}

}  // namespace scorewick::app

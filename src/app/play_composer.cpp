#include "app/play_composer.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "app/scoring_field.h"
#include "records/codes.h"
#include "records/cp1252.h"

namespace scorewick::app {

namespace {

using scoring::FieldersTaken;

// A finger's width and more: the pad is used on a tablet.
constexpr int kButtonHeight = 44;

QString BaseName(int base) {
  return base >= 4 ? "home" : QString::number(base) + QString(OrdinalSuffix(base).data());
}

QString Hint(FieldersTaken taken) {
  switch (taken) {
    case FieldersTaken::kNone:
      return "Record the play (Enter), or change where the runners went first.";
    case FieldersTaken::kOptional:
      return "Tap where the ball went on the field (optional), then record the play.";
    case FieldersTaken::kOne:
      return "Tap the fielder who made the play.";
    case FieldersTaken::kChain:
      return "Tap the fielders in the order the ball went (6, 4, 3).";
  }
  return {};
}

std::vector<int> Digits(const QString& text) {
  std::vector<int> digits;
  for (const QChar c : text) {
    if (c >= '1' && c <= '9') digits.push_back(c.digitValue());
  }
  return digits;
}

}  // namespace

PlayComposer::PlayComposer(QWidget* parent)
    : QWidget(parent),
      results_(new QGridLayout),
      runners_(new QGridLayout),
      hint_(new QLabel(this)),
      record_(new QPushButton("&Record Play", this)) {
  setObjectName("playComposer");
  hint_->setObjectName("composerHint");
  hint_->setWordWrap(true);
  record_->setObjectName("recordPlay");
  record_->setMinimumHeight(kButtonHeight);
  record_->setFocusPolicy(Qt::NoFocus);  // the entry line keeps the keys
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("cancelPlay");
  cancel->setMinimumHeight(kButtonHeight);
  cancel->setFocusPolicy(Qt::NoFocus);
  auto* results = new QGroupBox("Result", this);
  results->setLayout(results_);
  results_->setSpacing(4);
  auto* runners = new QGroupBox("Runners", this);
  runners->setObjectName("runnersBox");
  runners->setLayout(runners_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(record_, 2);
  buttons->addWidget(cancel, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(results);
  layout->addWidget(hint_);
  layout->addWidget(runners);
  layout->addStretch(1);
  layout->addLayout(buttons);
  connect(record_, &QPushButton::clicked, this, &PlayComposer::recordRequested);
  connect(cancel, &QPushButton::clicked, this, &PlayComposer::cancelled);
}

void PlayComposer::Begin(scoring::LiveBook& book) {
  book_ = &book;
  choices_ = scoring::ResultChoices(book);
  if (buttons_.empty()) {
    const int columns = 4;
    for (std::size_t i = 0; i < choices_.size(); ++i) {
      auto* button = new QPushButton(
          QString::fromUtf8(choices_[i].kind.label.data(), int(choices_[i].kind.label.size())),
          this);
      button->setMinimumHeight(kButtonHeight);
      button->setCheckable(true);
      button->setFocusPolicy(Qt::NoFocus);
      results_->addWidget(button, int(i) / columns, int(i) % columns);
      connect(button, &QPushButton::clicked, this, [this, i] { ChooseKind(int(i)); });
      buttons_.push_back(button);
    }
  }
  for (std::size_t i = 0; i < buttons_.size() && i < choices_.size(); ++i) {
    const std::string& why = choices_[i].why_not;
    buttons_[i]->setEnabled(why.empty());
    buttons_[i]->setChecked(false);
    buttons_[i]->setToolTip(why.empty() ? QString() : QString::fromStdString(why));
  }
  kind_ = -1;
  fielders_.clear();
  place_.reset();
  taps_to_runner_ = -1;
  hint_->setText("Choose the result of the play.");
  Propose();
}

QPushButton* PlayComposer::ResultButton(const QString& label) const {
  for (QPushButton* b : buttons_) {
    if (b->text() == label) return b;
  }
  return nullptr;
}

QComboBox* PlayComposer::RunnerWhere(int from) const {
  for (const RunnerRow& r : rows_) {
    if (r.from == from) return r.where;
  }
  return nullptr;
}

QComboBox* PlayComposer::RunnerWhy(int from) const {
  for (const RunnerRow& r : rows_) {
    if (r.from == from) return r.why;
  }
  return nullptr;
}

const std::vector<int>& PlayComposer::fielders() const { return fielders_; }

void PlayComposer::ChooseKind(int index) {
  kind_ = index;
  for (std::size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->setChecked(int(i) == index);
  fielders_.clear();
  taps_to_runner_ = -1;
  hint_->setText(Hint(choices_[static_cast<std::size_t>(index)].kind.fielders));
  Propose();
}

void PlayComposer::TapFielder(int position) {
  if (taps_to_runner_ >= 0 && taps_to_runner_ < int(rows_.size())) {
    QLineEdit* edit = rows_[static_cast<std::size_t>(taps_to_runner_)].fielders;
    edit->setText(edit->text().isEmpty() ? QString::number(position)
                                         : edit->text() + "-" + QString::number(position));
    return;  // the edit tells the change
  }
  if (kind_ < 0) return;
  switch (choices_[static_cast<std::size_t>(kind_)].kind.fielders) {
    case FieldersTaken::kNone:
      return;
    case FieldersTaken::kOne:
    case FieldersTaken::kOptional:
      fielders_ = {position};
      break;
    case FieldersTaken::kChain:
      fielders_.push_back(position);
      break;
  }
  Propose();
}

void PlayComposer::TapPlace(QPoint p) {
  place_ = p;
  // A hit with no fielder named goes to the fielder nearest where it went.
  if (kind_ >= 0 && fielders_.empty() &&
      choices_[static_cast<std::size_t>(kind_)].kind.fielders == FieldersTaken::kOptional) {
    int nearest = 1, best = 1 << 30;
    for (int f = 1; f <= 9; ++f) {
      const QPoint d = FielderSpot(f) - p;
      if (d.x() * d.x() + d.y() * d.y() < best) {
        best = d.x() * d.x() + d.y() * d.y();
        nearest = f;
      }
    }
    fielders_ = {nearest};
    Propose();
    return;
  }
  emit wordsChanged();
}

std::string PlayComposer::ResultWordNow() const {
  if (kind_ < 0) return {};
  std::string word = scoring::ResultWord(choices_[static_cast<std::size_t>(kind_)].kind, fielders_);
  if (!word.empty() && place_)
    word += "@" + std::to_string(place_->x()) + "," + std::to_string(place_->y());
  return word;
}

void PlayComposer::Propose() {
  proposed_.clear();
  const scoring::Scorer* s = book_ ? book_->scorer() : nullptr;
  if (s) {
    scoring::Play play;
    const std::string word = ResultWordNow();
    if (word.empty() || !book_->Preview(word, play)) play = scoring::Play{};
    proposed_ = scoring::RunnerEnds(*s, play);
  }
  BuildRunnerRows();
  emit wordsChanged();
}

// Where a runner ends: on his base, on one further, home, or out at one;
// set to where the book's defaults put him.
QComboBox* PlayComposer::RunnerWhereBox(const scoring::RunnerEnd& e) {
  auto* where = new QComboBox(this);
  where->setObjectName(QString("runnerWhere%1").arg(e.from));
  where->setMinimumHeight(36);
  const int first = std::max(e.from, 1);
  if (e.from > 0 && e.to == e.from && !e.out)
    where->addItem("stays on " + BaseName(e.from), e.from);
  for (int base = e.from == 0 ? 1 : e.from + 1; base <= 4; ++base) {
    // A batter who reached holds at least the base of his hit.
    if (e.from == 0 && !e.out && base < e.to && base < 4) continue;
    where->addItem(base == 4 ? QString("scores") : "to " + BaseName(base), base);
  }
  for (int base = first + (e.from == 0 ? 0 : 1); base <= 4; ++base)
    where->addItem("out at " + BaseName(base), -base);
  where->setCurrentIndex(std::max(0, where->findData(e.out ? -e.to : e.to)));
  return where;
}

// Why a runner advanced: on the play, the throw, an error, a wild pitch
// or a passed ball.
QComboBox* PlayComposer::RunnerWhyBox(int from) {
  auto* why = new QComboBox(this);
  why->setObjectName(QString("runnerWhy%1").arg(from));
  why->setMinimumHeight(36);
  why->addItem("on the play", "");
  why->addItem("on the throw", "T");
  for (int f = 1; f <= 9; ++f) why->addItem(QString("error by %1").arg(f), QString("E%1").arg(f));
  why->addItem("wild pitch", "WP");
  why->addItem("passed ball", "PB");
  return why;
}

// The fielders who put a runner out, shown while he is out.
QLineEdit* PlayComposer::RunnerFieldersBox(const scoring::RunnerEnd& e) {
  auto* fielders = new QLineEdit(this);
  fielders->setObjectName(QString("runnerFielders%1").arg(e.from));
  fielders->setPlaceholderText("fielders, like 8-5");
  std::string chain;
  for (int f : e.fielders) chain += (chain.empty() ? "" : "-") + std::to_string(f);
  fielders->setText(QString::fromStdString(chain));
  fielders->setVisible(e.out);
  return fielders;
}

void PlayComposer::BuildRunnerRows() {
  while (QLayoutItem* item = runners_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  rows_.clear();
  const scoring::Scorer* s = book_ ? book_->scorer() : nullptr;
  if (!s) return;
  const bool home_bats = !s->top();
  int line = 0;
  for (const scoring::RunnerEnd& e : proposed_) {
    const PLAYER who = e.from == 0 ? s->InSlot(home_bats, s->DueUp(home_bats)) : s->runner(e.from);
    auto* name = new QLabel((e.from == 0 ? QString("Batter ") : "On " + BaseName(e.from) + " ") +
                                QString::fromStdString(Cp1252ToUtf8(who.name.str())),
                            this);
    RunnerRow row;
    row.from = e.from;
    row.where = RunnerWhereBox(e);
    row.why = RunnerWhyBox(e.from);
    row.fielders = RunnerFieldersBox(e);
    runners_->addWidget(name, line, 0);
    runners_->addWidget(row.where, line, 1);
    runners_->addWidget(row.why, line, 2);
    runners_->addWidget(row.fielders, line, 3);
    const int index = line;
    connect(row.where, &QComboBox::currentIndexChanged, this, [this, index] {
      RunnerRow& r = rows_[static_cast<std::size_t>(index)];
      const bool out = r.where->currentData().toInt() < 0;
      r.fielders->setVisible(out);
      r.why->setEnabled(!out);
      if (out) {
        taps_to_runner_ = index;
        hint_->setText("Tap the fielders who put the runner out.");
      }
      emit wordsChanged();
    });
    connect(row.why, &QComboBox::currentIndexChanged, this, &PlayComposer::wordsChanged);
    connect(row.fielders, &QLineEdit::textChanged, this, &PlayComposer::wordsChanged);
    rows_.push_back(row);
    ++line;
  }
  if (rows_.empty()) runners_->addWidget(new QLabel("Nobody on base.", this), 0, 0);
}

std::vector<scoring::RunnerEnd> PlayComposer::ChosenEnds() const {
  std::vector<scoring::RunnerEnd> ends;
  for (const RunnerRow& r : rows_) {
    const int v = r.where->currentData().toInt();
    scoring::RunnerEnd e;
    e.from = r.from;
    e.to = std::abs(v);
    e.out = v < 0;
    if (e.out) e.fielders = Digits(r.fielders->text());
    if (!e.out) e.reason = r.why->currentData().toString().toStdString();
    ends.push_back(e);
  }
  return ends;
}

std::string PlayComposer::Words() const {
  std::string words = ResultWordNow();
  if (words.empty()) return words;
  for (const std::string& w : scoring::RunnerWords(proposed_, ChosenEnds())) words += " " + w;
  return words;
}

bool PlayComposer::Ready() const {
  if (ResultWordNow().empty()) return false;
  for (const scoring::RunnerEnd& e : ChosenEnds()) {
    if (e.out && e.fielders.empty()) return false;
  }
  return true;
}

}  // namespace scorewick::app

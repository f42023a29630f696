#include "app/scoring_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSplitter>
#include <QUrl>
#include <QVBoxLayout>
#include <filesystem>

#include "app/core/settings.h"
#include "app/core/stat_rules_of.h"
#include "app/help_page_dialog.h"
#include "app/play_composer.h"
#include "app/save_question.h"
#include "app/scoring_board.h"
#include "app/scoring_book_panel.h"
#include "app/scoring_decisions_dialog.h"
#include "app/scoring_field.h"
#include "app/strike_zone_pad.h"
#include "app/substitution_dialog.h"
#include "records/cp1252.h"
#include "records/file_io.h"
#include "reports/box_score.h"
#include "scoring/book.h"
#include "scoring/book_words.h"

namespace scorewick::app {

namespace {

// Buttons a finger can hit: 9 mm is about 34 pixels at 96 dots an inch.
constexpr int kButtonHeight = 44;
constexpr const char* kScoringHelp = "help/scoring_window.html";

QString Utf8(const std::string& record_text) {
  return QString::fromStdString(Cp1252ToUtf8(record_text));
}

// Why a change of the book in its middle was refused: the first entry the
// rest of the game no longer fits, when that is where it failed.
std::string WhyNotChanged(const Status& done) {
  return done.line > 0 ? "entry " + std::to_string(done.line) + " no longer fits: " + done.reason
                       : done.reason;
}

// The pitch pad's page and the composer's page of the stack.
enum Page { kPitchPage = 0, kPlayPage = 1 };

}  // namespace

ScoringWindow::ScoringWindow(const std::string& game_path, Session& session, Ui& ui,
                             QWidget* parent)
    : QMainWindow(parent),
      game_path_(game_path),
      session_(session),
      ui_(ui),
      kept_(game_path),
      board_(new ScoringBoard),
      field_(new ScoringField),
      zone_(new StrikeZonePad),
      composer_(new PlayComposer),
      book_panel_(new ScoringBookPanel),
      pads_(new QStackedWidget),
      entry_(new QLineEdit),
      message_(new QLabel) {
  setObjectName("scoringWindow");
  setAttribute(Qt::WA_DeleteOnClose, false);
  entry_->setObjectName("entryLine");
  message_->setObjectName("scoringMessage");
  message_->setWordWrap(true);
  QFont entry_font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  entry_font.setPointSizeF(entry_font.pointSizeF() * 1.3);
  entry_->setFont(entry_font);
  entry_->setMinimumHeight(kButtonHeight);
  entry_->setPlaceholderText("Type the words of the book (bsf 6-3, 1B7 1-3, SB2) and press Enter");

  pads_->addWidget(BuildPitchPad());
  pads_->addWidget(composer_);

  auto* split = new QSplitter(Qt::Horizontal);
  split->addWidget(field_);
  split->addWidget(pads_);
  split->addWidget(book_panel_);
  split->setStretchFactor(0, 4);
  split->setStretchFactor(1, 4);
  split->setStretchFactor(2, 2);
  split->setSizes({470, 520, 270});
  split->setChildrenCollapsible(false);

  auto* enter = new QPushButton("Enter");
  enter->setObjectName("enterWords");
  enter->setMinimumHeight(kButtonHeight);
  enter->setFocusPolicy(Qt::NoFocus);
  auto* entry_row = new QHBoxLayout;
  entry_row->addWidget(entry_, 1);
  entry_row->addWidget(enter);

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(6, 4, 6, 4);
  layout->setSpacing(4);
  layout->addWidget(board_);
  layout->addWidget(split, 1);
  layout->addLayout(entry_row);
  layout->addWidget(message_);
  setCentralWidget(central);
  BuildMenus();

  entry_->installEventFilter(this);
  connect(enter, &QPushButton::clicked, this, [this] { Enter(entry_->text()); });
  connect(entry_, &QLineEdit::returnPressed, this, [this] { Enter(entry_->text()); });
  // Typing takes over from the buttons: what is typed is the word.
  connect(entry_, &QLineEdit::textEdited, this, [this] {
    awaiting_prefix_.clear();
    awaiting_fielders_.clear();
  });
  connect(field_, &ScoringField::fielderTapped, this, &ScoringWindow::FielderTapped);
  connect(field_, &ScoringField::placeTapped, this, &ScoringWindow::PlaceTapped);
  connect(composer_, &PlayComposer::wordsChanged, this, &ScoringWindow::ShowComposed);
  connect(composer_, &PlayComposer::recordRequested, this, [this] { Enter(entry_->text()); });
  connect(composer_, &PlayComposer::cancelled, this, &ScoringWindow::CancelPlay);
  connect(book_panel_, &ScoringBookPanel::correctEntry, this,
          [this](int index) { EditEntry(index, false); });
  connect(book_panel_, &ScoringBookPanel::insertBefore, this,
          [this](int index) { EditEntry(index, true); });
  connect(book_panel_, &ScoringBookPanel::deleteEntry, this, &ScoringWindow::DeleteEntry);

  // A tablet's screen, or as much of a smaller one as there is.
  QSize size(1280, 800);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableSize());
  resize(size);
}

ScoringWindow::~ScoringWindow() = default;

QPushButton* ScoringWindow::AddButton(QWidget* parent, const QString& name, const QString& label,
                                      const QString& word_tip) {
  auto* button = new QPushButton(label, parent);
  button->setObjectName(name);
  button->setMinimumHeight(kButtonHeight);
  button->setFocusPolicy(Qt::NoFocus);  // the entry line keeps the keys
  button->setToolTip("Writes " + word_tip);
  buttons_[name] = button;
  return button;
}

QPushButton* ScoringWindow::button(const QString& name) const {
  const auto found = buttons_.find(name);
  return found == buttons_.end() ? nullptr : found->second;
}

// The pitches, the batter awarded first, and the throws to a base.
QGroupBox* ScoringWindow::BuildPitchButtons(QWidget* pad) {
  auto* pitches = new QGroupBox("Pitch", pad);
  auto* pitch_grid = new QGridLayout(pitches);
  struct PitchButton {
    const char* name;
    const char* label;
    char letter;
  };
  static const PitchButton kPitches[] = {{"ball", "&Ball", 'b'},
                                         {"calledStrike", "&Called Strike", 'c'},
                                         {"swingingStrike", "&Swinging Strike", 's'},
                                         {"foul", "&Foul", 'f'}};
  int at = 0;
  for (const PitchButton& p : kPitches) {
    QPushButton* b = AddButton(pad, p.name, p.label, QString("%1").arg(p.letter));
    pitch_grid->addWidget(b, at / 2, at % 2);
    const char letter = p.letter;
    connect(b, &QPushButton::clicked, this, [this, letter] { Pitch(letter); });
    ++at;
  }
  QPushButton* in_play = AddButton(pad, "inPlay", "In &Play...", "the result of the play");
  in_play->setStyleSheet("font-weight: bold;");
  pitch_grid->addWidget(in_play, 2, 0);
  connect(in_play, &QPushButton::clicked, this, &ScoringWindow::InPlay);
  QPushButton* hbp = AddButton(pad, "hitByPitch", "Hit b&y Pitch", "HBP");
  pitch_grid->addWidget(hbp, 2, 1);
  connect(hbp, &QPushButton::clicked, this, [this] { Apply({"HBP"}); });
  QPushButton* ibb = AddButton(pad, "intentionalWalk", "&Intentional Walk", "i... IBB");
  pitch_grid->addWidget(ibb, 3, 0);
  connect(ibb, &QPushButton::clicked, this, &ScoringWindow::IntentionalWalk);
  auto* throws = new QHBoxLayout;
  for (int base = 1; base <= 3; ++base) {
    const std::string word = "POA" + std::to_string(base);
    QPushButton* b = AddButton(pad, QString("throw%1").arg(base), QString("Throw to &%1").arg(base),
                               QString::fromStdString(word));
    throws->addWidget(b);
    connect(b, &QPushButton::clicked, this, [this, word] { Apply({word}); });
  }
  pitch_grid->addLayout(throws, 3, 1);
  return pitches;
}

// The runners' plays between pitches, and the substitutions.
QGroupBox* ScoringWindow::BuildBetweenPitches(QWidget* pad) {
  auto* between = new QGroupBox("Between pitches", pad);
  auto* between_grid = new QGridLayout(between);
  struct Event {
    const char* name;
    const char* label;
    const char* word;
    const char* suffix;  // a word that takes its fielders: "(" ... ")"
  };
  static const Event kEvents[] = {
      {"steal2", "Steal 2nd", "SB2", nullptr},
      {"steal3", "Steal 3rd", "SB3", nullptr},
      {"stealHome", "Steal Home", "SBH", nullptr},
      {"caught2", "Caught at 2nd", "CS2(", ")"},
      {"caught3", "Caught at 3rd", "CS3(", ")"},
      {"caughtHome", "Caught at Home", "CSH(", ")"},
      {"pickedOff1", "Picked Off 1st", "PO1(", ")"},
      {"pickedOff2", "Picked Off 2nd", "PO2(", ")"},
      {"pickedOff3", "Picked Off 3rd", "PO3(", ")"},
      {"wildPitch", "Wild Pitch", "WP", nullptr},
      {"passedBall", "Passed Ball", "PB", nullptr},
      {"balk", "Balk", "BK", nullptr},
      {"indifference2", "Indifference 2nd", "DI2", nullptr},
      {"indifference3", "Indifference 3rd", "DI3", nullptr},
  };
  int at = 0;
  for (const Event& e : kEvents) {
    QPushButton* b = AddButton(pad, e.name, e.label,
                               QString(e.word) + (e.suffix ? QString("fielders") + e.suffix : ""));
    between_grid->addWidget(b, at / 3, at % 3);
    const std::string word = e.word;
    const std::string suffix = e.suffix ? e.suffix : "";
    connect(b, &QPushButton::clicked, this, [this, word, suffix] {
      if (suffix.empty()) {
        Apply({word});
      } else {
        AwaitFielders(word, suffix);
      }
    });
    ++at;
  }
  QPushButton* change = AddButton(pad, "substitution", "Substitution... (F2)", "PH, PR, P, D or M");
  between_grid->addWidget(change, at / 3 + 1, 0, 1, 3);
  connect(change, &QPushButton::clicked, this, &ScoringWindow::Substitute);
  return between;
}

QWidget* ScoringWindow::BuildPitchPad() {
  auto* pad = new QWidget;
  QGroupBox* pitches = BuildPitchButtons(pad);
  QGroupBox* between = BuildBetweenPitches(pad);
  auto* top = new QHBoxLayout;
  top->addWidget(pitches, 1);
  top->addWidget(zone_);
  auto* layout = new QVBoxLayout(pad);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(top);
  layout->addWidget(between);
  layout->addStretch(1);
  return pad;
}

void ScoringWindow::BuildMenus() {
  QMenu* game = menuBar()->addMenu("&Game");
  QAction* sub = game->addAction("&Substitution...", this, &ScoringWindow::Substitute);
  sub->setShortcut(Qt::Key_F2);
  QAction* box = game->addAction("&Box Score", this, &ScoringWindow::ShowBoxScore);
  box->setShortcut(QKeySequence("Ctrl+B"));
  game->addAction("Change &Decisions...", this, &ScoringWindow::ChangeDecisions);
  game->addAction("&Call the Game...", this, &ScoringWindow::CallGame);
  game->addSeparator();
  QAction* close_action = game->addAction("&Close", this, &QWidget::close);
  close_action->setShortcut(QKeySequence("Ctrl+W"));
  QMenu* edit = menuBar()->addMenu("&Edit");
  undo_ = edit->addAction("&Undo", this, &ScoringWindow::Undo);
  undo_->setShortcut(QKeySequence("Ctrl+Z"));
  redo_ = edit->addAction("&Redo", this, &ScoringWindow::Redo);
  redo_->setShortcut(QKeySequence("Ctrl+Y"));
  edit->addSeparator();
  QAction* focus = edit->addAction("&Entry Line", this, [this] { entry_->setFocus(); });
  focus->setShortcut(QKeySequence("Ctrl+L"));
  QAction* cancel = edit->addAction("Cancel the &Play", this, &ScoringWindow::CancelPlay);
  cancel->setShortcut(Qt::Key_Escape);
  QMenu* help = menuBar()->addMenu("&Help");
  QAction* keys = help->addAction("&Scoring Window", this, &ScoringWindow::ShowHelp);
  keys->setShortcut(Qt::Key_F1);
}

bool ScoringWindow::Open(const std::vector<std::string>& new_game) {
  const std::string rules_file =
      (std::filesystem::path(session_.start_folder) / kWorkloadRulesFileName).string();
  if (Status loaded = LoadWorkloadRules(rules_file, true, workload_); !loaded)
    workload_ = DefaultWorkloadRules();
  Status opened;
  std::string notice;
  if (!new_game.empty()) {
    opened = kept_.Begin(new_game);
  } else if (kept_.Begun()) {
    opened = kept_.Open(LeagueRulesOf(session_.settings), &notice);
  } else {
    opened = Status::Failed(game_path_, "there is no game " + game_path_ +
                                            " to go on with: start it with Game > New Game");
  }
  if (!opened) {
    ui_.ShowMessage("The game cannot be scored.\n\n" + opened.reason, kScoringCaption,
                    MessageIcon::kExclamation);
    return false;
  }
  session_.folders.RememberScoredGame(game_path_);
  static_cast<void>(SaveRememberedFolders(session_.start_folder, session_.folders));
  setWindowTitle(QString("Scoring - ") +
                 QString::fromStdString(std::filesystem::path(game_path_).filename().string()));
  Refresh();
  if (!notice.empty()) Say(QString::fromStdString(notice), true);
  entry_->setFocus();
  return true;
}

QString ScoringWindow::message() const { return message_->text(); }

void ScoringWindow::SetSeasonLines(std::map<std::string, std::string> lines) {
  board_->SetSeasonLines(std::move(lines));
  Refresh();
}

void ScoringWindow::Say(const QString& text, bool refused) {
  message_->setText(text);
  message_->setStyleSheet(refused ? "color: #b00000; font-weight: bold;" : "");
}

void ScoringWindow::Refresh() {
  const scoring::LiveBook& book = kept_.book();
  board_->Show(book, workload_);
  book_panel_->Show(book);
  const scoring::Scorer* s = book.scorer();
  std::array<QString, 3> runners;
  for (int base = 1; base <= 3; ++base) {
    if (s && s->half_open() && s->occupied(base))
      runners[std::size_t(base - 1)] = Utf8(s->runner(base).name.str());
  }
  field_->SetRunners(runners);
  field_->SetChosen({});
  field_->SetMark(std::nullopt);
  const bool playing = book.Ready() && !book.Over();
  const bool open = playing && s && s->half_open();
  const auto on = [s](int base) { return s && s->occupied(base); };
  const std::map<QString, bool> enabled = {
      {"steal2", on(1) && !on(2)},
      {"steal3", on(2) && !on(3)},
      {"stealHome", on(3)},
      {"caught2", on(1)},
      {"caught3", on(2)},
      {"caughtHome", on(3)},
      {"pickedOff1", on(1)},
      {"pickedOff2", on(2)},
      {"pickedOff3", on(3)},
      {"throw1", on(1)},
      {"throw2", on(2)},
      {"throw3", on(3)},
      {"wildPitch", on(1) || on(2) || on(3)},
      {"passedBall", on(1) || on(2) || on(3)},
      {"balk", on(1) || on(2) || on(3)},
      {"indifference2", on(1) && !on(2)},
      {"indifference3", on(2) && !on(3)},
  };
  for (const auto& [name, b] : buttons_) {
    const auto rule = enabled.find(name);
    // Between halves the next half opens with the first word of it.
    b->setEnabled(playing && (rule == enabled.end() ? true : open && rule->second));
  }
  undo_->setEnabled(playing || book.Over());
  redo_->setEnabled(kept_.CanRedo());
  pads_->setCurrentIndex(kPitchPage);
  awaiting_prefix_.clear();
  awaiting_fielders_.clear();
  // Whatever was clicked, the keys go to the entry line again.
  if (isActiveWindow()) entry_->setFocus();
  if (book.Over()) {
    Say("The game is over. The decisions the rules give are shown above; Game > Change "
        "Decisions changes them.",
        false);
  }
}

bool ScoringWindow::Apply(const std::vector<std::string>& entries) {
  const QString shown = [&entries] {
    QString text;
    for (const std::string& e : entries) text += (text.isEmpty() ? "" : " ") + Utf8(e);
    return text;
  }();
  entry_->setText(shown);  // every click shows the words it writes
  if (Status done = kept_.AddAction(entries); !done) {
    Say("Not taken: " + Utf8(done.reason), true);
    return false;
  }
  entry_->clear();
  zone_->Clear();
  Refresh();
  if (!kept_.book().Over()) {
    Say(kept_.game_file_problem().empty() ? "Written: " + shown : Utf8(kept_.game_file_problem()),
        !kept_.game_file_problem().empty());
  }
  return true;
}

bool ScoringWindow::Enter(const QString& line) {
  const std::string text = Utf8ToCp1252(line.trimmed().toStdString());
  if (text.empty()) {
    if (pads_->currentIndex() == kPlayPage)
      Say("Choose the result and tap its fielders on the field first.", true);
    return false;
  }
  const std::vector<std::string> entries = scoring::BookEntries(text);
  if (Status done = kept_.AddAction(entries); !done) {
    Say("Not taken: " + Utf8(done.reason), true);
    entry_->selectAll();
    return false;
  }
  entry_->clear();
  zone_->Clear();
  Refresh();
  if (!kept_.book().Over())
    Say(kept_.game_file_problem().empty() ? "Written: " + line.trimmed()
                                          : Utf8(kept_.game_file_problem()),
        !kept_.game_file_problem().empty());
  return true;
}

void ScoringWindow::Pitch(char letter) {
  const scoring::Scorer* s = kept_.book().scorer();
  std::vector<std::string> words = {std::string(1, letter) + zone_->Details()};
  if (s && s->half_open()) {
    const scoring::LeagueRules& r = s->rules();
    const int balls = s->turn_open() ? s->balls() : 0;
    const int strikes = s->turn_open() ? s->strikes() : 0;
    // The pitch that ends the turn brings its result with it.
    if (letter == 'b' && balls + 1 == r.balls_per_walk) words.push_back("BB");
    if ((letter == 's' || letter == 'c') && strikes + 1 == r.strikes_per_out)
      words.push_back(letter == 's' ? "K" : "KL");
  }
  Apply(words);
}

void ScoringWindow::IntentionalWalk() {
  const scoring::Scorer* s = kept_.book().scorer();
  if (!s) return;
  const int balls = s->turn_open() ? s->balls() : 0;
  const int needed = std::max(1, s->rules().balls_per_walk - balls);
  Apply({std::string(static_cast<std::size_t>(needed), 'i'), "IBB"});
}

void ScoringWindow::InPlay() {
  scoring::LiveBook& book = const_cast<scoring::LiveBook&>(kept_.book());
  // A ball in play is the first word of a half that has not begun: the
  // half begins first, so that the results are those of its situation.
  if (const std::string half = book.HalfNeededBy("1B"); !half.empty() && !Apply({half})) return;
  if (!book.scorer()) return;
  composer_->Begin(book);
  pads_->setCurrentIndex(kPlayPage);
  entry_->clear();
  Say("Choose the result, tap the fielders on the field, check the runners, then Record Play "
      "(or Enter).",
      false);
}

void ScoringWindow::CancelPlay() {
  if (pads_->currentIndex() != kPlayPage && awaiting_prefix_.empty()) return;
  pads_->setCurrentIndex(kPitchPage);
  awaiting_prefix_.clear();
  awaiting_fielders_.clear();
  entry_->clear();
  field_->SetChosen({});
  field_->SetMark(std::nullopt);
  Say("", false);
}

void ScoringWindow::AwaitFielders(const std::string& prefix, const std::string& suffix) {
  awaiting_prefix_ = prefix;
  awaiting_suffix_ = suffix;
  awaiting_fielders_.clear();
  entry_->setText(Utf8(prefix + suffix));
  field_->SetChosen({});
  Say("Tap the fielders who put him out, in order, then press Enter.", false);
}

void ScoringWindow::FielderTapped(int position) {
  if (pads_->currentIndex() == kPlayPage) {
    composer_->TapFielder(position);
    return;
  }
  if (awaiting_prefix_.empty()) {
    Say("Tap the fielders after choosing what they did (In Play, Caught Stealing ...).", false);
    return;
  }
  awaiting_fielders_.push_back(position);
  std::string chain;
  for (int f : awaiting_fielders_) chain += (chain.empty() ? "" : "-") + std::to_string(f);
  entry_->setText(Utf8(awaiting_prefix_ + chain + awaiting_suffix_));
  field_->SetChosen(awaiting_fielders_);
}

void ScoringWindow::PlaceTapped(QPoint field_point) {
  if (pads_->currentIndex() != kPlayPage) return;
  composer_->TapPlace(field_point);
}

void ScoringWindow::ShowComposed() {
  entry_->setText(QString::fromStdString(Cp1252ToUtf8(composer_->Words())));
  field_->SetChosen(composer_->fielders());
  field_->SetMark(composer_->place());
}

void ScoringWindow::Substitute() {
  const scoring::Scorer* s = kept_.book().scorer();
  if (!s || kept_.book().Over()) {
    Say("Substitutions come once the game has begun.", true);
    return;
  }
  SubstitutionDialog dialog(*s, this);
  if (dialog.exec() != QDialog::Accepted) return;
  Apply({dialog.Word()});
}

void ScoringWindow::Undo() {
  if (Status done = kept_.UndoAction(); !done) {
    Say(Utf8(done.reason), true);
    return;
  }
  Refresh();
  Say("Taken back.", false);
}

void ScoringWindow::Redo() {
  if (Status done = kept_.RedoAction(); !done) {
    Say(Utf8(done.reason), true);
    return;
  }
  Refresh();
  Say("Put back.", false);
}

void ScoringWindow::EditEntry(int index, bool insert) {
  const std::vector<std::string>& entries = kept_.book().entries();
  if (index < 0 || index >= int(entries.size())) return;
  const std::string now = insert ? std::string() : Cp1252ToUtf8(entries[std::size_t(index)]);
  const std::optional<std::string> typed =
      ui_.AskText(insert ? "The words to put before entry " + std::to_string(index + 1) + ":"
                         : "Entry " + std::to_string(index + 1) + " corrected:",
                  insert ? "Insert into the Book" : "Correct the Book", now);
  if (!typed || typed->empty()) return;
  const std::vector<std::string> with = scoring::BookEntries(Utf8ToCp1252(*typed));
  if (Status done = kept_.Edit(std::size_t(index), insert ? 0 : 1, with); !done) {
    const std::string why = WhyNotChanged(done);
    Say("Not changed: " + Utf8(why), true);
    ui_.ShowMessage("The book is not changed: " + Cp1252ToUtf8(why), kScoringCaption,
                    MessageIcon::kExclamation);
    return;
  }
  Refresh();
  Say("The book is corrected and the game played again over it.", false);
}

void ScoringWindow::DeleteEntry(int index) {
  const std::vector<std::string>& entries = kept_.book().entries();
  if (index < 0 || index >= int(entries.size())) return;
  if (!ui_.AskYesNo("Delete entry " + std::to_string(index + 1) + ", \"" +
                        Cp1252ToUtf8(entries[std::size_t(index)]) + "\", from the book?",
                    kScoringCaption, MessageIcon::kQuestion)) {
    return;
  }
  if (Status done = kept_.Edit(std::size_t(index), 1, {}); !done) {
    const std::string why = WhyNotChanged(done);
    Say("Not deleted: " + Utf8(why), true);
    return;
  }
  Refresh();
}

void ScoringWindow::ShowBoxScore() {
  if (!kept_.book().scorer()) {
    Say("No play has been scored yet.", true);
    return;
  }
  const reports::BoxScore box =
      reports::MakeBoxScore(kept_.book().game(), StatRulesOf(session_.settings));
  QString text;
  for (const std::string& line : box.lines()) text += Utf8(line) + "\n";
  QDialog dialog(this);
  dialog.setWindowTitle("Box Score");
  dialog.setObjectName("scoringBoxScore");
  auto* view = new QPlainTextEdit(text, &dialog);
  view->setReadOnly(true);
  view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  view->setLineWrapMode(QPlainTextEdit::NoWrap);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(view);
  layout->addWidget(buttons);
  dialog.resize(760, 640);
  dialog.exec();
}

void ScoringWindow::ChangeDecisions() {
  if (!kept_.book().scorer()) return;
  ScoringDecisionsDialog dialog(kept_.book().game(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  const std::vector<std::string> words = dialog.Words();
  if (!words.empty()) Apply(words);
}

void ScoringWindow::CallGame() {
  if (!kept_.book().scorer() || kept_.book().Over()) return;
  if (!ui_.AskYesNo("Call the game here (rain, darkness, the league's time limit)? The score "
                    "stands as it is now.",
                    kScoringCaption, MessageIcon::kQuestion)) {
    return;
  }
  Apply({"called"});
}

void ScoringWindow::ShowHelp() {
  const std::string path = ProgramFile(session_, kScoringHelp);
  if (!FileExists(path)) {
    Say(QString::fromStdString("The help page is not installed: " + path), true);
    return;
  }
  // The page in a window of our own: it is short, and the keys it lists
  // are for this window.
  HelpPageDialog dialog(path, "Scoring Window Help", QString(), this);
  dialog.setObjectName("scoringHelp");
  dialog.exec();
}

// The entry line keeps its own undo while it holds words being typed; an
// empty line lets Ctrl+Z and Ctrl+Y take back and put back the book's.
bool ScoringWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == entry_ && event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (entry_->text().isEmpty() &&
        (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
         key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y))) {
      event->ignore();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void ScoringWindow::closeEvent(QCloseEvent* event) {
  // Every action taken is on the disk already; only the words in the entry
  // line, typed or clicked but not yet entered, would be lost.
  const QString typed = entry_->text().trimmed();
  if (typed.isEmpty()) {
    event->accept();
    return;
  }
  const SaveAnswer answer = SaveQuestion()(
      "The words \"" + typed +
          "\" are not entered in the book yet.\n\nSave enters them before the window closes; "
          "Discard drops them.",
      kScoringCaption, this);
  if (answer == SaveAnswer::kDiscard || (answer == SaveAnswer::kSave && Enter(typed))) {
    event->accept();
    return;
  }
  // Cancelled, or the words refused (the message line says why): the
  // window stays, in front, to mend them.
  event->ignore();
  raise();
  activateWindow();
}

}  // namespace scorewick::app

#include "app/roster_edit_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/personal_info_dialog.h"
#include "app/remembered_position.h"
#include "app/select_position_dialog.h"
#include "app/typed_choice.h"
#include "records/codes.h"
#include "reports/print/cp1252_text.h"

namespace scorewick::app {
namespace {

using print::FromCp1252;
using print::ToCp1252;

constexpr std::uint8_t kBatsCodes[] = {1, 0, 2};  // Right, Left, Switch
constexpr std::uint8_t kThrowsCodes[] = {1, 0};   // Right, Left
const QString kSelfPrefix = "Self at ";

QString PositionText(int position) {
  const std::string_view name = PositionName(position);
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// A player as the roster and DH lists show him.
QString ListedName(const PLAYER& p) {
  QString text = FromCp1252(p.name.view());
  if (p.position == kPosDesignatedHitter) text += " (dh)";
  return text;
}

QByteArray NameData(std::string_view name) {
  return QByteArray(name.data(), static_cast<qsizetype>(name.size()));
}

QComboBox* Choice(QWidget* parent, const char* name, const QStringList& entries) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  box->addItems(entries);
  box->setCurrentIndex(-1);
  return box;
}

QPushButton* Button(QWidget* parent, const char* name, const char* label) {
  auto* button = new QPushButton(label, parent);
  button->setObjectName(name);
  return button;
}

}  // namespace

RosterEditDialog::RosterEditDialog(Team& team, Session& session, Ui& ui, QWidget* parent)
    : QDialog(parent), team_(team), session_(session), ui_(ui), bats_for_(team.dh_bats_for) {
  setWindowTitle("Edit Roster");
  pick_position = [this](int current) -> std::optional<int> {
    SelectPositionDialog picker(current, this);
    if (picker.exec() != QDialog::Accepted) return std::nullopt;
    return picker.position();
  };
  run_personal_info = [](PersonalInfoDialog& dialog) { dialog.exec(); };
  if (team_.uses_designated_hitter) dh_name_ = team_.designated_hitter.name.str();
  bats_for_self_ = !bats_for_.name.empty() && bats_for_.name == team_.designated_hitter.name;

  BuildPlayerBoxes();
  QLayout* roster_buttons = BuildRosterButtons();
  QLayout* closing = BuildClosingButtons();

  // Left: the roster and the line-up.  Right: the selected player, the
  // roster buttons and the designated hitter.
  auto* lists = new QVBoxLayout;
  lists->addWidget(new QLabel("Roster", this));
  lists->addWidget(roster_, 3);
  lists->addWidget(new QLabel("Line-up", this));
  lists->addWidget(lineup_, 2);

  auto* player = new QGroupBox(this);
  auto* form = new QFormLayout;
  form->addRow(title_);
  form->addRow("&Name:", name_);
  form->addRow("&Position:", position_);
  form->addRow("Uniform &#:", number_);
  form->addRow("Batting &Order:", order_);
  form->addRow("&Bats:", bats_);
  form->addRow("&Throws:", throws_);
  auto* player_layout = new QVBoxLayout(player);
  player_layout->addLayout(form);
  player_layout->addLayout(roster_buttons);

  auto* dh_box = new QGroupBox("Designated Hitter", this);
  auto* dh_form = new QFormLayout(dh_box);
  dh_form->addRow("D&H:", dh_);
  dh_form->addRow("Bats &for:", bats_for_list_);

  auto* right = new QVBoxLayout;
  right->addWidget(player);
  right->addWidget(dh_box);
  right->addStretch();
  right->addLayout(closing);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(lists, 1);
  layout->addLayout(right, 2);
  resize(720, 480);
  RememberPosition(this, "RosterEdit");

  Refresh();
  ClearAll();
}

// The roster and the line-up, the boxes of the player selected and the
// designated hitter's choices.  The Delete key in either list does what
// the Delete button does.
void RosterEditDialog::BuildPlayerBoxes() {
  roster_ = new QListWidget(this);
  roster_->setObjectName("roster");
  lineup_ = new QListWidget(this);
  lineup_->setObjectName("lineup");
  title_ = new QLabel(this);
  title_->setObjectName("player_title");
  name_ = new QLineEdit(this);
  name_->setObjectName("name");
  name_->setMaxLength(static_cast<int>(NameText::kCapacity));
  QStringList positions, numbers{"00"}, orders;
  for (int code = 0; code < kPositionCount; ++code) positions << PositionText(code);
  for (int n = 0; n <= 99; ++n) numbers << QString::number(n);
  for (int n = 0; n <= 20; ++n) orders << QString::number(n);
  position_ = Choice(this, "position", positions);
  number_ = Choice(this, "number", numbers);
  order_ = Choice(this, "order", orders);
  ChooseByTypedText(number_);
  ChooseByTypedText(order_);
  bats_ = Choice(this, "bats", {"Right", "Left", "Switch"});
  throws_ = Choice(this, "throws", {"Right", "Left"});
  dh_ = Choice(this, "dh", {});
  bats_for_list_ = Choice(this, "bats_for", {});
  connect(roster_, &QListWidget::currentRowChanged, this, [this](int) { ShowSelected(); });
  connect(lineup_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { SelectPlayer(item->data(Qt::UserRole).toInt()); });
  connect(dh_, &QComboBox::activated, this, &RosterEditDialog::DhChosen);
  connect(bats_for_list_, &QComboBox::activated, this, &RosterEditDialog::BatsForChosen);
  for (QListWidget* list : {roster_, lineup_}) {
    auto* key = new QShortcut(QKeySequence::Delete, list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(key, &QShortcut::activated, this, &RosterEditDialog::Delete);
  }
}

// Add, Update, Delete, Clear All and Sort by, in a row.
QLayout* RosterEditDialog::BuildRosterButtons() {
  auto* add = Button(this, "add", "&Add");
  auto* update = Button(this, "update", "&Update");
  auto* remove = Button(this, "delete", "&Delete");
  auto* clear = Button(this, "clear_all", "C&lear All");
  auto* sort = Button(this, "sort_by", "&Sort by");
  sort_menu_ = new QMenu(sort);
  const std::pair<const char*, int> sorts[] = {{"&Name", kCmdSortByName},
                                               {"&Batting Order", kCmdSortByBattingOrder},
                                               {"&Uniform Number", kCmdSortByUniformNumber},
                                               {"&Position", kCmdSortByPosition}};
  for (const auto& [label, command] : sorts) {
    QAction* action = sort_menu_->addAction(label);
    action->setData(command);
    connect(action, &QAction::triggered, this,
            [this, command = command] { RunSortCommand(command); });
  }
  sort->setMenu(sort_menu_);
  connect(add, &QPushButton::clicked, this, &RosterEditDialog::Add);
  connect(update, &QPushButton::clicked, this, &RosterEditDialog::Update);
  connect(remove, &QPushButton::clicked, this, &RosterEditDialog::Delete);
  connect(clear, &QPushButton::clicked, this, &RosterEditDialog::ClearAll);
  auto* roster_buttons = new QHBoxLayout;
  for (QPushButton* b : {add, update, remove, clear, sort}) roster_buttons->addWidget(b);
  return roster_buttons;
}

// Edit Players Personal Info, OK and Cancel.
QLayout* RosterEditDialog::BuildClosingButtons() {
  personal_info_ = Button(this, "personal_info", "Edit Players Personal &Info ...");
  personal_info_->setEnabled(team_.no_personal_info == 0);
  auto* ok = Button(this, "ok", "OK");
  auto* cancel = Button(this, "cancel", "Cancel");
  ok->setDefault(true);
  connect(personal_info_, &QPushButton::clicked, this, &RosterEditDialog::OpenPersonalInfo);
  connect(ok, &QPushButton::clicked, this, &RosterEditDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* closing = new QHBoxLayout;
  closing->addWidget(personal_info_);
  closing->addStretch();
  closing->addWidget(ok);
  closing->addWidget(cancel);
  return closing;
}

int RosterEditDialog::Selected() const {
  const int row = roster_->currentRow();
  return row >= 0 && row < team_.count() ? row : -1;
}

void RosterEditDialog::Refresh() {
  const int selected = Selected();
  {
    const QSignalBlocker block(roster_);
    roster_->clear();
    for (const PLAYER& p : team_.players()) roster_->addItem(ListedName(p));
  }
  lineup_->clear();
  std::vector<int> batting;
  for (int i = 0; i < team_.count(); ++i) {
    if (team_.player(i).batting_order > 0) batting.push_back(i);
  }
  std::stable_sort(batting.begin(), batting.end(), [this](int a, int b) {
    return team_.player(a).batting_order < team_.player(b).batting_order;
  });
  for (int i : batting) {
    const PLAYER& p = team_.player(i);
    auto* item = new QListWidgetItem(
        QString::asprintf("%02d, ", p.batting_order) + FromCp1252(p.name.view()), lineup_);
    item->setData(Qt::UserRole, i);
  }
  FillDhLists();
  SelectPlayer(selected < team_.count() ? selected : -1);
}

void RosterEditDialog::FillDhLists() {
  const QSignalBlocker block_dh(dh_);
  const QSignalBlocker block_for(bats_for_list_);
  dh_->clear();
  dh_->addItem("No DH");
  int dh_index = 0;
  for (const PLAYER& p : team_.players()) {
    dh_->addItem(ListedName(p), NameData(p.name.view()));
    if (dh_name_ && dh_index == 0 && p.name == *dh_name_) dh_index = dh_->count() - 1;
  }
  // A designated hitter who has left the roster stays listed, so that OK
  // can say so.
  if (dh_name_ && dh_index == 0) {
    dh_->addItem(FromCp1252(*dh_name_), NameData(*dh_name_));
    dh_index = dh_->count() - 1;
  }
  dh_->setCurrentIndex(dh_index);

  bats_for_list_->clear();
  bats_for_list_->addItem(kSelfPrefix +
                          (bats_for_self_ ? PositionText(bats_for_.position) : "position ..."));
  int for_index = bats_for_self_ ? 0 : -1;
  for (const PLAYER& p : team_.players()) {
    bats_for_list_->addItem(FromCp1252(p.name.view()), NameData(p.name.view()));
    if (for_index < 0 && p.name == bats_for_.name.view()) for_index = bats_for_list_->count() - 1;
  }
  if (for_index < 0 && !bats_for_.name.empty()) {
    bats_for_list_->addItem(FromCp1252(bats_for_.name.view()), NameData(bats_for_.name.view()));
    for_index = bats_for_list_->count() - 1;
  }
  bats_for_list_->setCurrentIndex(for_index);
}

void RosterEditDialog::SelectPlayer(int index) {
  roster_->setCurrentRow(index);
  if (index < 0) roster_->clearSelection();
  ShowSelected();
}

void RosterEditDialog::ShowSelected() {
  const int index = Selected();
  if (index < 0) {
    title_->setText("No Player Selected");
    return;
  }
  title_->setText(QString("Player %1 out of %2").arg(index + 1).arg(team_.count()));
  const PLAYER& p = team_.player(index);
  name_->setText(FromCp1252(p.name.view()));
  position_->setCurrentIndex(p.position >= 0 && p.position < kPositionCount ? p.position : -1);
  number_->setCurrentIndex(p.uniform_number >= -1 && p.uniform_number <= 99 ? p.uniform_number + 1
                                                                            : -1);
  order_->setCurrentIndex(p.batting_order >= 0 && p.batting_order <= 20 ? p.batting_order : -1);
  bats_->setCurrentIndex(p.bats == 1 ? 0 : p.bats == 0 ? 1 : 2);
  throws_->setCurrentIndex(p.throws_right == 1 ? 0 : 1);
}

PLAYER RosterEditDialog::FieldsInto(PLAYER p) const {
  if (!name_->text().isEmpty()) p.name.set(ToCp1252(name_->text()));
  p.position = std::max(0, position_->currentIndex());
  p.uniform_number =
      static_cast<std::int16_t>(number_->currentIndex() < 0 ? 0 : number_->currentIndex() - 1);
  p.batting_order = std::max(0, order_->currentIndex());
  if (bats_->currentIndex() >= 0) p.bats = kBatsCodes[bats_->currentIndex()];
  if (throws_->currentIndex() >= 0) p.throws_right = kThrowsCodes[throws_->currentIndex()];
  return p;
}

bool RosterEditDialog::GoOnDespiteClashes(const PLAYER& p, int index, bool ask_slot) {
  for (const UserMessage& question : RosterClashQuestions(team_, p, index, ask_slot)) {
    if (!ui_.AskYesNo(question.text, question.caption, question.icon)) return false;
  }
  return true;
}

void RosterEditDialog::Add() {
  if (name_->text().isEmpty()) return;
  PLAYER p = FieldsInto(PLAYER{});
  p.active = p.batting_order > 0 ? 1 : 0;
  p.key = 0;
  if (!GoOnDespiteClashes(p, -1, true)) return;
  team_.AddPlayer(p, NewPlayerInfo());
  Refresh();
  SelectPlayer(team_.count() - 1);
}

bool RosterEditDialog::StoreSelected(bool ask_slot) {
  const int index = Selected();
  if (index < 0) return true;
  const PLAYER p = FieldsInto(team_.player(index));
  if (!GoOnDespiteClashes(p, index, ask_slot)) return false;
  team_.player(index) = p;
  Refresh();
  return true;
}

void RosterEditDialog::Update() { StoreSelected(true); }

void RosterEditDialog::Delete() {
  const int index = Selected();
  if (index < 0) return;
  team_.RemovePlayer(index);
  ClearAll();
  Refresh();
}

void RosterEditDialog::ClearAll() {
  name_->clear();
  for (QComboBox* box : {position_, number_, order_, bats_, throws_}) box->setCurrentIndex(-1);
  lineup_->clearSelection();
  lineup_->setCurrentRow(-1);
  SelectPlayer(-1);
}

void RosterEditDialog::RunSortCommand(int command) {
  if (command < kCmdSortByName || command > kCmdSortByPosition) return;
  sorter_.Sort(team_, static_cast<RosterSortKey>(command - kCmdSortByName),
               [](std::string_view a, std::string_view b) {
                 return QString::localeAwareCompare(FromCp1252(a), FromCp1252(b));
               });
  ClearAll();
  Refresh();
}

void RosterEditDialog::DhChosen(int index) {
  if (index <= 0) {
    dh_name_.reset();
  } else {
    const QByteArray name = dh_->itemData(index).toByteArray();
    dh_name_ = std::string(name.constData(), static_cast<std::size_t>(name.size()));
  }
}

PLAYER RosterEditDialog::DesignatedHitterRecord() const {
  if (dh_name_) {
    if (std::optional<PLAYER> p = team_.FindPlayer(*dh_name_)) return *p;
    PLAYER dh = team_.designated_hitter;
    dh.name.set(*dh_name_);
    return dh;
  }
  return team_.designated_hitter;
}

void RosterEditDialog::BatsForChosen(int index) {
  if (index < 0) return;
  if (bats_for_list_->itemText(index).left(8).compare(kSelfPrefix, Qt::CaseInsensitive) == 0) {
    if (std::optional<int> position = pick_position(bats_for_.position)) {
      bats_for_ = DesignatedHitterRecord();
      bats_for_.position = *position;
      bats_for_self_ = true;
    }
    FillDhLists();  // shows "Self at <position>", or the choice as it was
    return;
  }
  const QByteArray name = bats_for_list_->itemData(index).toByteArray();
  bats_for_.name.set(std::string_view(name.constData(), static_cast<std::size_t>(name.size())));
  bats_for_self_ = false;
  FillDhLists();
}

void RosterEditDialog::OpenPersonalInfo() {
  PersonalInfoDialog dialog(team_, session_, ui_, this);
  run_personal_info(dialog);
}

void RosterEditDialog::accept() {
  // A slot held twice gets OK's own refusal below, so only the name is asked.
  if (!StoreSelected(false)) return;
  if (std::optional<UserMessage> refused = AcceptRosterEdit(team_, {dh_name_, bats_for_})) {
    ui_.ShowMessage(refused->text, refused->caption, refused->icon);
    return;
  }
  QDialog::accept();
}

}  // namespace scorewick::app

#include "app/stats_layout_editor.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/remembered_position.h"

namespace scorewick::app {

StatsLayoutEditor::StatsLayoutEditor(StatTable table, StatLayout layout, QWidget* parent)
    : QDialog(parent), table_(table), layout_(std::move(layout)) {
  setWindowTitle("Modify Stats Report");
  available_ = new QListWidget;
  available_->setObjectName("available");
  viewed_ = new QListWidget;
  viewed_->setObjectName("viewed");
  for (QListWidget* list : {available_, viewed_})
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);

  QFont big = font();
  big.setPixelSize(16);  // 12 points high
  auto make_button = [&](const char* text, const char* name) {
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setFont(big);
    return button;
  };
  QPushButton* all_shown = make_button(">>", "show_all");
  QPushButton* hide = make_button("<", "hide");
  QPushButton* show = make_button(">", "show");
  QPushButton* all_hidden = make_button("<<", "hide_all");
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);

  auto* middle = new QVBoxLayout;
  middle->addStretch(1);
  for (QPushButton* b : {all_shown, hide, show, all_hidden}) middle->addWidget(b);
  middle->addStretch(1);
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel("Stats Available :"), 0, 0);
  grid->addWidget(new QLabel("Stats Being Viewed :"), 0, 2);
  grid->addWidget(available_, 1, 0);
  grid->addLayout(middle, 1, 1);
  grid->addWidget(viewed_, 1, 2);
  grid->addWidget(buttons, 2, 0, 1, 3);
  resize(420, 420);

  connect(all_shown, &QPushButton::clicked, this, [this] { Move(available_, true, true); });
  connect(show, &QPushButton::clicked, this, [this] { Move(available_, true, false); });
  connect(hide, &QPushButton::clicked, this, [this] { Move(viewed_, false, false); });
  connect(all_hidden, &QPushButton::clicked, this, [this] { Move(viewed_, false, true); });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  Fill();
  RememberPosition(this, "stats_layout_editor");
}

void StatsLayoutEditor::Move(QListWidget* list, bool shown, bool all) {
  if (all) {
    for (LayoutEntry& entry : layout_) entry.shown = shown;
  } else {
    for (int i = 0; i < list->count(); ++i) {
      if (list->item(i)->isSelected())
        layout_[list->item(i)->data(Qt::UserRole).toUInt()].shown = shown;
    }
  }
  Fill();
}

void StatsLayoutEditor::Fill() {
  viewed_->clear();
  available_->clear();
  for (std::size_t i = 0; i < layout_.size(); ++i) {
    auto* item = new QListWidgetItem(QString::fromLatin1(ColumnKey(table_, static_cast<int>(i))));
    item->setData(Qt::UserRole, static_cast<unsigned>(i));
    (layout_[i].shown ? viewed_ : available_)->addItem(item);
  }
}

}  // namespace scorewick::app

#include "app/about_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/pictures.h"

namespace scorewick::app {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle("About Scorewick");
  auto* picture = new QLabel(this);
  picture->setPixmap(BaseballPicture(72));
  picture->setAlignment(Qt::AlignTop);
  auto* text = new QLabel(this);
  text->setObjectName("text");
  text->setTextFormat(Qt::RichText);
  text->setText(
      "<p><b style='font-size:14pt'>Brixley Scorewick</b><br>"
      "Scorewick - PC to PDA Interface<br>Version 0.1</p>"
      "<p>The desktop companion of the Scorewick scorebook for Palm and Pocket PC "
      "handhelds: it carries team and game files to and from the handheld, edits teams, "
      "prints score sheets and turns scored games into statistics, box scores and plots.</p>");
  text->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* row = new QHBoxLayout;
  row->addWidget(picture);
  row->addWidget(text, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);
  resize(420, 200);
}

}  // namespace scorewick::app

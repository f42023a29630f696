#include "app/box_score_dialog.h"

#include <QFont>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/core/export_choice.h"
#include "app/core/html_style.h"
#include "app/core/save_target.h"
#include "app/core/stat_rules_of.h"
#include "app/remembered_position.h"
#include "records/local_date.h"
#include "reports/box_score_export.h"
#include "reports/print/cp1252_text.h"
#include "reports/print/list_box_out.h"

namespace scorewick::app {
namespace {

// The dialog's member "print" hides the namespace of the same name.
namespace printing = ::scorewick::print;

QPushButton* Button(QWidget* parent, const char* name, const char* label) {
  auto* button = new QPushButton(label, parent);
  button->setObjectName(name);
  return button;
}

const SaveType* const kTypes[] = {&kHtmlType, &kHtmlType, &kCsvType, &kTextType};

}  // namespace

BoxScoreDialog::BoxScoreDialog(const Game& game, Session& session, Ui& ui, QWidget* parent)
    : QDialog(parent),
      game_(game),
      session_(session),
      ui_(ui),
      box_(reports::MakeBoxScore(game, StatRulesOf(session.settings))),
      title_(reports::BoxScoreTitle(game)) {
  setWindowTitle(printing::FromCp1252(title_));
  print = [this](printing::Printout& printout) { PrintOnApplicationPrinter(printout, ui_, this); };

  lines_ = new QListWidget(this);
  lines_->setObjectName("lines");
  QFont font("Courier New");
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  font.setPixelSize(12);
  font.setWeight(QFont::Normal);
  lines_->setFont(font);
  lines_->setSelectionMode(QAbstractItemView::SingleSelection);
  for (const std::string& line : box_.lines()) lines_->addItem(printing::FromCp1252(line));
  const int width = QFontMetrics(font).horizontalAdvance(QString(reports::kBoxRuleWidth + 4, 'M'));
  lines_->setMinimumSize(width, 420);

  auto* ok = Button(this, "ok", "OK");
  auto* cancel = Button(this, "cancel", "Cancel");
  auto* print_button = Button(this, "print", "&Print");
  auto* setup = Button(this, "setup", "Printer &Setup");
  auto* export_button = Button(this, "export", "&Export");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(print_button, &QPushButton::clicked, this, [this] { Print(); });
  connect(setup, &QPushButton::clicked, this, [this] { RunPrinterSetupDialog(this); });
  connect(export_button, &QPushButton::clicked, this, [this] { Export(); });

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {ok, cancel, print_button, setup, export_button}) buttons->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lines_, 1);
  layout->addLayout(buttons);
  RememberPosition(this, "BoxScore");
}

void BoxScoreDialog::Print() {
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(lines_->count()));
  for (int i = 0; i < lines_->count(); ++i)
    lines.push_back(printing::ToCp1252(lines_->item(i)->text()));
  printing::TListBoxOut printout(std::move(lines), title_);
  printout.SetGameTrailer(game_);
  print(printout);
}

void BoxScoreDialog::Export() {
  FileDialogRequest request;
  request.title = "Export Box Score";
  request.filter = kBoxScoreExportFilter;
  request.default_extension = "htm";
  request.initial_name = FileNameWithExtension(game_.file_path.str(), "htm");
  request.filter_index = session_.settings.boxscore_frames ? 2 : 1;
  const std::optional<FileChoice> choice =
      ChooseFileToSave(session_, ui_, FileKind::kExport, request);
  if (!choice) return;
  const int index =
      choice->filter_index >= 1 && choice->filter_index <= 4 ? choice->filter_index : 1;
  const reports::BoxScoreForm forms[] = {reports::BoxScoreForm::kHtml,
                                         reports::BoxScoreForm::kFrames,
                                         reports::BoxScoreForm::kCsv, reports::BoxScoreForm::kText};
  const auto settled = SettleTarget(choice->path, *kTypes[index - 1], game_.file_path.str(), ui_);
  if (!settled) return;
  const std::string& path = *settled;
  if (forms[index - 1] == reports::BoxScoreForm::kFrames) {
    // The two pages written beside the frameset are asked about as it is.
    const reports::BoxScoreFrameFiles sides = reports::FrameFilesBeside(path);
    for (const std::string& side : {sides.score, sides.summary}) {
      if (!MayReplace(side, kHtmlType, {game_.file_path.str()}, ui_)) return;
    }
  }
  const Status saved = reports::WriteBoxScoreExport(path, box_, forms[index - 1], title_,
                                                    HtmlStyleOf(session_.settings), Now());
  if (!saved) ShowSaveError(ui_, saved.reason);
}

}  // namespace scorewick::app

#include "platform/qt/qt_ui.h"

#include <QColor>
#include <QColorDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <algorithm>

namespace scorewick {
namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kInformation:
      return QMessageBox::Information;
    case MessageIcon::kExclamation:
      return QMessageBox::Warning;
    case MessageIcon::kQuestion:
      return QMessageBox::Question;
    case MessageIcon::kError:
      return QMessageBox::Critical;
    case MessageIcon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

// The colour chooser's sixteen custom colours start white and are kept for
// the whole run.
void StartCustomColorsWhite() {
  static bool done = false;
  if (done) return;
  done = true;
  for (int i = 0; i < QColorDialog::customCount(); ++i) QColorDialog::setCustomColor(i, Qt::white);
}

}  // namespace

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList QtNameFilters(std::string_view filter) {
  QStringList names;
  for (const FileFilter& f : ParseFileFilter(filter)) {
    QString pattern = ToQString(f.pattern);
    pattern.replace(';', ' ');
    QString description = ToQString(f.description);
    // Qt reads the patterns from the parentheses of the name, apart by
    // spaces: the name's own list (apart by semicolons) is put so.
    const qsizetype open = description.indexOf('(');
    if (open >= 0) description = description.left(open).trimmed();
    names << description + " (" + pattern + ")";
  }
  return names;
}

namespace {

void WideEnoughForCaption(QMessageBox& box) {
  // A short text makes a box narrower than its caption, which the title
  // bar then cuts: leave room for the caption and the window buttons.
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid == nullptr) return;
  const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + 120;
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

void QtUi::ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
  QMessageBox box(ToQtIcon(icon), ToQString(caption), ToQString(text), QMessageBox::Ok, parent_);
  WideEnoughForCaption(box);
  box.exec();
}

bool QtUi::AskYesNo(std::string_view text, std::string_view caption, MessageIcon icon) {
  QMessageBox box(ToQtIcon(icon), ToQString(caption), ToQString(text),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  WideEnoughForCaption(box);
  return box.exec() == QMessageBox::Yes;
}

QStringList QtUi::RunFileDialog(const FileDialogRequest& request, QFileDialog::FileMode mode,
                                int* filter_index) {
  const bool save = mode == QFileDialog::AnyFile;
  QFileDialog dialog(parent_, ToQString(request.title));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(mode);
  const QStringList filters = QtNameFilters(request.filter);
  dialog.setNameFilters(filters);
  if (request.filter_index >= 1 && request.filter_index <= filters.size()) {
    dialog.selectNameFilter(filters[request.filter_index - 1]);
  }
  // "gam|tem": the first is the default; the command adds the others itself.
  const QString extension = ToQString(request.default_extension).section('|', 0, 0);
  if (!extension.isEmpty()) dialog.setDefaultSuffix(extension);
  if (!request.initial_folder.empty()) dialog.setDirectory(ToQString(request.initial_folder));
  if (!request.initial_name.empty()) dialog.selectFile(ToQString(request.initial_name));
  if (dialog.exec() != QDialog::Accepted) return {};
  *filter_index = std::max(1, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1);
  return dialog.selectedFiles();
}

std::optional<FileChoice> QtUi::ChooseOpenFile(const FileDialogRequest& request) {
  FileChoice choice;
  const QStringList files = RunFileDialog(request, QFileDialog::ExistingFile, &choice.filter_index);
  if (files.isEmpty()) return std::nullopt;
  choice.path = files.front().toStdString();
  return choice;
}

std::optional<FileChoice> QtUi::ChooseSaveFile(const FileDialogRequest& request) {
  FileChoice choice;
  const QStringList files = RunFileDialog(request, QFileDialog::AnyFile, &choice.filter_index);
  if (files.isEmpty()) return std::nullopt;
  choice.path = files.front().toStdString();
  return choice;
}

std::vector<std::string> QtUi::ChooseOpenFiles(const FileDialogRequest& request) {
  int filter = 1;
  std::vector<std::string> paths;
  for (const QString& f : RunFileDialog(request, QFileDialog::ExistingFiles, &filter)) {
    paths.push_back(f.toStdString());
  }
  return paths;
}

std::optional<std::uint32_t> QtUi::ChooseColor(std::uint32_t initial) {
  StartCustomColorsWhite();
  const QColor start(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF);
  const QColor chosen = QColorDialog::getColor(start, parent_);
  if (!chosen.isValid()) return std::nullopt;
  return static_cast<std::uint32_t>(chosen.red()) |
         (static_cast<std::uint32_t>(chosen.green()) << 8) |
         (static_cast<std::uint32_t>(chosen.blue()) << 16);
}

std::optional<std::string> QtUi::BrowseFolder(std::string_view title, std::string_view initial) {
  const QString folder =
      QFileDialog::getExistingDirectory(parent_, ToQString(title), ToQString(initial));
  if (folder.isEmpty()) return std::nullopt;
  return folder.toStdString();
}

std::optional<std::string> QtUi::AskText(std::string_view prompt, std::string_view caption,
                                         std::string_view initial) {
  bool ok = false;
  const QString text = QInputDialog::getText(parent_, ToQString(caption), ToQString(prompt),
                                             QLineEdit::Normal, ToQString(initial), &ok);
  if (!ok) return std::nullopt;
  return text.toStdString();
}

}  // namespace scorewick

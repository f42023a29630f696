#pragma once
// The end of an import from or an export to Retrosheet's files: what was
// written, every game or file refused with its file, line and reason, one
// a line, so that a scorer who typed the file can find each mistake, and
// apart from them the notes: what the games imported were recorded with
// in the nearest way, what the games exported hold that the files cannot
// carry.

#include <QDialog>
#include <string>
#include <vector>

#include "interop/retrosheet_export.h"
#include "interop/retrosheet_import.h"

class QPlainTextEdit;
class QLabel;

namespace scorewick::app {

class ImportSummaryDialog : public QDialog {
  Q_OBJECT

 public:
  ImportSummaryDialog(const interop::ImportSummary& summary, const std::string& folder,
                      QWidget* parent = nullptr);
  ImportSummaryDialog(const interop::ExportSummary& summary, const std::string& folder,
                      QWidget* parent = nullptr);

  // The refusals and the notes as shown, one a line.
  QString RefusalsText() const;
  QString NotesText() const;

 private:
  void Build(const std::string& line, const std::vector<interop::ImportRefusal>& messages,
             const char* refused_heading, const char* notes_heading);

  QLabel* summary_ = nullptr;
  QPlainTextEdit* refusals_ = nullptr;
  QPlainTextEdit* notes_ = nullptr;
};

}  // namespace scorewick::app

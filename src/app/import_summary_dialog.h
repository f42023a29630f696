#pragma once
// The end of an import from or an export to Retrosheet's files: what was
// written, every game or file refused with its file, line and reason, one
// a line, so that a scorer who typed the file can find each mistake, and
// apart from them the notes: what the games imported were recorded with
// in the nearest way, what the games exported hold that the files cannot
// carry.  An import also names the files it wrote over and, club by club,
// the games refused; the games kept as they were are only counted.

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
  // replaced: the names of the files written over files already there.
  ImportSummaryDialog(const interop::ImportSummary& summary, const std::string& folder,
                      const std::vector<std::string>& replaced = {}, QWidget* parent = nullptr);
  ImportSummaryDialog(const interop::ExportSummary& summary, const std::string& folder,
                      QWidget* parent = nullptr);

  // The refusals and the notes as shown, one a line.
  QString RefusalsText() const;
  QString NotesText() const;
  // The files written over and the refused games by club, as shown.
  QString ReplacedText() const;
  QString ClubsText() const;

 private:
  void Build(const std::string& line, const std::vector<interop::ImportRefusal>& messages,
             const char* refused_heading, const char* notes_heading,
             const std::vector<std::string>* replaced = nullptr);
  // A list under its heading, shown when it has lines.
  QPlainTextEdit* AddList(const char* heading, const char* name, const QString& text);

  QLabel* summary_ = nullptr;
  QPlainTextEdit* refusals_ = nullptr;
  QPlainTextEdit* notes_ = nullptr;
  QPlainTextEdit* replaced_ = nullptr;
  QPlainTextEdit* clubs_ = nullptr;
};

}  // namespace scorewick::app

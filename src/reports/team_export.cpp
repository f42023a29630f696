#include "reports/team_export.h"

#include "records/csv_team.h"
#include "records/file_io.h"
#include "records/team_file.h"
#include "reports/address_list.h"
#include "reports/team_html.h"

namespace scorewick::reports {
namespace {

constexpr const char* kSaveErrorCaption = "Save Error";

bool NameSaysHtml(const std::string& path) {
  return path.size() > 4 && path.substr(path.size() - 5).find("htm") != std::string::npos;
}

void ReportFailure(Ui& ui, const std::string& path, const std::string& error) {
  ui.ShowMessage("Unable to save " + path + (error.empty() ? "" : ": " + error),
                 kSaveErrorCaption, MessageIcon::kExclamation);
}

}  // namespace

std::string WithExtension(const std::string& path, const std::string& extension) {
  const std::size_t slash = path.find_last_of('/');
  const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
  if (path.find('.', name) != std::string::npos) return path;
  return path + "." + extension;
}

TeamFileForm SaveAsForm(const std::string& path, int filter_index) {
  if (NameSaysHtml(path) || filter_index == 3) return TeamFileForm::kHtml;
  return filter_index == 1 ? TeamFileForm::kTeamFile : TeamFileForm::kCsv;
}

ExistingFile AskAboutExistingFile(const std::string& path, TeamFileForm form, Ui& ui) {
  if (!FileExists(path)) return ExistingFile::kWrite;
  if (form != TeamFileForm::kTeamFile &&
      ui.AskYesNo(kAppendQuestion, kFileExistsCaption, MessageIcon::kQuestion)) {
    return ExistingFile::kAppend;
  }
  return ui.AskYesNo(kOverwriteQuestion, kFileExistsCaption, MessageIcon::kQuestion)
             ? ExistingFile::kWrite
             : ExistingFile::kStop;
}

bool WriteExportText(const std::string& path, const std::string& text, bool append,
                     std::string* error) {
  if (!append) return WriteTextFileAtomically(path, text, error);
  std::string whole;
  if (!ReadWholeTextFile(path, whole, error)) return false;
  whole += '\n';
  whole += text;
  return WriteTextFileAtomically(path, whole, error);
}

bool WriteTeamExport(const std::string& path, Team& team, TeamFileForm form, bool append,
                     const HtmlStyle& style, const LocalDateTime& when, std::string* error) {
  switch (form) {
    case TeamFileForm::kTeamFile:
      return SaveTeam(path, team, error);
    case TeamFileForm::kCsv:
      return WriteExportText(path, TeamCsvText(team), append, error);
    case TeamFileForm::kHtml:
      return WriteExportText(path, TeamHtml(team, style, when, append), append, error);
  }
  return false;
}

bool WriteAddressList(const std::string& path, const Team& team, bool html, bool append,
                      const HtmlStyle& style, const LocalDateTime& when, std::string* error) {
  const std::string text =
      html ? AddressListHtml(team, style, when, append) : AddressListCsv(team);
  return WriteExportText(path, text, append, error);
}

ExportResult SaveTeamAs(Team& team, Ui& ui, const HtmlStyle& style,
                        const std::string& initial_folder) {
  FileDialogRequest request;
  request.title = kSaveAsTitle;
  request.filter = kSaveAsFilter;
  request.default_extension = "tem";
  request.initial_folder = initial_folder;
  request.initial_name = team.team_name.str();
  std::optional<FileChoice> choice = ui.ChooseSaveFile(request);
  if (!choice || choice->path.empty()) return ExportResult::kCancelled;

  static constexpr const char* kExtensions[] = {"tem", "csv", "htm"};
  const int filter = choice->filter_index >= 1 && choice->filter_index <= 3 ? choice->filter_index : 1;
  const std::string path = WithExtension(choice->path, kExtensions[filter - 1]);
  const TeamFileForm form = SaveAsForm(path, filter);
  const ExistingFile existing = AskAboutExistingFile(path, form, ui);
  if (existing == ExistingFile::kStop) return ExportResult::kCancelled;

  std::string error;
  if (!WriteTeamExport(path, team, form, existing == ExistingFile::kAppend, style, Now(),
                       &error)) {
    ReportFailure(ui, path, error);
    return ExportResult::kFailed;
  }
  return ExportResult::kWritten;
}

ExportResult ExportAddressList(const Team& team, Ui& ui, const HtmlStyle& style,
                               const std::string& initial_folder) {
  FileDialogRequest request;
  request.title = "Select file name for the address list";
  request.filter = kAddressListFilter;
  request.default_extension = "csv";
  request.initial_folder = initial_folder;
  std::optional<FileChoice> choice = ui.ChooseSaveFile(request);
  if (!choice || choice->path.empty()) return ExportResult::kCancelled;

  const bool html_filter = choice->filter_index == 2;
  const std::string path = WithExtension(choice->path, html_filter ? "htm" : "csv");
  const bool html = html_filter || NameSaysHtml(path);
  const TeamFileForm form = html ? TeamFileForm::kHtml : TeamFileForm::kCsv;
  const ExistingFile existing = AskAboutExistingFile(path, form, ui);
  if (existing == ExistingFile::kStop) return ExportResult::kCancelled;

  std::string error;
  if (!WriteAddressList(path, team, html, existing == ExistingFile::kAppend, style, Now(),
                        &error)) {
    ReportFailure(ui, path, error);
    return ExportResult::kFailed;
  }
  return ExportResult::kWritten;
}

}  // namespace scorewick::reports

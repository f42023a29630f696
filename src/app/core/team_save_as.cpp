#include "app/core/team_save_as.h"

#include "records/cp1252.h"
#include "records/file_io.h"
#include "records/local_date.h"
#include "records/path_names.h"

namespace scorewick::app {
namespace {

using reports::TeamFileForm;

ExportResult Written(Ui& ui, const Status& status) {
  return Show(ui, status) ? ExportResult::kWritten : ExportResult::kFailed;
}

}  // namespace

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

ExportResult SaveTeamAs(Team& team, Ui& ui, const reports::HtmlStyle& style,
                        const std::string& initial_folder) {
  FileDialogRequest request;
  request.title = reports::kSaveAsTitle;
  request.filter = reports::kSaveAsFilter;
  request.default_extension = "tem";
  request.initial_folder = initial_folder;
  request.initial_name = Cp1252ToUtf8(team.team_name.view());
  std::optional<FileChoice> choice = ui.ChooseSaveFile(request);
  if (!choice || choice->path.empty()) return ExportResult::kCancelled;

  static constexpr const char* kExtensions[] = {"tem", "csv", "htm"};
  const int filter =
      choice->filter_index >= 1 && choice->filter_index <= 3 ? choice->filter_index : 1;
  const std::string path = WithExtension(choice->path, kExtensions[filter - 1]);
  const TeamFileForm form = reports::SaveAsForm(path, filter);
  const ExistingFile existing = AskAboutExistingFile(path, form, ui);
  if (existing == ExistingFile::kStop) return ExportResult::kCancelled;
  return Written(ui, reports::WriteTeamExport(path, team, form, existing == ExistingFile::kAppend,
                                              style, Now()));
}

ExportResult ExportAddressList(const Team& team, Ui& ui, const reports::HtmlStyle& style,
                               const std::string& initial_folder) {
  FileDialogRequest request;
  request.title = "Select file name for the address list";
  request.filter = reports::kAddressListFilter;
  request.default_extension = "csv";
  request.initial_folder = initial_folder;
  std::optional<FileChoice> choice = ui.ChooseSaveFile(request);
  if (!choice || choice->path.empty()) return ExportResult::kCancelled;

  const bool html_filter = choice->filter_index == 2;
  const std::string path = WithExtension(choice->path, html_filter ? "htm" : "csv");
  const bool html = html_filter || reports::NameSaysHtml(path);
  const TeamFileForm form = html ? TeamFileForm::kHtml : TeamFileForm::kCsv;
  const ExistingFile existing = AskAboutExistingFile(path, form, ui);
  if (existing == ExistingFile::kStop) return ExportResult::kCancelled;
  return Written(ui, reports::WriteAddressList(path, team, html, existing == ExistingFile::kAppend,
                                               style, Now()));
}

}  // namespace scorewick::app

#include "app/core/team_save_as.h"

#include <optional>
#include <utility>

#include "app/core/save_target.h"
#include "records/cp1252.h"
#include "records/file_io.h"
#include "records/local_date.h"
#include "records/output_guard.h"
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

std::string ProposedFileName(std::string_view name) {
  std::string proposed(name);
  for (char& c : proposed) {
    if (static_cast<unsigned char>(c) < 0x20 ||
        std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) {
      c = '_';
    }
  }
  // A name of dots alone would name a folder.
  if (proposed.find_first_not_of('.') == std::string::npos) proposed.clear();
  return proposed;
}

namespace {

// What a save of one type does with the file chosen: the name settled
// against the type, then, for a file already there, a question about a
// file of another kind (written over whole on Yes) or the existing-file
// questions.
std::optional<std::pair<std::string, ExistingFile>> Target(const std::string& typed,
                                                           const SaveType& type, TeamFileForm form,
                                                           const std::string& source, Ui& ui) {
  const std::string path = SettleSaveName(typed, type, ui);
  const FileContent there = ContentOfFile(path);
  ExistingFile existing = ExistingFile::kWrite;
  if (!SameKind(there, type.content)) {
    if (!MayReplace(path, type, {source}, ui)) return std::nullopt;
  } else {
    existing = AskAboutExistingFile(path, form, ui);
    if (existing == ExistingFile::kStop) return std::nullopt;
  }
  return std::make_pair(path, existing);
}

}  // namespace

ExportResult SaveTeamAs(Team& team, Ui& ui, const reports::HtmlStyle& style, Session& session,
                        TeamFileForm* written_form) {
  FileDialogRequest request;
  request.title = reports::kSaveAsTitle;
  request.filter = reports::kSaveAsFilter;
  request.default_extension = "tem";
  request.initial_name = ProposedFileName(Cp1252ToUtf8(team.team_name.view()));
  // The dialog opens on the team file type; the folder is remembered by
  // the type chosen.
  request.initial_folder = session.folders.For(FileKind::kTeam, session.start_folder);
  std::optional<FileChoice> choice = ui.ChooseSaveFile(request);
  if (!choice || choice->path.empty()) return ExportResult::kCancelled;

  static constexpr TeamFileForm kForms[] = {TeamFileForm::kTeamFile, TeamFileForm::kCsv,
                                            TeamFileForm::kHtml};
  static constexpr const SaveType* kTypes[] = {&kTeamFileType, &kTeamCsvType, &kHtmlType};
  const int index =
      choice->filter_index >= 1 && choice->filter_index <= 3 ? choice->filter_index - 1 : 0;
  const TeamFileForm form = kForms[index];
  session.folders.Remember(index == 0 ? FileKind::kTeam : FileKind::kExport, choice->path);
  const auto target = Target(choice->path, *kTypes[index], form, team.file_path.str(), ui);
  if (!target) return ExportResult::kCancelled;
  const ExportResult result =
      Written(ui, reports::WriteTeamExport(target->first, team, form,
                                           target->second == ExistingFile::kAppend, style, Now()));
  if (result == ExportResult::kWritten && written_form) *written_form = form;
  return result;
}

ExportResult ExportAddressList(const Team& team, Ui& ui, const reports::HtmlStyle& style,
                               Session& session) {
  FileDialogRequest request;
  request.title = "Select file name for the address list";
  request.filter = reports::kAddressListFilter;
  request.default_extension = "csv";
  std::optional<FileChoice> choice = ChooseFileToSave(session, ui, FileKind::kExport, request);
  if (!choice) return ExportResult::kCancelled;

  const bool html = choice->filter_index == 2;
  const TeamFileForm form = html ? TeamFileForm::kHtml : TeamFileForm::kCsv;
  const auto target =
      Target(choice->path, html ? kHtmlType : kCsvType, form, team.file_path.str(), ui);
  if (!target) return ExportResult::kCancelled;
  return Written(ui,
                 reports::WriteAddressList(target->first, team, html,
                                           target->second == ExistingFile::kAppend, style, Now()));
}

}  // namespace scorewick::app

#include "reports/team_export.h"

#include "records/csv_team.h"
#include "records/file_io.h"
#include "records/team_file.h"
#include "reports/address_list.h"
#include "reports/team_html.h"

namespace scorewick::reports {
namespace {

// A failed save carries the message; a refused team file gets it too.
Status Refuse(Status status, const std::string& path) {
  if (status || !status.messages.empty()) return status;
  status.messages.push_back(SaveErrorMessage(path, status.reason));
  return status;
}

}  // namespace

UserMessage SaveErrorMessage(const std::string& path, const std::string& reason) {
  return {"Unable to save " + path + (reason.empty() ? "" : ": " + reason), "Save Error",
          MessageIcon::kExclamation};
}

Status WriteExportText(const std::string& path, const std::string& text, bool append) {
  if (!append) return Refuse(WriteTextFileAtomically(path, text), path);
  std::string whole;
  if (Status read = ReadWholeTextFile(path, whole); !read) return Refuse(std::move(read), path);
  whole += '\n';
  whole += text;
  return Refuse(WriteTextFileAtomically(path, whole), path);
}

Status WriteTeamExport(const std::string& path, Team& team, TeamFileForm form, bool append,
                       const HtmlStyle& style, const LocalDateTime& when) {
  switch (form) {
    case TeamFileForm::kTeamFile:
      return Refuse(SaveTeam(path, team), path);
    case TeamFileForm::kCsv:
      return WriteExportText(path, TeamCsvText(team), append);
    case TeamFileForm::kHtml:
      return WriteExportText(path, TeamHtml(team, style, when, append), append);
  }
  return Refuse(Status::Failed(path, "no such form"), path);
}

Status WriteAddressList(const std::string& path, const Team& team, bool html, bool append,
                        const HtmlStyle& style, const LocalDateTime& when) {
  const std::string text = html ? AddressListHtml(team, style, when, append) : AddressListCsv(team);
  return WriteExportText(path, text, append);
}

}  // namespace scorewick::reports

#include "reports/site/site_publish.h"

#include <filesystem>

#include "reports/site/site_folder.h"

namespace scorewick::site {

std::string PublishSummary::Line(const std::string& folder) const {
  const int games = report.games_published;
  return std::to_string(games) + (games == 1 ? " game" : " games") + " published in " + folder +
         ": " + std::to_string(written) + " files written, " + std::to_string(unchanged) +
         " unchanged, " + std::to_string(removed) + " removed";
}

PublishSummary PublishSite(const SiteRequest& request, const std::string& folder) {
  PublishSummary summary;
  std::error_code ec;
  const bool made = !std::filesystem::exists(folder, ec);
  std::filesystem::create_directories(folder, ec);
  if (!std::filesystem::is_directory(folder, ec)) {
    summary.errors.push_back("cannot make the folder " + folder +
                             (ec ? ": " + ec.message() : std::string(": a file is there")));
    return summary;
  }
  SiteFolder out(folder);
  summary.report = BuildSite(request, [&](const std::string& path, const std::string& text) {
    if (const Status added = out.Add(path, text); !added) summary.errors.push_back(added.reason);
  });
  // With no game of the team, the files added are dropped with the folder's
  // batch, and a folder made for them goes again.
  if (summary.report.games_published == 0) {
    if (made) std::filesystem::remove(folder, ec);
    return summary;
  }
  std::vector<Status> failed;
  if (const Status finished = out.Finish(&failed); !finished) {
    for (const Status& f : failed) summary.errors.push_back(f.reason);
    if (failed.empty()) summary.errors.push_back(finished.reason);
  }
  summary.written = out.written();
  summary.unchanged = out.unchanged();
  summary.removed = out.removed();
  summary.published = true;
  return summary;
}

}  // namespace scorewick::site

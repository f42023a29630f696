#pragma once
// Publishing a season's website into a folder: the pages made
// (season_site.h) and written where they changed (site_folder.h), for the
// site command and File > Publish Season Website alike.  The output check
// (whether the folder may be written at all) is the caller's.

#include <string>
#include <vector>

#include "reports/site/season_site.h"

namespace scorewick::site {

struct PublishSummary {
  SiteReport report;
  int written = 0, unchanged = 0, removed = 0;
  std::vector<std::string> errors;  // files that could not be written, and why
  bool published = false;           // a game of the team was read and the pages were kept
  // "24 games published in DIR: 80 files written, 0 unchanged, 0 removed"
  std::string Line(const std::string& folder) const;
};

// Makes the folder when missing and publishes the request into it.  When
// no game of the team can be read, nothing is written (published false)
// and a folder made for the site is taken away again.
PublishSummary PublishSite(const SiteRequest& request, const std::string& folder);

}  // namespace scorewick::site

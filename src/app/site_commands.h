#pragma once
// File > Publish Season Website: the game chooser's games, team and
// filters, the small dialog (title, full names or initials), a folder, then
// the website written there (only the pages that changed when the folder
// holds a site published before) and its home page opened in the user's
// browser.  A folder holding other files is asked about first.

#include "app/command_table.h"

namespace scorewick::app {

void RunPublishSite(CommandEnv& env);

}  // namespace scorewick::app

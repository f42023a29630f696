#pragma once
// The Pocket PC devices paired with this computer and, for each, the
// synchronised-files folder whose contents the desktop synchronisation
// copies to the device and back.
//
// They are listed in a partners file, one section per paired device, in
// pairing order:
//
//   # comments start with '#' or ';'
//   [coach-ipaq]
//   DisplayName = Coach's Pocket PC
//   SyncFolder = /home/coach/Pocket PC Files
//
// The file is $SCOREWICK_PARTNERS, else $XDG_CONFIG_HOME/scorewick/partners,
// else ~/.config/scorewick/partners.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/status.h"

namespace scorewick {

struct PocketPcPartner {
  std::string key;  // the section name
  std::string display_name;
  std::optional<std::string> sync_folder;  // missing when the section has none
  // Why the section's folder is not used, naming the section (a folder
  // holding a zero byte or another control character names no folder the
  // person meant); empty when it is used.
  std::string refusal;
};

std::string PartnersFilePath();

// Parses a partners file's text.  Lines that are neither a section, a
// "key = value" pair nor a comment are ignored; keys are matched without
// regard to case.  A folder holding a control character is not taken: the
// section gets no folder and a refusal instead.
std::vector<PocketPcPartner> ParsePartners(std::string_view text);

// Reads the partners file into partners; fails when it is missing or
// cannot be read, the reason saying which: "no partners file at PATH",
// "PATH is larger than 1 MB and was not read", or the system's reason.
Status ReadPartners(const std::string& path, std::vector<PocketPcPartner>& partners);

}  // namespace scorewick

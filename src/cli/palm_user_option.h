#pragma once
// The command line's way of choosing a Palm user: the --user flag names
// one; with several users and no flag nothing is chosen and the users are
// listed, so that the person can name one.

#include <iosfwd>
#include <string>

#include "app/core/command_services.h"

namespace scorewick::cli {

app::PalmUserPicker PalmUserByName(const std::string& user, std::ostream& err);

// False (with the users listed on err) when user is named but is not one of
// the Palm users; true when it is, when none is named, or when the install
// aide cannot be loaded (the command then reports that).
bool NamedPalmUserExists(const std::string& user, std::ostream& err);

}  // namespace scorewick::cli

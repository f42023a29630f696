#pragma once
// Commands such as "palm users" and "palm export" live in different files
// but share their first word: each file asks for the group by name and
// adds its own subcommand to it.  Files that use a group register with
// after_others set, so that a file that adds the group itself (with
// add_subcommand) has done so first.

#include <CLI/CLI.hpp>
#include <string>

namespace scorewick::cli {

// The subcommand called name, added with description when no file has
// added it yet.  A group needs one of its subcommands.
inline CLI::App* SubcommandGroup(CLI::App& app, const std::string& name,
                                 const std::string& description) {
  for (CLI::App* sub : app.get_subcommands([](CLI::App*) { return true; })) {
    if (sub->get_name() == name) return sub;
  }
  CLI::App* group = app.add_subcommand(name, description);
  group->require_subcommand(1);
  return group;
}

}  // namespace scorewick::cli

#pragma once
// The main window's menu and tool bar as data, so that the window builds
// them from one description and tests read the same description.

#include <string_view>
#include <vector>

namespace scorewick::app {

struct MenuEntry {
  enum class Kind { kItem, kSeparator, kSubmenu };
  Kind kind = Kind::kItem;
  std::string_view label;           // with "&" before the access key
  int command = 0;                  // items only
  std::string_view shortcut;        // "Ctrl+X", "F1" or empty
  std::vector<MenuEntry> children;  // submenus only
};

// The top-level menus, left to right, each a submenu entry (the Options
// command stands alone at the top level).
const std::vector<MenuEntry>& MainMenu();

struct ToolbarEntry {
  enum class Kind { kButton, kGap, kDivider };
  Kind kind = Kind::kButton;
  int command = 0;           // buttons
  int bitmap = 0;            // picture number of the button or divider
  int gap = 0;               // gap width in gap units
  std::string_view tooltip;  // buttons
};

// The tool bar, left to right.
const std::vector<ToolbarEntry>& MainToolbar();

// Pixels per gap unit of the tool bar.
inline constexpr int kToolbarGapPixels = 2;

}  // namespace scorewick::app

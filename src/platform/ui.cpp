#include "platform/ui.h"

namespace scorewick {

std::vector<FileFilter> ParseFileFilter(std::string_view filter) {
  std::vector<FileFilter> filters;
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start < filter.size()) {
    std::size_t bar = filter.find('|', start);
    if (bar == std::string_view::npos) bar = filter.size();
    parts.emplace_back(filter.substr(start, bar - start));
    start = bar + 1;
  }
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    filters.push_back({parts[i], parts[i + 1]});
  }
  return filters;
}

std::vector<std::string> Ui::ChooseOpenFiles(const FileDialogRequest& request) {
  std::optional<FileChoice> one = ChooseOpenFile(request);
  if (!one) return {};
  return {one->path};
}

void ShowAll(Ui& ui, const UserMessages& messages) {
  for (const UserMessage& m : messages) ui.ShowMessage(m.text, m.caption, m.icon);
}

bool Show(Ui& ui, const Status& status) {
  ShowAll(ui, status.messages);
  return status.ok;
}

}  // namespace scorewick

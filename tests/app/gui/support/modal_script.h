#pragma once
// Stands in for the user at the dialogs the menu commands run (they all
// run through app::RunModal): OnModal<Dialog>(handler) answers every
// dialog of that type, in place of the handler set for it before; any
// other dialog runs as it would.  ResetModal forgets every handler.

#include <QDialog>
#include <functional>
#include <optional>
#include <typeindex>
#include <utility>
#include <vector>

#include "app/modal_run.h"

namespace scorewick::testing {

using ModalHandler = std::function<std::optional<int>(QDialog&)>;

inline std::vector<std::pair<std::type_index, ModalHandler>>& ModalHandlers() {
  static std::vector<std::pair<std::type_index, ModalHandler>> handlers;
  return handlers;
}

inline void ResetModal() {
  ModalHandlers().clear();
  app::ModalRun() = [](QDialog& dialog) { return dialog.exec(); };
}

// handler(Dialog&) returns the dialog's result.
template <typename Dialog, typename Handler>
void OnModal(Handler handler) {
  auto& handlers = ModalHandlers();
  std::erase_if(handlers, [](const auto& h) { return h.first == typeid(Dialog); });
  handlers.emplace_back(typeid(Dialog), [handler](QDialog& dialog) -> std::optional<int> {
    if (auto* d = dynamic_cast<Dialog*>(&dialog)) return handler(*d);
    return std::nullopt;
  });
  app::ModalRun() = [](QDialog& dialog) {
    for (const auto& h : ModalHandlers()) {
      if (const std::optional<int> result = h.second(dialog)) return *result;
    }
    return dialog.exec();
  };
}

}  // namespace scorewick::testing

#include "app/core/save_target.h"

#include <filesystem>
#include <system_error>

#include "records/path_names.h"

namespace scorewick::app {

bool ExtensionNames(const std::string& path, const SaveType& type) {
  const std::string extension = ExtensionOf(path);
  return extension == type.extension || (*type.also != '\0' && extension == type.also);
}

std::string SettleSaveName(const std::string& typed, const SaveType& type, Ui& ui) {
  if (!FileNameHasDot(typed)) return WithExtension(typed, type.extension);
  if (ExtensionNames(typed, type)) return typed;
  const std::string name = FileNameOf(typed);
  const std::string suffixed = typed + "." + type.extension;
  const std::string question = name + " is not the name of " + type.name + ".\n\nSave it as " +
                               FileNameOf(suffixed) + "?\n(No saves it as " + name + ".)";
  return ui.AskYesNo(question, kFileTypeCaption, MessageIcon::kQuestion) ? suffixed : typed;
}

bool MayReplace(const std::string& path, const SaveType& type,
                const std::vector<std::string>& inputs, Ui& ui) {
  const FileContent there = ContentOfFile(path);
  if (SameKind(there, type.content)) return true;
  std::error_code ec;
  bool own = false;
  for (const std::string& in : inputs) {
    own = own || (!in.empty() && std::filesystem::equivalent(in, path, ec) && !ec);
  }
  const std::string name = FileNameOf(path);
  std::string question =
      own ? name + " is the file being exported, and it holds " + ContentName(there) + "."
          : name + " already holds " + ContentName(there) + ".";
  question += "\n\nReplace it with " + std::string(type.name) + "?";
  return ui.AskYesNo(question, kReplaceCaption, MessageIcon::kExclamation);
}

std::optional<std::string> SettleTarget(const std::string& typed, const SaveType& type,
                                        const std::string& input, Ui& ui) {
  std::string path = SettleSaveName(typed, type, ui);
  if (!MayReplace(path, type, {input}, ui)) return std::nullopt;
  return path;
}

}  // namespace scorewick::app

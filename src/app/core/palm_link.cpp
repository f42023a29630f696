#include "app/core/palm_link.h"

#include <cctype>
#include <filesystem>
#include <fstream>

namespace scorewick::app {

PalmUserChoice ChoosePalmUser(CommandServices& services, const std::string& no_user_text) {
  PalmUserChoice choice;
  choice.aide = InstallAide::Load();
  if (!choice.aide) {
    ShowAll(services.ui, {CannotLoadInstallAideMessage()});
    return choice;
  }
  const int count = choice.aide->UserCount();
  int index = -1;
  if (count == 0) {
    services.ui.ShowMessage(no_user_text, "No Users Found", MessageIcon::kInformation);
  } else if (count == 1 || count < 0) {
    index = 0;
  } else if (services.pick_palm_user) {
    index = services.pick_palm_user(*choice.aide);
  }
  if (index >= 0) choice.user = choice.aide->UserName(index);
  return choice;
}

std::string InstalledFileName(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

bool IsPalmInstallable(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".pdb" || extension == ".prc" || extension == ".pqa";
}

bool InstallFileToPalm(CommandServices& services, const std::string& path) {
  if (!IsPalmInstallable(path)) {
    // The handheld takes only databases and applications: anything else
    // would sit in the queue and never arrive.
    services.ui.ShowMessage(InstalledFileName(path) +
                                " is not a Palm database or application (.pdb, .prc or .pqa) "
                                "and was not installed",
                            "Palm Install Failed", MessageIcon::kExclamation);
    return false;
  }
  PalmUserChoice choice = ChoosePalmUser(services, "Cannot Install File");
  return choice.user && QueueForHotSync(services, choice, path);
}

bool QueueForHotSync(CommandServices& services, const PalmUserChoice& choice,
                     const std::string& path) {
  if (!choice.aide->InstallFile(*choice.user, path)) {
    // The desktop software could not take the file: saying it will arrive
    // would send the person to the handheld for nothing.
    services.ui.ShowMessage(
        InstalledFileName(path) + " could not be queued for " + *choice.user + "'s next HotSync",
        "Palm Install Failed", MessageIcon::kExclamation);
    return false;
  }
  services.ui.ShowMessage(
      InstalledFileName(path) + " should be available on your Palm after your next HotSync",
      "Palm Companion File Successfully Installed", MessageIcon::kNone);
  return true;
}

void RunInstallCompanion(CommandServices& services) {
  const std::string path =
      (std::filesystem::path(services.session.start_folder) / "Scorewick.prc").string();
  std::error_code ec;
  if (std::ifstream(path, std::ios::binary).is_open() && !std::filesystem::is_directory(path, ec)) {
    InstallFileToPalm(services, path);
    return;
  }
  // The path tried goes in the text: a caption is cut to the window's width.
  if (!services.ui.AskYesNo("Unable to locate the Scorewick Companion Application.\n\n" + path +
                                "\n\nWould you like to manually search your computer for this "
                                "file ?",
                            kCompanionCaption, MessageIcon::kQuestion)) {
    return;
  }
  FileDialogRequest request;
  request.filter = "Palm Application File (*.prc)|*.prc|";
  request.default_extension = "prc";
  if (auto chosen =
          ChooseFileToOpen(services.session, services.ui, FileKind::kPalmInstall, request)) {
    InstallFileToPalm(services, chosen->path);
  }
}

void RunInstallOther(CommandServices& services) {
  FileDialogRequest request;
  request.filter = "Palm Game or Team File (*.pdb)|*.pdb|Palm Application (*.prc)|*.prc|";
  request.default_extension = "pdb|prc";
  if (auto chosen =
          ChooseFileToOpen(services.session, services.ui, FileKind::kPalmInstall, request)) {
    InstallFileToPalm(services, chosen->path);
  }
}

}  // namespace scorewick::app

#pragma once
// "Scorewick Options": the league rules and the styling of the HTML pages.
// The dialog shows the settings as they are, keeps the six HTML colours in
// a working copy while it is open, and stores everything when OK is
// pressed.  Cancel stores nothing, the background-image box included.

#include <QDialog>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "app/core/settings.h"
#include "platform/ui.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QTabWidget;

namespace scorewick::app {

class ColorSwatch;

inline constexpr int kBackgroundImageMaxLength = 100;

class OptionsDialog : public QDialog {
  Q_OBJECT

 public:
  OptionsDialog(Settings& settings, Ui& ui, QWidget* parent);

  // The six colour entries, in the list's order.
  static const std::array<const char*, kHtmlColorCount>& ColorNames();
  const std::array<std::uint32_t, kHtmlColorCount>& working_colors() const { return working_; }

  void accept() override;

  // The pitch-count rules file its Pitch Count Rules button edits
  // (workload.txt in the start folder); the button does nothing while empty.
  // Rules edited there are written by OK, not by Cancel.
  std::string workload_rules_file;

 private:
  QWidget* BuildLeaguePage();
  QWidget* BuildHtmlPage();
  void ShowSelectedColor();
  void ChangeColor();
  void ResetColors();

  Settings& settings_;
  Ui& ui_;
  std::array<std::uint32_t, kHtmlColorCount> working_{};
  QTabWidget* tabs_ = nullptr;
  QSpinBox* strikes_ = nullptr;
  QSpinBox* balls_ = nullptr;
  QSpinBox* outs_ = nullptr;
  QSpinBox* innings_ = nullptr;
  QCheckBox* ll_rules_ = nullptr;
  QComboBox* colors_ = nullptr;
  ColorSwatch* swatch_ = nullptr;
  QComboBox* fonts_ = nullptr;
  QSpinBox* body_size_ = nullptr;
  QSpinBox* header_size_ = nullptr;
  QCheckBox* use_background_ = nullptr;
  QLineEdit* background_image_ = nullptr;
  std::optional<std::string> workload_rules_;  // edited, to write on OK
};

}  // namespace scorewick::app

#pragma once
// The new-menu wizard as data: which applet options are offered and checked,
// the theme list of the checked kind, the selected entry, the preview pictures
// to show and what OK hands back. The desktop dialog is a thin view on it.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/applet_kind.hpp"
#include "ports/user_interface.hpp"

namespace quillon {

// The list entry that stands for the plain style, without a theme.
inline constexpr const char* kNormalThemeEntry = "_Normal";

// The theme folder of a kind below the program folder: "themes/tab/" and so on.
std::string themeFolder(const std::string& programFolder, TAppletKind kind);

// The themes of one kind folder: its sub-folders, sorted by name, without
// those whose names begin with "." and without "Normal", which holds the
// plain style's picture. Nothing when the folder is missing.
std::vector<std::string> listThemes(const std::string& kindFolder);

// What the wizard was closed with.
struct WizardResult {
  TAppletKind kind = akTabTree;
  // Full path of the chosen theme's page; empty for the plain style or when
  // the theme's page was missing.
  std::string themePage;
};

class NewAppletWizard {
 public:
  NewAppletWizard(std::string programFolder, UserInterface& ui);

  // The three options, in the wizard's order Tab and Tree, Tree only, Tab only.
  static constexpr std::array<TAppletKind, 3> kOptionOrder = {akTabTree, akTree, akTab};
  TAppletKind checkedKind() const { return checked_; }
  bool optionVisible(TAppletKind kind) const { return optionVisible_[kind]; }

  // The wizard is being shown: the list is filled for the checked option.
  void shown();
  // An option was clicked: it becomes checked and the list is refilled for it.
  void optionClicked(TAppletKind kind);
  // Fills the list for a kind, keeping the selected position where the new list is long enough.
  void setThemes(TAppletKind kind);

  const std::vector<std::string>& entries() const { return entries_; }
  // -1 when nothing is selected.
  int selectedIndex() const { return selected_; }
  void entryClicked(int index);

  // The preview picture beside each option; nothing hides it.
  const std::optional<std::string>& picture(TAppletKind kind) const { return pictures_[kind]; }

  // OK (or a double click in the list). False while no entry is selected: the
  // wizard stays open. Otherwise the result is set and the wizard closes;
  // a theme whose page is missing is reported and the result has no theme.
  bool accept();
  const std::optional<WizardResult>& result() const { return result_; }

  // The theme change: only the open menu's option is offered and checked, and
  // the list leaves out the plain style until endThemeChange.
  void beginThemeChange(TAppletKind kind);
  void endThemeChange();
  bool themeChangeMode() const { return themeChange_; }

 private:
  void setThemesPicture();

  std::string programFolder_;
  UserInterface& ui_;
  TAppletKind checked_ = akTabTree;
  std::array<bool, 3> optionVisible_ = {true, true, true};
  std::vector<std::string> entries_;
  int selected_ = -1;
  std::array<std::optional<std::string>, 3> pictures_;
  bool themeChange_ = false;
  std::optional<WizardResult> result_;
};

}  // namespace quillon

#pragma once
// What every generator of the generator and deploy windows shares: the menu
// and the ports it works with, and what it reports back.
#include <functional>
#include <string>
#include <vector>

#include "format/atomic_file.hpp"
#include "generators/page_style.hpp"
#include "generators/template_page.hpp"
#include "model/menu_model.hpp"
#include "ports/user_interface.hpp"

namespace quillon {

struct GeneratorContext {
  const MenuModel& menu;
  UserInterface& ui;
  // The fonts, colours and picture of generated pages, kept by the main window.
  PageStyle& style;
  // The program folder with a trailing "/", holding resource/.
  std::string programFolder;
};

struct GenerationResult {
  std::string pagePath;            // the page to show; empty when it was not written
  std::vector<std::string> files;  // every file written or copied, in order
  std::string failure;             // why the page was not written
  bool written() const { return !pagePath.empty(); }
};

// The folder of the menu's page, with a trailing "/"; empty while the page has no path.
std::string projectFolder(const MenuModel& menu);

// The name a generator writes: "~" in front when previewing.
std::string outputName(const std::string& name, bool preview);

// Collects the files of one run and the first failure that stops it. The
// files go beside the menu's page, which is never one of them.
class GeneratedFiles {
 public:
  explicit GeneratedFiles(const MenuModel& menu) : folder_(projectFolder(menu)), menuPage_(menu.Document.PagePath) {}

  const std::string& folder() const { return folder_; }
  // The lines of a template; nothing, with the failure noted, when it cannot be read.
  std::optional<PageLines> readTemplate(const std::string& programFolder, const std::string& name);
  // Marks a template that lacks the lines the generator needs.
  void templateUnfit(const std::string& programFolder, const std::string& name);
  // Writes a page into the folder; the first page written is the one to show.
  // The menu's own page is refused.
  bool writePage(const std::string& name, const PageLines& lines);
  // Writes a file of other text into the folder, as writePage does.
  bool writeFile(const std::string& name, const std::string& text);
  // The same for a file too large to be held whole: fill writes it.
  bool writeFileFrom(const std::string& name, const FileFiller& fill);
  // Copies a resource file into the folder unless a file of that name is
  // there: it may be the user's own. A failed copy stops nothing.
  void copyResource(const std::string& programFolder, const std::string& name, const std::string& asName);

  GenerationResult result() const { return result_; }

 private:
  bool isMenuPage(const std::string& path) const;
  bool write(const std::string& name, const std::function<bool(const std::string& path)>& writeAt);

  std::string folder_;
  std::string menuPage_;
  GenerationResult result_;
};

}  // namespace quillon

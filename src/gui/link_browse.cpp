#include "gui/link_browse.hpp"

#include "app/link_path.hpp"
#include "format/text_helpers.hpp"

namespace quillon::gui {

std::optional<std::string> browseForLink(const MenuModel& menu, UserInterface& ui) {
  FileDialogRequest request;
  request.title = "Select File";
  request.filter = "HTML files (*.htm, *.html)|*.htm;*.html|All Files|*.*";
  request.initialDir = extractFilePath(menu.Document.PagePath);
  request.fileMustExist = true;
  const std::optional<std::string> chosen = ui.openFile(request);
  if (!chosen) return std::nullopt;
  return linkPathFor(menu.Document.PagePath, menu.Settings.Codebase, *chosen);
}

}  // namespace quillon::gui

#pragma once
// Turns the menu into the text of its applet page: header, applet tag, every
// parameter, the tab and node entries (or content files) and footer. Touches
// no file; the page writer does the output.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "format/site_layout.hpp"
#include "model/menu_model.hpp"

namespace quillon {

struct ContentFile {
  std::string name;  // file name, written into the class folder
  std::string text;  // one entry a line, CR LF line ends
};

struct ComposedPage {
  std::string text;  // the whole page, CR LF line ends, as it goes into the file
  std::vector<ContentFile> contentFiles;
  // Full paths of the images the page names, each once, in order of first use.
  std::vector<std::string> copyList;
  // Entries holding a ";" that the applet and the reader will split.
  std::vector<std::string> entriesWithSemicolon;
};

// Composes the page for the model's PagePath. Empty tab link fields become
// "None" and the applet size follows the size rules in the model itself; the
// current tab stays current.
// onStep runs once per tab and per node, so a window can keep painting.
ComposedPage composePage(MenuModel& menu, const SiteLayout& layout, const std::function<void()>& onStep = {});

// Takes the page text in order, a piece at a time.
using PageSink = std::function<void(std::string_view piece)>;

// The same page handed to sink in pieces of about half a megabyte, so that a
// large menu is never held whole; the text of the page returned stays empty.
ComposedPage composePageTo(MenuModel& menu, const SiteLayout& layout, const PageSink& sink,
                           const std::function<void()>& onStep = {});

// Lines joined with CR LF line ends, as they go into a file.
std::string joinLines(const std::vector<std::string>& lines);

}  // namespace quillon

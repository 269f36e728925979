#pragma once
// A menu, a site folder and a program folder with placeholder applet files,
// ready for the page writer.
#include <ostream>
#include <string>
#include <vector>

#include "format/page_writer.hpp"
#include "memory_ports.hpp"
#include "model/menu_model.hpp"
#include "scripted_ui.hpp"
#include "temp_dir.hpp"

namespace quillon::testing {

class WriterFixture {
 public:
  TempDir temp;
  ScriptedUi ui;
  MemoryClipboard clipboard;
  MemorySettings programSettings;
  std::vector<std::string> recentFiles;
  WriterContext context;
  MenuModel menu;

  // The site folder is temp/site; the program folder temp/program/.
  explicit WriterFixture(TAppletKind kind = akTabTree);

  std::string site(const std::string& name = "") const { return temp.file("site/" + name); }
  std::string program(const std::string& name = "") const { return temp.file("program/" + name); }

  // A 16 x 16 GIF in temp/pictures, added to the image list; returns its index.
  int addIcon(const std::string& name);

  WriteResult write();
  std::string pageText() const;
  std::vector<std::string> pageLines() const;
  // The VALUE of the PARAM line named, or "<absent>".
  std::string param(const std::string& name) const;
  std::vector<std::string> reportLines() const;
};

std::vector<std::string> splitLines(const std::string& text);

}  // namespace quillon::testing

namespace quillon {
// Settings print as their JSON form in test failures.
void PrintTo(const TAppletSettings& settings, std::ostream* out);
}  // namespace quillon

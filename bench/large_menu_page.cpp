// Writes the large Tab&Tree page of the benchmarks, so that no big page needs
// to be kept in the sources: large_menu_page TABS NODES_PER_TAB PAGE.htm
#include <cstdio>
#include <string>

#include "format/page_writer.hpp"
#include "large_menu.hpp"
#include "silent_ports.hpp"

int main(int argc, char** argv) {
  using namespace quillon;
  if (argc != 4) {
    std::fprintf(stderr, "usage: large_menu_page TABS NODES_PER_TAB PAGE.htm\n");
    return 2;
  }
  MenuModel menu;
  bench::buildLargeMenu(menu, std::stoi(argv[1]), std::stoi(argv[2]));
  menu.Document.PagePath = argv[3];
  bench::SilentUi ui;
  bench::NullClipboard clipboard;
  bench::NullSettings settings;
  WriterContext context{ui, clipboard, settings, "", {}, {}};
  return WritePage(menu, context).ok() ? 0 : 1;
}

#include "writer_fixture.hpp"

#include <filesystem>

#include "format/applet_files.hpp"
#include "format/menu_json.hpp"
#include "test_images.hpp"

namespace quillon::testing {

WriterFixture::WriterFixture(TAppletKind kind)
    : context{ui, clipboard, programSettings, temp.file("program/"), {}, {}} {
  context.addRecentFile = [this](const std::string& path) { recentFiles.push_back(path); };
  std::filesystem::create_directories(site());
  const std::string jclass = program(kAppletSourceFolder);
  for (TAppletKind k : {akTab, akTree, akTabTree}) {
    writeFile(jclass + appletNamesFor(k).code, "class of " + std::string(appletNamesFor(k).name));
    writeFile(jclass + appletNamesFor(k).archive, "archive of " + std::string(appletNamesFor(k).name));
  }
  for (const char* name : kSupportClasses) writeFile(jclass + name, name);
  resetToNewMenu(menu, kind);
  menu.Document.PagePath = site("index.htm");
  menu.Document.AskSaveLocation = false;
}

int WriterFixture::addIcon(const std::string& name) {
  const std::string path = temp.file("pictures/" + name);
  std::filesystem::create_directories(temp.file("pictures"));
  writeGif(path, 16, 16);
  return menu.Images.AddImage(path);
}

WriteResult WriterFixture::write() { return WritePage(menu, context); }

std::string WriterFixture::pageText() const { return readFile(menu.Document.PagePath); }

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::vector<std::string> WriterFixture::pageLines() const { return splitLines(pageText()); }

std::string WriterFixture::param(const std::string& name) const {
  const std::string opening = "\t<PARAM NAME=\"" + name + "\" VALUE=\"";
  for (const auto& line : pageLines()) {
    if (line.rfind(opening, 0) == 0) return line.substr(opening.size(), line.size() - opening.size() - 2);
  }
  return "<absent>";
}

std::vector<std::string> WriterFixture::reportLines() const { return splitLines(readFile(menu.Document.ReportPath)); }

}  // namespace quillon::testing

namespace quillon {

void PrintTo(const TAppletSettings& settings, std::ostream* out) {
  MenuModel menu;
  menu.Settings = settings;
  const std::string json = menuToJson(menu);
  *out << json.substr(0, json.find("\"ImageFiles\""));
}

}  // namespace quillon

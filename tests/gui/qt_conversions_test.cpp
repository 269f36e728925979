// What passes between the logic and Qt: dialog filters, page bytes, colours.
#include "gui/file_filter.hpp"
#include "gui/qt_color.hpp"
#include "gui/qt_text.hpp"

#include <gtest/gtest.h>

namespace quillon::gui {
namespace {

TEST(FileFilter, ClassicFiltersBecomeQtFilters) {
  struct Case {
    const char* classic;
    const char* qt;
  };
  const Case cases[] = {
      {"Html Files|*.html;*.htm", "Html Files (*.html *.HTML *.htm *.HTM)"},
      {"HTML files (*.htm, *.html)|*.htm;*.html|All Files|*.*",
       "HTML files (*.htm *.HTM *.html *.HTML);;All Files (*)"},
      {"Gif Files (*.gif)|*.gif", "Gif Files (*.gif *.GIF)"},
      {"Sound files (*.au)|*.au", "Sound files (*.au *.AU)"},
      {"", ""},
      {"Dangling description", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(qtFileFilter(c.classic).toStdString(), c.qt) << c.classic;
}

TEST(QtText, PageBytesShowAsUtf8ElseAsLatin1AndUtf8GoesBackUnchanged) {
  EXPECT_EQ(toQString("caf\xC3\xA9"), QString::fromUtf8("caf\xC3\xA9"));
  EXPECT_EQ(toQString("caf\xE9"), QString::fromLatin1("caf\xE9"));
  EXPECT_EQ(toBytes(toQString("caf\xC3\xA9 & more")), "caf\xC3\xA9 & more");
  EXPECT_EQ(toQString(std::string("a\0b", 3)).size(), 3);
}

TEST(QtColor, ModelColoursKeepRedInTheLowByte) {
  EXPECT_EQ(toQColor(0x0000FF), QColor(255, 0, 0));
  EXPECT_EQ(toQColor(0xFF0000), QColor(0, 0, 255));
  EXPECT_EQ(toQColor(0x000080), QColor(128, 0, 0));
  for (std::uint32_t color : {0x000000u, 0xFFFFFFu, 0x123456u, 0x00FFFFu}) EXPECT_EQ(fromQColor(toQColor(color)), color);
}

}  // namespace
}  // namespace quillon::gui

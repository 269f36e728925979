#include <gtest/gtest.h>

#include "app/browser_command.hpp"

namespace quillon {
namespace {

using Args = std::vector<std::string>;

struct CutCase {
  const char* name;
  const char* commandTemplate;
  const char* cut;
};

class PlaceholderCut : public ::testing::TestWithParam<CutCase> {};

TEST_P(PlaceholderCut, DropsEverythingFromThePlaceholderOn) {
  const CutCase c = GetParam();
  EXPECT_EQ(cutAtPlaceholder(c.commandTemplate), c.cut) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlaceholderCut,
    ::testing::Values(
        CutCase{"quoted path, option, quoted placeholder", "\"/opt/Web Browser/browser\" -nohome \"%u\"",
                "\"/opt/Web Browser/browser\" -nohome "},
        CutCase{"no placeholder", "browser --new-window", "browser --new-window"},
        CutCase{"bare placeholder and what follows", "browser %U --private", "browser "},
        CutCase{"file placeholders count too", "viewer %f", "viewer "},
        CutCase{"the first bare one", "browser %F %u", "browser "},
        CutCase{"a quoted one wins over an earlier bare one", "browser %u \"%U\"", "browser %u "},
        CutCase{"a literal percent is no placeholder", "browser --title=100%%u %u", "browser --title=100%%u "},
        CutCase{"other field codes stay", "browser %i %c", "browser %i %c"}));

struct ArgumentCase {
  const char* name;
  const char* commandTemplate;
  const char* url;
  Args arguments;
};

class BrowserArguments : public ::testing::TestWithParam<ArgumentCase> {};

TEST_P(BrowserArguments, EndWithTheAddressAsOneArgument) {
  const ArgumentCase c = GetParam();
  EXPECT_EQ(browserArguments(c.commandTemplate, c.url), c.arguments) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrowserArguments,
    ::testing::Values(
        ArgumentCase{"quoted path, option, quoted placeholder", "\"/opt/Web Browser/browser\" -nohome \"%u\"",
                     "http://example.org/", Args{"/opt/Web Browser/browser", "-nohome", "http://example.org/"}},
        ArgumentCase{"no placeholder", "xdg-open", "file:///site/~preview.htm",
                     Args{"xdg-open", "file:///site/~preview.htm"}},
        ArgumentCase{"an address with blanks stays whole", "browser %u", "/my site/a page.htm",
                     Args{"browser", "/my site/a page.htm"}},
        ArgumentCase{"an address that looks like an option or a quote stays as it is", "browser %u",
                     "\"x\" 'y' $HOME", Args{"browser", "\"x\" 'y' $HOME"}},
        ArgumentCase{"tabs and runs of blanks separate", "env\tA=1   browser  %U", "u",
                     Args{"env", "A=1", "browser", "u"}},
        ArgumentCase{"escapes inside quotes", R"(sh "a \"b\" \$c \\d \x" %u)", "u",
                     Args{"sh", R"(a "b" $c \d \x)", "u"}},
        ArgumentCase{"quotes join with what touches them", R"(browser --profile="My Profile" %u)", "u",
                     Args{"browser", "--profile=My Profile", "u"}},
        ArgumentCase{"an empty quoted argument is kept", R"(browser "" %u)", "u", Args{"browser", "", "u"}},
        ArgumentCase{"field codes left before the placeholder go", "browser %i --name=%c %u", "u",
                     Args{"browser", "--name=", "u"}},
        ArgumentCase{"a literal percent", "browser --zoom=50%% %u", "u", Args{"browser", "--zoom=50%", "u"}}));

TEST(DesktopEntryExec, ReadsTheExecOfTheDesktopEntryGroup) {
  const std::string file =
      "# comment\n"
      "[Desktop Action new-window]\n"
      "Exec=browser --new-window %u\n"
      "[Desktop Entry]\n"
      "Name=Browser\n"
      "Exec[de]=ignored\n"
      "TryExec=browser\n"
      "Exec = /usr/bin/browser\\s--flag \"%u\"\r\n"
      "[Desktop Action private]\n"
      "Exec=browser --private %u\n";
  EXPECT_EQ(desktopEntryExec(file), "/usr/bin/browser --flag \"%u\"");
}

TEST(DesktopEntryExec, ResolvesTheFileEscapesBeforeTheQuoting) {
  // In the file a backslash inside a quoted argument is written twice.
  EXPECT_EQ(desktopEntryExec("[Desktop Entry]\nExec=\"a\\\\\"b\" \\t\\n\\r\\q\n"), "\"a\\\"b\" \t\n\r\\q");
  EXPECT_EQ(browserArguments(*desktopEntryExec("[Desktop Entry]\nExec=sh \"a\\\\\"b\" %u\n"), "u"),
            (Args{"sh", "a\"b", "u"}));
}

TEST(DesktopEntryExec, NothingWithoutTheGroupOrTheKey) {
  EXPECT_EQ(desktopEntryExec(""), std::nullopt);
  EXPECT_EQ(desktopEntryExec("[Desktop Action x]\nExec=browser\n"), std::nullopt);
  EXPECT_EQ(desktopEntryExec("[Desktop Entry]\nName=Browser\nExecutable=browser\n"), std::nullopt);
}

}  // namespace
}  // namespace quillon

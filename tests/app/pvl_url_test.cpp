#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <thread>

#include "app/desktop_handler.hpp"
#include "app/pvl_url.hpp"
#include "isolated_environment.hpp"
#include "temp_dir.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using testing::EnvOverride;

void writeScript(const std::string& path, const std::string& body) {
  testing::writeFile(path, "#!/bin/sh\n" + body);
  ::chmod(path.c_str(), 0755);
}

// A script that waits until the test releases it (so a launcher that waited
// for it would be caught), then writes whether it was released and its
// arguments, one a line.
std::string recordingScript(const std::string& folder) {
  return "d='" + folder + "'\n"
         "i=0\n"
         "while [ ! -e \"$d/release\" ] && [ $i -lt 400 ]; do sleep 0.05; i=$((i+1)); done\n"
         "if [ -e \"$d/release\" ]; then echo released; else echo waited; fi > \"$d/args.tmp\"\n"
         "printf '%s\\n' \"$@\" >> \"$d/args.tmp\"\n"
         "mv \"$d/args.tmp\" \"$d/args.txt\"\n";
}

Lines recordedLines(const std::string& folder) {
  const std::string path = folder + "/args.txt";
  for (int i = 0; i < 1000 && !fs::exists(path); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  Lines lines;
  std::string text = testing::readFile(path);
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    start = end == std::string::npos ? text.size() : end + 1;
  }
  return lines;
}

// A desktop with no system folders: its own data folders and a bin folder first on PATH.
class FakeDesktop : public ::testing::Test {
 protected:
  testing::TempDir temp;
  std::string folder = temp.path().string();
  EnvOverride dataHome{"XDG_DATA_HOME", folder + "/data"};
  EnvOverride dataDirs{"XDG_DATA_DIRS", folder + "/system1:" + folder + "/system2"};
  EnvOverride path{"PATH", folder + "/bin:" + std::string(std::getenv("PATH") ? std::getenv("PATH") : "/bin")};

  void handlerIs(const std::string& desktopId) {
    writeScript(folder + "/bin/xdg-mime",
                "[ \"$*\" = 'query default text/html' ] && echo '" + desktopId + "'\n");
  }
  void release() { testing::writeFile(folder + "/release", ""); }
};

TEST_F(FakeDesktop, LaunchesTheHandlerWithoutWaitingAndTheAddressAsOneArgument) {
  handlerIs("fake-browser.desktop");
  writeScript(folder + "/my browser/run.sh", recordingScript(folder));
  testing::writeFile(folder + "/data/applications/fake-browser.desktop",
                     "[Desktop Entry]\nType=Application\n"
                     "Exec=\"" + folder + "/my browser/run.sh\" --new-window %u --x\n");
  TpvlUrl url;
  url.open("file:///my site/~preview.htm");
  EXPECT_EQ(url.Url, "file:///my site/~preview.htm");
  release();
  EXPECT_EQ(recordedLines(folder), (Lines{"released", "--new-window", "file:///my site/~preview.htm"}));
}

TEST_F(FakeDesktop, WithoutAHandlerXdgOpenGetsTheAddress) {
  writeScript(folder + "/bin/xdg-mime", "exit 3\n");
  writeScript(folder + "/bin/xdg-open", recordingScript(folder));
  TpvlUrl url;
  url.Url = "http://example.org/a b";
  url.Execute();
  release();
  EXPECT_EQ(recordedLines(folder), (Lines{"released", "http://example.org/a b"}));
}

TEST_F(FakeDesktop, AHandlerWithoutItsDesktopFileFallsBackToXdgOpen) {
  handlerIs("gone.desktop");
  writeScript(folder + "/bin/xdg-open", recordingScript(folder));
  TpvlUrl url;
  url.open("http://example.org/");
  release();
  EXPECT_EQ(recordedLines(folder), (Lines{"released", "http://example.org/"}));
}

TEST_F(FakeDesktop, AProgramThatCannotStartIsReported) {
  handlerIs("broken.desktop");
  testing::writeFile(folder + "/data/applications/broken.desktop",
                     "[Desktop Entry]\nExec=" + folder + "/no-such-browser %u\n");
  TpvlUrl url;
  try {
    url.open("http://example.org/");
    FAIL() << "no error raised";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "Couldn't launch default browser");
  }
}

TEST_F(FakeDesktop, DesktopFilesAreFoundInOrderAndInVendorFolders) {
  EXPECT_EQ(applicationFolders(), (Lines{folder + "/data/applications", folder + "/system1/applications",
                                         folder + "/system2/applications"}));
  testing::writeFile(folder + "/system2/applications/vendor/web.desktop", "");
  EXPECT_EQ(findDesktopFile("vendor-web.desktop"), folder + "/system2/applications/vendor/web.desktop");
  testing::writeFile(folder + "/system1/applications/vendor-web.desktop", "");
  EXPECT_EQ(findDesktopFile("vendor-web.desktop"), folder + "/system1/applications/vendor-web.desktop");
  testing::writeFile(folder + "/data/applications/vendor-web.desktop", "");
  EXPECT_EQ(findDesktopFile("vendor-web.desktop"), folder + "/data/applications/vendor-web.desktop");
  EXPECT_EQ(findDesktopFile("../data/applications/vendor-web.desktop"), "");
  EXPECT_EQ(findDesktopFile(""), "");
}

TEST(ApplicationFolders, DefaultsWithoutTheXdgVariables) {
  EnvOverride home("HOME", "/nowhere/home");
  EnvOverride dataHome("XDG_DATA_HOME", "");
  EnvOverride dataDirs("XDG_DATA_DIRS", "");
  EXPECT_EQ(applicationFolders(), (Lines{"/nowhere/home/.local/share/applications", "/usr/local/share/applications",
                                         "/usr/share/applications"}));
}

}  // namespace
}  // namespace quillon

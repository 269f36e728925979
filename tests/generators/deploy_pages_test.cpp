// The frameset and floating-window start pages and the deploy window's rules.
#include <gtest/gtest.h>

#include <filesystem>

#include "generator_fixture.hpp"
#include "generators/deploy_pages.hpp"

namespace quillon {
namespace {

using testing::GeneratorFixture;
using testing::readFile;
using Lines = std::vector<std::string>;

struct DeployFixture : GeneratorFixture {
  DeployContext deploy{menu, ui, QUILLON_SHIPPED_DIR};
  DeployOptions options;

  DeployFixture() {
    menu.Document.PagePath = site("MyQuillon.htm");
    options = deployOptionsFor(menu, DeployTab::Frames);
  }
};

TEST(DeployOptions, SizesFollowTheApplet) {
  DeployFixture f;
  EXPECT_EQ(f.options.frames.appletPage, "MyQuillon.htm");
  EXPECT_EQ(f.options.frames.appletFrameSize, "250");
  EXPECT_EQ(f.options.floating.width, "250");
  EXPECT_EQ(f.options.floating.height, "370");
  EXPECT_TRUE(f.options.changed) << "showing the window recomputes the sizes";

  const TAppletSettings& settings = f.menu.Settings;
  choosePosition(f.options, FramePosition::Bottom, settings);
  EXPECT_EQ(f.options.frames.appletFrameSize, "340");
  EXPECT_EQ(positionLabel(FramePosition::Bottom), "Bottom:");

  TAppletSettings odd = settings;
  odd.Width = "wide";
  odd.Height = "";
  EXPECT_EQ(appletFrameSize(FramePosition::Right, odd), "250");
  EXPECT_EQ(appletFrameSize(FramePosition::Top, odd), "100");
  recomputeFloatingSize(f.options, odd);
  EXPECT_EQ(f.options.floating.width, "250");
  EXPECT_EQ(f.options.floating.height, "300");
}

TEST(DeployOptions, SizesBelowTheAppletAreRefusedAndPutBack) {
  DeployFixture f;
  const TAppletSettings& settings = f.menu.Settings;
  f.options.frames.appletFrameSize = "100";
  EXPECT_FALSE(checkDeploySizes(f.options, settings, f.ui));
  EXPECT_EQ(f.options.frames.appletFrameSize, "250");
  EXPECT_EQ(f.ui.messageTexts(), Lines{kSizeTooSmallMessage});

  f.options.frames.appletFrameSize = "30%";
  EXPECT_TRUE(checkDeploySizes(f.options, settings, f.ui)) << "a size that is not a number passes";
  choosePosition(f.options, FramePosition::Top, settings);
  f.options.frames.appletFrameSize = "300";
  EXPECT_FALSE(checkDeploySizes(f.options, settings, f.ui)) << "above or below, the height counts";

  f.options.tab = DeployTab::Floating;
  f.options.floating.width = "500";
  f.options.floating.height = "319";
  EXPECT_FALSE(checkDeploySizes(f.options, settings, f.ui));
  EXPECT_EQ(f.options.floating.width, "250");
  EXPECT_EQ(f.options.floating.height, "370");
}

TEST(DeployOptions, BlankFrameNamesGetTheirDefaults) {
  DeployFixture f;
  f.options.frames.appletFrameName = "";
  f.options.frames.mainFrameName = "";
  EXPECT_FALSE(checkFrameNames(f.options, f.ui));
  EXPECT_EQ(f.options.frames.appletFrameName, "index");
  EXPECT_EQ(f.options.frames.mainFrameName, "main");
  EXPECT_EQ(f.ui.messageTexts(), (Lines{kBlankNameMessage, kBlankNameMessage}));
  EXPECT_TRUE(checkFrameNames(f.options, f.ui));
}

TEST(DeployFrames, FramesetLineAndFrameOrderFollowThePosition) {
  struct Case {
    FramePosition position;
    bool frameLines;
    const char* frameset;
    bool appletFirst;
  };
  const Case cases[] = {
      {FramePosition::Left, false, "<frameset framespacing=\"0\" frameborder=\"0\" border=\"0\"cols=\"250,*\">", true},
      {FramePosition::Right, true, "<frameset cols=\"*,250\">", false},
      {FramePosition::Top, true, "<frameset rows=\"340,*\">", true},
      {FramePosition::Bottom, true, "<frameset rows=\"*,340\">", false},
  };
  const std::string appletFrame =
      "  <frame src=\"MyQuillon.htm\" name=\"index\" scrolling=\"no\" noresize marginwidth=\"0\" marginheight=\"0\" "
      "target=\"main\">";
  const std::string mainFrame = "  <frame src=\"MyMain.htm\" name=\"main\">";
  for (const Case& c : cases) {
    DeployFixture f;
    choosePosition(f.options, c.position, f.menu.Settings);
    f.options.frames.showFrameLines = c.frameLines;
    const GenerationResult result = generateStartMain(f.options, f.deploy, false);
    ASSERT_TRUE(result.written()) << result.failure;
    const Lines page = f.lines("MyStart.htm");
    const Lines tail(page.end() - 8, page.end());
    EXPECT_EQ(tail, (Lines{c.frameset, c.appletFirst ? appletFrame : mainFrame, c.appletFirst ? mainFrame : appletFrame,
                           "  <noframes>",
                           "    <body><p><font size=\"3\" face=\"Arial\">Your browser does not support frames. Please "
                           "upgrade your browser.</font></p></body>",
                           "  </noframes>", "</frameset>", "</html>"}));
    EXPECT_EQ(readFile(f.site("MyMain.htm")), readFile(std::string(QUILLON_SHIPPED_DIR) + "resource/main.htm"));
  }
}

TEST(DeployFrames, SaveRecordsTheStartPagesAndPreviewDoesNot) {
  DeployFixture f;
  ASSERT_TRUE(generateStartMain(f.options, f.deploy, true).written());
  EXPECT_TRUE(std::filesystem::exists(f.site("~MyStart.htm")));
  EXPECT_TRUE(std::filesystem::exists(f.site("MyMain.htm")));
  EXPECT_FALSE(f.menu.Document.DeployPagesWritten);
  EXPECT_TRUE(f.options.changed);

  ASSERT_TRUE(generateStartMain(f.options, f.deploy, false).written());
  EXPECT_TRUE(f.menu.Document.DeployPagesWritten);
  EXPECT_EQ(f.menu.Document.DeployFile1, "MyStart.htm");
  EXPECT_EQ(f.menu.Document.DeployFile2, "MyMain.htm");
  EXPECT_FALSE(f.options.changed);
}

TEST(DeployFloating, EveryWindowOpenLineIsReplaced) {
  DeployFixture f;
  EXPECT_EQ(floatingOpenLine(f.options.floating),
            "varWinOrvel = window.open('MyQuillon.htm','OrvelFloating','width=250,height=370,toolbar=no,"
            "directories=no,status=no,scrollbar=no,resize=no,menubar=no')");
  f.useTemplates({{"floating.htm", "<script>\nx = Window.Open('a')\nkeep\n  y = window.open('b');\n</script>\n"}});
  f.deploy.programFolder = f.context.programFolder;
  f.options.floating.appletPage = "Tom's.htm";
  f.options.floating.startPage = "Float.htm";
  ASSERT_TRUE(generateFloating(f.options, f.deploy, false).written());
  const std::string line = floatingOpenLine(f.options.floating);
  EXPECT_NE(line.find("window.open('Tom\\'s.htm',"), std::string::npos);
  EXPECT_EQ(f.lines("Float.htm"), (Lines{"<script>", line, "keep", line, "</script>"}));
  EXPECT_EQ(f.menu.Document.DeployFile1, "Float.htm");
  EXPECT_EQ(f.menu.Document.DeployFile2, "");
}

TEST(DeployWindow, ClosingWithChangedSizesOffersToSave) {
  DeployFixture f;
  f.ui.answers.push_back(Answer::Yes);
  closeDeploy(f.options, f.deploy);
  EXPECT_EQ(f.ui.messageTexts(), Lines{"Do you want to save"});
  EXPECT_TRUE(std::filesystem::exists(f.site("MyStart.htm")));
  EXPECT_FALSE(f.options.changed);
  closeDeploy(f.options, f.deploy);
  EXPECT_EQ(f.ui.messages.size(), 1u) << "nothing changed since the save";
}

TEST(DeployWindow, PreviewOpensTheStartPageAndAFailedSaveSaysSo) {
  DeployFixture f;
  f.options.tab = DeployTab::Floating;
  testing::RecordingBrowser browser;
  const GenerationResult shown = previewDeployPage(f.options, f.deploy, browser);
  ASSERT_TRUE(shown.written());
  EXPECT_EQ(browser.opened, Lines{"file://" + f.site("~MyStart.htm")});

  f.deploy.programFolder = f.temp.file("nowhere/");
  EXPECT_FALSE(saveDeployPage(f.options, f.deploy).written());
  ASSERT_EQ(f.ui.messages.size(), 1u);
  EXPECT_EQ(f.ui.messages[0].kind, MessageKind::Error);
  EXPECT_NE(f.ui.messages[0].text.find("floating.htm"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(f.site("MyStart.htm")));
}

}  // namespace
}  // namespace quillon

#include "generators/deploy_pages.hpp"

#include "format/html_escape.hpp"
#include "format/text_helpers.hpp"
#include "generators/generator_commands.hpp"
#include "generators/text_escape.hpp"

namespace quillon {

namespace {

bool appletFirst(FramePosition position) { return position == FramePosition::Left || position == FramePosition::Top; }

void recordStartPages(DocumentState& document, const std::string& first, const std::string& second) {
  document.DeployPagesWritten = true;
  document.DeployFile1 = first;
  document.DeployFile2 = second;
}

}  // namespace

std::string deployFramesetLine(const FramesOptions& options) {
  const bool beside = options.position == FramePosition::Left || options.position == FramePosition::Right;
  const std::string applet = escapeHtmlAttribute(options.appletFrameSize);
  const std::string main = escapeHtmlAttribute(options.mainFrameSize);
  const bool first = appletFirst(options.position);
  return "<frameset " + std::string(options.showFrameLines ? "" : "framespacing=\"0\" frameborder=\"0\" border=\"0\"") +
         (beside ? "cols" : "rows") + "=\"" + (first ? applet : main) + "," + (first ? main : applet) + "\">";
}

std::string floatingOpenLine(const FloatingOptions& options) {
  auto text = [](const std::string& value) { return escapeScriptString(value, '\''); };
  return "varWinOrvel = window.open('" + text(options.appletPage) + "','OrvelFloating','width=" + text(options.width) +
         ",height=" + text(options.height) +
         ",toolbar=no,directories=no,status=no,scrollbar=no,resize=no,menubar=no')";
}

GenerationResult generateStartMain(DeployOptions& options, DeployContext& context, bool preview) {
  const FramesOptions& frames = options.frames;
  GeneratedFiles files(context.menu);
  std::optional<PageLines> lines = files.readTemplate(context.programFolder, "start.htm");
  if (!lines) return files.result();

  const std::string appletFrame = "  <frame src=\"" + escapeHtmlAttribute(extractFileName(frames.appletPage)) +
                                  "\" name=\"" + escapeHtmlAttribute(frames.appletFrameName) +
                                  "\" scrolling=\"no\" noresize marginwidth=\"0\" marginheight=\"0\" target=\"" +
                                  escapeHtmlAttribute(frames.mainFrameName) + "\">";
  const std::string mainFrame = "  <frame src=\"" + escapeHtmlAttribute(frames.mainPage) + "\" name=\"" +
                                escapeHtmlAttribute(frames.mainFrameName) + "\">";
  lines->push_back(deployFramesetLine(frames));
  if (appletFirst(frames.position)) {
    lines->insert(lines->end(), {appletFrame, mainFrame});
  } else {
    lines->insert(lines->end(), {mainFrame, appletFrame});
  }
  lines->insert(lines->end(), {"  <noframes>",
                               "    <body><p><font size=\"3\" face=\"Arial\">Your browser does not support frames. "
                               "Please upgrade your browser.</font></p></body>",
                               "  </noframes>", "</frameset>", "</html>"});
  files.copyResource(context.programFolder, "main.htm", frames.mainPage);
  if (files.writePage(outputName(frames.startPage, preview), *lines) && !preview) {
    recordStartPages(context.menu.Document, frames.startPage, frames.mainPage);
    options.changed = false;
  }
  return files.result();
}

GenerationResult generateFloating(DeployOptions& options, DeployContext& context, bool preview) {
  const FloatingOptions& floating = options.floating;
  GeneratedFiles files(context.menu);
  std::optional<PageLines> lines = files.readTemplate(context.programFolder, "floating.htm");
  if (!lines) return files.result();
  const std::string openLine = floatingOpenLine(floating);
  for (std::string& line : *lines) {
    context.ui.processEvents();
    if (posNoCase("window.open", line)) line = openLine;
  }
  if (files.writePage(outputName(floating.startPage, preview), *lines) && !preview) {
    recordStartPages(context.menu.Document, floating.startPage, "");
    options.changed = false;
  }
  return files.result();
}

namespace {

GenerationResult runDeploy(DeployOptions& options, DeployContext& context, Browser* browser) {
  const bool preview = browser != nullptr;
  return runCommand(context.ui, browser, [&] {
    return options.tab == DeployTab::Floating ? generateFloating(options, context, preview)
                                              : generateStartMain(options, context, preview);
  });
}

}  // namespace

GenerationResult saveDeployPage(DeployOptions& options, DeployContext& context) {
  return runDeploy(options, context, nullptr);
}

GenerationResult previewDeployPage(DeployOptions& options, DeployContext& context, Browser& browser) {
  return runDeploy(options, context, &browser);
}

void closeDeploy(DeployOptions& options, DeployContext& context) {
  if (!options.changed) return;
  if (context.ui.ask(MessageKind::Confirmation, "Do you want to save", Buttons::YesNo) == Answer::Yes) {
    saveDeployPage(options, context);
  }
}

}  // namespace quillon

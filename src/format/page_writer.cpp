#include "format/page_writer.hpp"

#include <filesystem>

#include "format/atomic_file.hpp"
#include "format/page_composer.hpp"
#include "format/site_files.hpp"
#include "format/site_paths.hpp"
#include "format/text_helpers.hpp"
#include "format/upload_report.hpp"

namespace quillon {

namespace {

std::string semicolonWarning(const std::vector<std::string>& entries) {
  std::string text =
      "A \";\" separates the fields of a menu entry, so these entries will not read back as they are:";
  for (const auto& entry : entries) text += "\n" + entry;
  return text;
}

void writeContentFiles(const ComposedPage& page, const SiteLayout& layout) {
  if (page.contentFiles.empty()) return;
  std::error_code ignored;
  std::filesystem::create_directory(layout.classFolder, ignored);
  for (const auto& file : page.contentFiles) writeFileAtomically(layout.classFolder + file.name, joinLines(file.lines));
}

bool saveUploadReport(MenuModel& menu, WriterContext& context, const SiteLayout& layout,
                      std::vector<std::string> report) {
  DocumentState& document = menu.Document;
  std::vector<std::string> lines = uploadReportPreamble(layout);
  lines.insert(lines.end(), report.begin(), report.end());
  if (document.OfferReportReview) {
    const Answer answer = context.ui.ask(
        MessageKind::Confirmation,
        "The upload Report has been saved as " + document.ReportPath + "\nDo you want to review it", Buttons::YesNo);
    if (answer == Answer::Yes) {
      document.AskSaveLocation = false;
      document.OfferReportReview = false;
      if (context.reviewUploadReport) context.reviewUploadReport();
    }
  }
  document.OfferReportReview = false;
  if (writeFileAtomically(document.ReportPath, joinLines(lines))) return true;
  context.ui.message(MessageKind::Error, "An error has occured while saving " + document.ReportPath);
  return false;
}

}  // namespace

WriteResult WritePage(MenuModel& menu, WriterContext& context) {
  UserInterface& ui = context.ui;
  DocumentState& document = menu.Document;
  TAppletSettings& settings = menu.Settings;
  BusyGuard busy(ui);
  ui.showStatus("Generating HTML file.");
  ui.processEvents();

  // An empty image folder means the class folder: settle it so the folder,
  // the copies, the image prefix and the report all agree.
  if (settings.ImageDir.empty()) settings.ImageDir = settings.Codebase;
  if (auto refused = siteWriteRefusal(document.PagePath, settings)) {
    ui.message(MessageKind::Error, *refused);
    ui.showStatus("Ready.");
    WriteResult refusedResult;
    refusedResult.pageFailed = true;
    return refusedResult;
  }
  const SiteLayout layout = siteLayoutFor(document.PagePath, settings);
  document.ReportPath = layout.reportPath;

  ComposedPage page = composePage(menu, layout, [&ui] { ui.processEvents(); });
  if (!page.entriesWithSemicolon.empty()) ui.message(MessageKind::Warning, semicolonWarning(page.entriesWithSemicolon));
  writeContentFiles(page, layout);
  ui.processEvents();

  std::vector<std::string> contentNames;
  for (const auto& file : page.contentFiles) contentNames.push_back(file.name);
  std::vector<std::string> report = uploadReportFileSection({settings, document, layout, contentNames, page.copyList});
  CopySiteFiles({settings, layout, page.copyList, context.programFolder}, ui);
  ui.processEvents();

  WriteResult result;
  const std::string text = joinLines(page.lines);
  if (document.ClipboardMode) {
    context.clipboard.setText(text);
    document.ClipboardMode = false;
  } else {
    const std::string target = document.PreviewMode ? layout.pageFolder + kPreviewPageName : document.PagePath;
    std::error_code error;
    const bool existed = std::filesystem::exists(target, error);
    if (writeFileAtomically(target, text)) {
      result.writtenPath = target;
      if (!existed && !document.PreviewMode) ui.message(MessageKind::Information, "File Saved as " + target);
    } else {
      result.pageFailed = true;
      ui.message(MessageKind::Error, "An error has occured while saving " + target);
    }
    result.reportFailed = !saveUploadReport(menu, context, layout, std::move(report));
  }

  if (context.addRecentFile) context.addRecentFile(document.PagePath);
  ui.showStatus("Ready.");
  return result;
}

bool SavePage(MenuModel& menu, WriterContext& context, bool ask, WriteResult* result) {
  DocumentState& document = menu.Document;
  bool wrote = false;
  if (ask) {
    if (document.PagePath.empty()) {
      document.PagePath =
          context.programFolder.empty() ? "MyQuillon.htm" : context.programFolder + "projects/MyQuillon.htm";
    }
    FileDialogRequest request;
    request.title = "Please set the Save location";
    request.filter = "HTML Files|*.htm;*.html";
    request.initialDir = extractFilePath(document.PagePath);
    request.fileName = extractFileName(document.PagePath);
    request.defaultExtension = "htm";
    request.askBeforeOverwrite = true;
    request.folderMustExist = true;
    if (auto chosen = context.ui.saveFile(request)) {
      document.PagePath = *chosen;
      WriteResult written = WritePage(menu, context);
      if (result) *result = written;
      document.AskSaveLocation = false;
      wrote = true;
    }
  } else {
    WriteResult written = WritePage(menu, context);
    if (result) *result = written;
    wrote = true;
  }
  context.programSettings.write("History", "LastSaveDir", extractFilePath(document.PagePath));
  document.NewMenuSetup = false;
  return wrote;
}

}  // namespace quillon

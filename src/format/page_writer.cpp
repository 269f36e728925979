#include "format/page_writer.hpp"

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <optional>

#include "format/atomic_file.hpp"
#include "format/page_composer.hpp"
#include "format/save_transaction.hpp"
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

// Why the page cannot be saved at target, or nothing: it must be a regular
// file or a new one in an existing folder; a device, a pipe or a folder is never replaced.
std::optional<std::string> pageTargetProblem(const std::string& target) {
  struct stat info {};
  const std::string folder = extractFilePath(target);
  if (::stat(folder.empty() ? "." : folder.c_str(), &info) != 0) return errorText(errno);
  if (!S_ISDIR(info.st_mode)) return errorText(ENOTDIR);
  if (::stat(target.c_str(), &info) != 0) return std::nullopt;
  if (S_ISDIR(info.st_mode)) return errorText(EISDIR);
  if (!S_ISREG(info.st_mode)) return std::string("Not a regular file");
  return std::nullopt;
}

// Composes the page, into its temporary file when there is a target to save
// to: a large menu is then never held as one text.
ComposedPage composeFor(MenuModel& menu, const SiteLayout& layout, const std::string& target, bool refused,
                        SaveTransaction& save, UserInterface& ui) {
  if (!refused) {
    for (const std::string& folder : {layout.pageFolder, layout.classFolder, layout.imageFolder}) {
      removeLeftoverTempFiles(folder);
    }
  }
  const auto onStep = [&ui] { ui.processEvents(); };
  if (target.empty()) return composePage(menu, layout, onStep);
  ComposedPage page;
  bool composed = false;
  if (!refused) {
    save.stageLast(target, [&](int fd) {
      composed = true;
      int error = 0;
      const PageSink toFile = [&](std::string_view piece) {
        if (!error) error = writeAllTo(fd, piece);
      };
      page = composePageTo(menu, layout, toFile, onStep);
      return error;
    });
  }
  // A page that cannot be written is composed all the same, for its warnings.
  if (!composed) page = composePageTo(menu, layout, [](std::string_view) {}, onStep);
  return page;
}

// Stages the other files of the save; false when one cannot be.
bool stageSave(const ComposedPage& page, const SiteFilesInput& site, const std::vector<std::string>& report,
               const std::string& target, SaveTransaction& save) {
  const SiteLayout& layout = site.layout;
  CopySiteFiles(site, save);
  if (!target.empty()) save.stage(layout.reportPath, joinLines(report));
  // The content files and the page belong together: their renames come last, back to back
  // (the page is staged already, to be renamed last).
  for (const auto& file : page.contentFiles) save.stage(layout.classFolder + file.name, file.text);
  return !save.failed();
}

void offerReportReview(DocumentState& document, WriterContext& context) {
  const Answer answer = context.ui.ask(
      MessageKind::Confirmation,
      "The upload Report has been saved as " + document.ReportPath + "\nDo you want to review it", Buttons::YesNo);
  document.OfferReportReview = false;
  if (answer != Answer::Yes) return;
  document.AskSaveLocation = false;
  if (context.reviewUploadReport) context.reviewUploadReport();
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
    refusedResult.failure = *refused;
    return refusedResult;
  }
  const SiteLayout layout = siteLayoutFor(document.PagePath, settings);
  document.ReportPath = layout.reportPath;

  WriteResult result;
  std::string target;
  if (!document.ClipboardMode) target = document.PreviewMode ? layout.pageFolder + kPreviewPageName : document.PagePath;
  std::error_code error;
  const bool existed = !target.empty() && std::filesystem::exists(target, error);
  const auto problem = target.empty() ? std::nullopt : pageTargetProblem(target);
  SaveTransaction save;
  const ComposedPage page = composeFor(menu, layout, target, problem.has_value(), save, ui);
  if (!page.entriesWithSemicolon.empty()) ui.message(MessageKind::Warning, semicolonWarning(page.entriesWithSemicolon));

  std::vector<std::string> contentNames;
  for (const auto& file : page.contentFiles) contentNames.push_back(file.name);
  std::vector<std::string> report = uploadReportPreamble(layout);
  for (std::string& line : uploadReportFileSection({settings, document, layout, contentNames, page.copyList})) {
    report.push_back(std::move(line));
  }

  if (problem) {
    result.failure = savingFailure(target, *problem);
  } else if (!stageSave(page, {settings, layout, page.copyList, context.programFolder}, report, target, save) ||
             !save.commit()) {
    result.failure = save.failure();
  }
  ui.processEvents();

  const bool offerReview = document.OfferReportReview;
  document.OfferReportReview = false;
  if (!result.ok()) {
    document.ClipboardMode = false;
    ui.message(MessageKind::Error, result.failure);
    ui.showStatus("Ready.");
    return result;
  }
  if (document.ClipboardMode) {
    context.clipboard.setText(page.text);
    document.ClipboardMode = false;
  } else {
    result.writtenPath = target;
    if (!existed && !document.PreviewMode) ui.message(MessageKind::Information, "File Saved as " + target);
    if (offerReview) offerReportReview(document, context);
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
      // The dialog needs the folder to exist; the shipped projects folder is the system's, never written.
      std::error_code ignored;
      if (!context.projectsFolder.empty()) std::filesystem::create_directories(context.projectsFolder, ignored);
      document.PagePath = context.projectsFolder + "MyQuillon.htm";
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
      const std::string earlierPath = document.PagePath;
      document.PagePath = *chosen;
      WriteResult written = WritePage(menu, context);
      if (written.ok()) {
        document.AskSaveLocation = false;
      } else {
        document.PagePath = earlierPath;
      }
      if (result) *result = written;
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

#include "generators/generator_commands.hpp"

#include <stdexcept>

#include "format/text_helpers.hpp"
#include "generators/dropdown_generator.hpp"
#include "generators/sitemap_generator.hpp"
#include "generators/treeview_generator.hpp"
#include "generators/xml_sitemap_generator.hpp"

namespace quillon {

GenerationResult runGenerator(const GeneratorOptions& options, GeneratorContext& context, bool preview) {
  switch (options.tab) {
    case GeneratorTab::DropDown: return generateDDMenu(options.dropDown, context, preview);
    case GeneratorTab::SiteMap: return generateSiteMap(options.siteMap, context, preview);
    case GeneratorTab::XmlSitemap: return generateXmlSitemap(options.xmlSitemap, context, preview);
    case GeneratorTab::TreeView: break;
  }
  return generateTreeView(options.treeView, context, preview);
}

std::string failureMessage(const GenerationResult& result) {
  return result.written() ? result.failure : result.failure + "\nNothing was generated.";
}

GenerationResult runCommand(UserInterface& ui, Browser* browser, const std::function<GenerationResult()>& generate) {
  GenerationResult result;
  {
    BusyGuard busy(ui);
    ui.showStatus("Generating HTML file.");
    ui.processEvents();
    result = generate();
    // A page saved says where it went; a preview opens it instead.
    ui.showStatus(!browser && result.written() && result.failure.empty() ? "Saved " + result.pagePath : "Ready.");
    ui.processEvents();
  }
  if (!result.failure.empty()) ui.message(MessageKind::Error, failureMessage(result));
  if (!result.written()) return result;
  if (browser) {
    try {
      browser->open(localPathToFileURL(result.pagePath));
    } catch (const std::exception& error) {
      ui.message(MessageKind::Error, error.what());
    }
  }
  return result;
}

GenerationResult saveGenerated(const GeneratorOptions& options, GeneratorContext& context) {
  return runCommand(context.ui, nullptr, [&] { return runGenerator(options, context, false); });
}

GenerationResult previewGenerated(const GeneratorOptions& options, GeneratorContext& context, Browser& browser) {
  return runCommand(context.ui, &browser, [&] { return runGenerator(options, context, true); });
}

}  // namespace quillon

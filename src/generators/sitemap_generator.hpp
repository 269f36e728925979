#pragma once
// The site map: the menu as a pure-HTML page of links, one entry per line
// (outline construction) or each branch on one line (site map construction).
// Built on the template resource/sitemap.htm.
#include <string>

#include "generators/generation.hpp"
#include "generators/generator_options.hpp"

namespace quillon {

namespace sitemap_lines {
inline constexpr std::size_t kBody = 9;
inline constexpr std::size_t kTitle = 11;
}  // namespace sitemap_lines

// The lines the map adds after the template's last line, before "</BODY></HTML>".
PageLines siteMapLines(const SiteMapOptions& options, const MenuModel& menu, const PageStyleForm& form,
                       UserInterface& ui);

GenerationResult generateSiteMap(const SiteMapOptions& options, GeneratorContext& context, bool preview);

}  // namespace quillon

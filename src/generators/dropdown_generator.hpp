#pragma once
// The drop-down box menu: the menu as one selection box (one per tab of a
// Tab&Tree menu) whose choice loads the entry's page, in the window or in a
// named frame. Built on the template resource/ddmenu.htm.
#include <string>

#include "generators/generation.hpp"
#include "generators/generator_options.hpp"

namespace quillon {

// The text a node shows in the box: its indent, the end symbol and its text.
std::string dropDownDisplayText(const std::string& text, int level, const DropDownOptions& options);

// The line of a jump function that loads url array entry i+1.
std::string dropDownJumpLine(const DropDownOptions& options, const std::string& urlArray);

GenerationResult generateDDMenu(const DropDownOptions& options, GeneratorContext& context, bool preview);

}  // namespace quillon

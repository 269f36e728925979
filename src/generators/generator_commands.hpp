#pragma once
// The generator window's Save and Preview: run the generator of the visible
// tab, and tell the user when no page came of it.
#include <functional>

#include "generators/generation.hpp"
#include "generators/generator_options.hpp"
#include "ports/browser.hpp"

namespace quillon {

// The generator of the options' tab, with preview on or off.
GenerationResult runGenerator(const GeneratorOptions& options, GeneratorContext& context, bool preview);

GenerationResult saveGenerated(const GeneratorOptions& options, GeneratorContext& context);

// Writes the "~" page and opens it in the browser.
GenerationResult previewGenerated(const GeneratorOptions& options, GeneratorContext& context, Browser& browser);

// What a run that failed tells the user: why, and whether nothing came of it.
std::string failureMessage(const GenerationResult& result);

// Runs a generator as the windows' commands do: busy, status texts, a
// failure reported; with a browser, the page written is opened in it, without
// one the status line names the page saved.
GenerationResult runCommand(UserInterface& ui, Browser* browser, const std::function<GenerationResult()>& generate);

}  // namespace quillon

#pragma once
// What must hold after any input, however damaged: shared by the seeded
// mutation test and the libFuzzer targets. Each returns an empty text when
// all is well, else what went wrong.
#include <string>

namespace quillon::fuzz {

// Writes the bytes to path and reads them as a page, every dialog cancelled.
// Whatever the page, the reader finishes; a page it accepts leaves a menu that
// the rest of the program can use (a current tab, image indexes and the start-up
// tab in range) and that the writer can compose again.
std::string readPageProblems(const std::string& bytes, const std::string& path);

// Runs the tag helpers over the bytes as a page: the tag list and its spans,
// attribute reading, list splitting, character references, node entries.
std::string tagHelperProblems(const std::string& bytes);

}  // namespace quillon::fuzz

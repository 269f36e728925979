#pragma once
#include <string>

namespace quillon {

// Writes the bytes to a temporary file in the same folder and renames it over
// the path, so an existing file is either replaced whole or left as it was.
// Returns false when the file could not be written.
bool writeFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace quillon

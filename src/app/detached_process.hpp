#pragma once
// Starting other programs without a shell: the arguments are passed as they are.
#include <optional>
#include <string>
#include <vector>

namespace quillon {

// Starts the program (found on PATH unless the first argument holds a "/") in
// a session of its own and does not wait for it; it is never a zombie of ours.
// Returns false when it could not be started.
bool startDetached(const std::vector<std::string>& arguments);

// Runs the program to its end and returns what it wrote to standard output;
// nothing when it could not be started or did not exit with status 0.
std::optional<std::string> runForOutput(const std::vector<std::string>& arguments);

}  // namespace quillon

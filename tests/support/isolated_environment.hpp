#pragma once
#include <optional>
#include <string>

namespace quillon::testing {

// Points the program folder, the settings folders and the desktop's data
// folders of this test process at a fresh temporary folder, so no test reads
// or writes the user's own. Call first thing in main().
void isolateFromUserFolders();

// Sets an environment variable for the test's lifetime and restores it after.
class EnvOverride {
 public:
  EnvOverride(const char* name, const std::string& value);
  ~EnvOverride();
  EnvOverride(const EnvOverride&) = delete;
  EnvOverride& operator=(const EnvOverride&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

}  // namespace quillon::testing

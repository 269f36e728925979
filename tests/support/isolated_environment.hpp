#pragma once

namespace quillon::testing {

// Points the program folder, the settings folders and the desktop's data
// folders of this test process at a fresh temporary folder, so no test reads
// or writes the user's own. Call first thing in main().
void isolateFromUserFolders();

}  // namespace quillon::testing

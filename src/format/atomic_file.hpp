#pragma once
// Files replaced whole or not at all: the bytes go to a temporary file beside
// the target, synced to disk, and only a complete file is renamed over it. A
// rename replaces a link or a special file at the target itself, so nothing
// is ever written through one.
#include <functional>
#include <string>
#include <string_view>

namespace quillon {

// The system's words for an error number: "No space left on device".
std::string errorText(int error);

// Writes all the bytes to the open file, as many calls as it takes; returns 0
// or the error number that stopped it.
int writeAllTo(int fd, std::string_view bytes);

// The same for one of many pieces of a large file: the disk starts writing
// them at once, so the sync that ends the file has little left to wait for.
int writeAheadOfSync(int fd, std::string_view bytes);

// Fills an open file; returns 0 or the error number that stopped it.
using FileFiller = std::function<int(int fd)>;

// Opens a new, empty temporary file for target in target's folder, with the
// permissions target has, and returns its descriptor (path holds its name);
// -1, with cause saying why, when it cannot.
int openTempFileFor(const std::string& target, std::string& path, std::string& cause);

// Writes a complete temporary file for target in target's folder and returns
// its path; on failure nothing is left and cause holds why. With sync the
// bytes reach the disk before it returns.
std::string writeTempFileFor(const std::string& target, const FileFiller& fill, std::string& cause, bool sync = true);

// Fillers for the two kinds of content: bytes in memory and a file copied.
FileFiller bytesFiller(const std::string& bytes);
FileFiller copyFiller(int sourceFd);

// Writes the bytes to a temporary file in the same folder and renames it over
// the path. Returns false when it could not.
bool writeFileAtomically(const std::string& path, const std::string& bytes);
// The same with the file's content made as it is written.
bool fillFileAtomically(const std::string& path, const FileFiller& fill);

// True for the name of a temporary file this program makes.
bool isTempFileName(const std::string& name);

// Removes the temporary files that a save killed midway left in the folder;
// those of a save still running in another process stay.
void removeLeftoverTempFiles(const std::string& folder);

}  // namespace quillon

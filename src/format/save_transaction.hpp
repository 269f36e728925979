#pragma once
// One save of a page and its companion files, all or nothing: every file is
// first written whole to a temporary file beside its target, and only when
// all of them are complete are they renamed into place, in the order they were
// staged. Until then the old files stay as they were; a transaction that is
// not committed removes its temporary files and the folders it made.
#include <string>
#include <vector>

#include "format/atomic_file.hpp"

namespace quillon {

class SaveTransaction {
 public:
  SaveTransaction() = default;
  ~SaveTransaction();
  SaveTransaction(const SaveTransaction&) = delete;
  SaveTransaction& operator=(const SaveTransaction&) = delete;

  // Makes the folder and every missing folder above it. A failure is told
  // as failureText + the folder + the cause.
  bool makeFolder(const std::string& folder, const std::string& failureText);
  // Stages the bytes as the new content of path.
  bool stage(const std::string& path, const std::string& bytes);
  // Stages a copy of the regular file from as the new content of path.
  bool stageCopy(const std::string& from, const std::string& path);
  // Stages the file that is renamed after all the others, though it is
  // written first: writing it tells which others the save needs. Its failure
  // is told only when none of the others fails, so the failure named is the
  // first in renaming order. One such file a save.
  void stageLast(const std::string& path, const FileFiller& fill);
  // Renames the staged files into place, the last staged last.
  bool commit();

  bool failed() const { return !failure_.empty(); }
  // The first failure, naming the file and the cause.
  const std::string& failure() const { return failure_; }

 private:
  struct Staged {
    std::string temp;
    std::string target;
  };
  bool fail(const std::string& text, const std::string& path, const std::string& cause);

  std::vector<Staged> staged_;
  Staged last_;
  std::string lastFailure_;
  std::vector<std::string> madeFolders_;
  std::string failure_;
  bool committed_ = false;
};

// "An error has occured while saving " + path + the cause on a line of its own.
std::string savingFailure(const std::string& path, const std::string& cause);

}  // namespace quillon

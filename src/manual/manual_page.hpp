#pragma once
// A manual page as the programs describe themselves, written out as roff.
#include <ostream>
#include <string>
#include <vector>

namespace quillon::manual {

// One labelled paragraph: an option, a command's argument, a variable, a file.
struct Entry {
  std::string term;      // in bold
  std::string argument;  // in italics after the term; may be empty
  std::string text;
};

struct Section {
  std::string title;
  std::string text;  // paragraphs split by "\n"
  std::vector<Entry> entries;
  bool subsection = false;
};

struct ManualPage {
  std::string name;     // the program, as typed
  std::string summary;  // the one line after the name in NAME
  std::string version;
  std::vector<std::string> synopsis;  // the arguments of each way to call it
  std::vector<Section> sections;      // after SYNOPSIS, in order
};

// The environment variables and per-user files both programs share.
Section environmentSection();
Section filesSection();

void writeRoff(const ManualPage& page, std::ostream& out);

}  // namespace quillon::manual

// Parses one HTML file with libxml2 as a general parser would, building its
// document tree, and frees it; prints nothing. The yardstick the quillon-cli
// commands are measured against, whole process against whole process.
#include <libxml/HTMLparser.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: libxml2_parse PAGE.htm\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in && !in.eof()) {
    std::fprintf(stderr, "error: cannot read %s\n", argv[1]);
    return 1;
  }
  const int options = HTML_PARSE_RECOVER | HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING;
  htmlDocPtr document = htmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), argv[1], nullptr, options);
  if (document == nullptr) {
    std::fprintf(stderr, "error: %s could not be parsed\n", argv[1]);
    return 1;
  }
  xmlFreeDoc(document);
  xmlCleanupParser();
  return 0;
}

#pragma once
// The file name under which a fetched document is kept, derived from the request path.
#include <string>
#include <string_view>

namespace quillon::net {

// "/dir/list.cgi?x=1" gives "list.cgi", "/dir/" gives "dir"; an empty path, "/"
// or a path that leaves no name gives "document.htm".
std::string documentName(std::string_view path);

// A program that answered with an HTML page is kept as a page: "run.exe" with
// the type "text/html" becomes "run.htm". Other names are returned unchanged.
std::string documentNameForType(const std::string& name, std::string_view bodyType);

}  // namespace quillon::net

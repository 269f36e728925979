#pragma once
#include <string>

namespace quillon::net::testing {

// Text compressed as a server would send it: window bits choose gzip (31),
// deflate in its zlib wrapper (15) or bare deflate (-15).
std::string compressed(const std::string& text, int windowBits);

}  // namespace quillon::net::testing

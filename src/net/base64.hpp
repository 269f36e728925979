#pragma once
// Standard Base64 with padding, as Basic authorisation sends it.
#include <string>
#include <string_view>

namespace quillon::net {

std::string base64Encode(std::string_view bytes);

}  // namespace quillon::net

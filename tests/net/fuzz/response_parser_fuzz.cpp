// Fuzz target for what the client reads from the network and from addresses:
// the receive buffer's line cutting, the status line, the header fields, the
// content length, chunked bodies, redirections, parseURL and the document name. Each check
// below states something that must hold for any input.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <variant>

#include "net/chunked_decoder.hpp"
#include "net/document_name.hpp"
#include "net/http_header_parser.hpp"
#include "net/http_target.hpp"
#include "net/receive_buffer.hpp"
#include "net/url_parser.hpp"

namespace {

using namespace quillon::net;

void require(bool condition) {
  if (!condition) std::abort();
}

// Nothing a request line cannot carry as it is: no blank, control or non-ASCII byte, no "#".
bool fitsARequestLine(std::string_view text) {
  return std::none_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte <= 0x20 || byte >= 0x7f || c == '#';
  });
}

void checkAddress(std::string_view text) {
  const ParsedURL url = parseURL(text);
  require(url.host.find('/') == std::string::npos && url.host.find('@') == std::string::npos);
  require(url.port.find(':') == std::string::npos && url.port.find('/') == std::string::npos);
  require(url.scheme.size() + url.user.size() + url.password.size() + url.host.size() + url.port.size() +
              url.path.size() <=
          text.size() + 4);

  const std::string name = documentName(url.path);
  require(!name.empty() && name.size() <= 255);
  require(name.find('/') == std::string::npos && name.find('?') == std::string::npos);

  const WebLocation location = webLocationOf(url);
  require(location.path.starts_with('/') && fitsARequestLine(location.path));
  for (const bool viaProxy : {false, true}) {
    const RequestTarget target = requestTargetFor(location, proxySettingOf(viaProxy ? "proxy:3128" : "", "80"));
    require(!target.connectPort.empty());
  }
  const auto next = resolveRedirection(location, text);
  if (const auto* redirected = std::get_if<WebLocation>(&next)) {
    require(redirected->path.starts_with('/') && fitsARequestLine(redirected->path));
    require(redirected->scheme == "http" || redirected->scheme == "https");
    const std::string_view path = std::string_view(redirected->path).substr(0, redirected->path.find('?'));
    require(path.find("/../") == std::string_view::npos && !path.ends_with("/.."));
  }
}

// A chunked body never yields more data than it held, never reads past its
// end, and stops for good at its end or at a fault.
void readChunked(std::string_view bytes, std::size_t chunk) {
  ChunkedDecoder decoder;
  std::string data;
  std::size_t used = 0;
  for (std::size_t offset = 0; offset < bytes.size(); offset += chunk) {
    const std::string_view piece = bytes.substr(offset, chunk);
    const std::size_t count = decoder.feed(piece, data);
    require(count <= piece.size());
    used += count;
    require(data.size() <= used);
    if (count < piece.size()) {
      require(decoder.done() || !decoder.fault().empty());
      break;
    }
  }
  if (decoder.done() || !decoder.fault().empty()) {
    std::string more;
    require(decoder.feed("5\r\nhello\r\n", more) == 0 && more.empty());
  }
}

void readResponse(std::string_view bytes, std::size_t chunk) {
  ReceiveBuffer buffer;
  bool firstLine = true;
  std::size_t offset = 0;
  std::size_t lineBytes = 0;
  while (offset < bytes.size()) {
    const std::span<char> space = buffer.freeSpace();
    const std::size_t count = std::min({chunk, space.size(), bytes.size() - offset});
    std::memcpy(space.data(), bytes.data() + offset, count);
    buffer.commit(count);
    offset += count;
    while (const auto line = buffer.takeLine()) {
      lineBytes += line->size();
      require(line->find('\n') == std::string::npos);
      if (line->empty()) {
        // The header is over: what is left is the start of the body, every byte accounted for.
        require(buffer.takeRest().size() + lineBytes <= offset);
        return;
      }
      if (firstLine) {
        firstLine = false;
        if (const auto status = parseStatusLine(*line)) require(status->code >= 0 && status->code <= 999);
        continue;
      }
      if (const auto field = parseHeaderField(*line)) {
        require(field->name.find(':') == std::string::npos);
        require(field->value.empty() || (field->value.front() != ' ' && field->value.back() != ' '));
        if (field->name == "content-length") {
          if (const auto length = parseContentLength(field->value)) require(*length >= 0);
        }
        if (field->name == "location") checkAddress(field->value);
      }
    }
    if (buffer.full()) return;  // the client gives up on a line this long
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte chooses how the network splits the rest into reads.
  const std::size_t chunk = 1 + data[0] % 64 * (data[0] >= 128 ? 128 : 1);
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  readResponse(bytes, chunk);
  readChunked(bytes, chunk);
  checkAddress(bytes.substr(0, bytes.find('\n')));
  return 0;
}

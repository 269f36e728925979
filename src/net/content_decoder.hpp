#pragma once
// Undoes the "Content-Encoding" of a body with zlib: gzip and deflate (with or
// without its zlib wrapper), in whatever pieces the body arrives.
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quillon::net {

enum class ContentCoding { Identity, Gzip, Deflate };

// The coding a "content-encoding" value names; nothing for one this client
// cannot undo (and so never asks for).
std::optional<ContentCoding> contentCodingOf(std::string_view value);

// What the request offers in "Accept-Encoding".
inline constexpr const char* kAcceptedEncodings = "gzip, deflate";

class ContentDecoder {
 public:
  // Takes each decoded piece; returns false to stop decoding.
  using Sink = std::function<bool(const char* data, std::size_t length)>;

  explicit ContentDecoder(ContentCoding coding);
  ~ContentDecoder();
  ContentDecoder(const ContentDecoder&) = delete;
  ContentDecoder& operator=(const ContentDecoder&) = delete;

  // Decodes input into the sink; false when the data is damaged (see fault)
  // or the sink asked to stop.
  bool decode(std::string_view input, const Sink& sink);
  // The compressed data has come to its end.
  bool finished() const { return finished_; }
  bool compressed() const { return coding_ != ContentCoding::Identity; }
  const std::string& fault() const { return fault_; }

 private:
  bool start(bool raw);
  bool inflateInput(std::string_view input, const Sink& sink);

  struct Stream;
  ContentCoding coding_;
  std::unique_ptr<Stream> stream_;
  // The first two bytes of a deflate body tell whether it has the zlib wrapper.
  std::string header_;
  bool finished_ = false;
  std::string fault_;
};

}  // namespace quillon::net

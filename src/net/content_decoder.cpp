#include "net/content_decoder.hpp"

#include <zlib.h>

#include <array>

#include "net/ascii.hpp"

namespace quillon::net {
namespace {

constexpr int kGzipWindow = 15 + 16;
constexpr int kZlibWindow = 15;
constexpr int kRawWindow = -15;

bool isZlibHeader(std::string_view header) {
  const auto first = static_cast<unsigned char>(header[0]);
  const auto second = static_cast<unsigned char>(header[1]);
  return (first & 0x0f) == 8 && ((first << 8) | second) % 31 == 0;
}

}  // namespace

std::optional<ContentCoding> contentCodingOf(std::string_view value) {
  const std::string coding = lowerAscii(value);
  if (coding.empty() || coding == "identity") return ContentCoding::Identity;
  if (coding == "gzip" || coding == "x-gzip") return ContentCoding::Gzip;
  if (coding == "deflate") return ContentCoding::Deflate;
  return std::nullopt;
}

struct ContentDecoder::Stream {
  z_stream z{};
  bool open = false;
  ~Stream() {
    if (open) inflateEnd(&z);
  }
};

ContentDecoder::ContentDecoder(ContentCoding coding) : coding_(coding), stream_(std::make_unique<Stream>()) {}

ContentDecoder::~ContentDecoder() = default;

bool ContentDecoder::start(bool raw) {
  const int window = coding_ == ContentCoding::Gzip ? kGzipWindow : raw ? kRawWindow : kZlibWindow;
  if (inflateInit2(&stream_->z, window) != Z_OK) {
    fault_ = "can't decode the document: zlib could not start";
    return false;
  }
  stream_->open = true;
  return true;
}

bool ContentDecoder::decode(std::string_view input, const Sink& sink) {
  if (coding_ == ContentCoding::Identity) return input.empty() || sink(input.data(), input.size());
  if (!fault_.empty()) return false;
  if (!stream_->open) {
    if (coding_ == ContentCoding::Gzip) {
      if (!start(false)) return false;
    } else {
      const std::size_t take = std::min(input.size(), 2 - header_.size());
      header_.append(input.substr(0, take));
      input.remove_prefix(take);
      if (header_.size() < 2) return true;
      if (!start(!isZlibHeader(header_)) || !inflateInput(header_, sink)) return false;
    }
  }
  return inflateInput(input, sink);
}

bool ContentDecoder::inflateInput(std::string_view input, const Sink& sink) {
  z_stream& z = stream_->z;
  std::array<char, 16384> out;
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.data()));
  z.avail_in = static_cast<uInt>(input.size());
  while (true) {
    if (finished_) {
      // Several gzip members one after the other make one document.
      if (z.avail_in == 0 || coding_ != ContentCoding::Gzip) return true;
      inflateReset(&z);
      finished_ = false;
    }
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    const int result = inflate(&z, Z_NO_FLUSH);
    if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR) {
      fault_ = std::string("can't decode the document: its ") +
               (coding_ == ContentCoding::Gzip ? "gzip" : "deflate") + " data is damaged" +
               (z.msg != nullptr ? std::string(" (") + z.msg + ")" : "");
      return false;
    }
    const std::size_t produced = out.size() - z.avail_out;
    if (produced > 0 && !sink(out.data(), produced)) return false;
    if (result == Z_STREAM_END) {
      finished_ = true;
      continue;
    }
    // All input taken and zlib holds nothing more back.
    if ((z.avail_in == 0 && z.avail_out != 0) || (result == Z_BUF_ERROR && produced == 0)) break;
  }
  return true;
}

}  // namespace quillon::net

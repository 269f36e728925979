#include "net/chunked_decoder.hpp"

#include <algorithm>

namespace quillon::net {
namespace {

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// At most 15 hex digits: any size that fits in a signed 64-bit number.
constexpr std::size_t kMaxSizeDigits = 15;

}  // namespace

std::size_t ChunkedDecoder::feed(std::string_view input, std::string& data) {
  std::size_t used = 0;
  while (used < input.size() && state_ != State::Done && state_ != State::Failed) {
    if (state_ == State::Data) {
      const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(chunkLeft_, input.size() - used));
      data.append(input.substr(used, count));
      used += count;
      chunkLeft_ -= count;
      if (chunkLeft_ == 0) state_ = State::DataEnd;
      continue;
    }
    const char c = input[used++];
    if (c != '\n') {
      if (line_.size() == kMaxLineLength) {
        fail("a line of the chunked body is longer than " + std::to_string(kMaxLineLength) + " bytes");
      } else {
        line_ += c;
      }
      continue;
    }
    if (!line_.empty() && line_.back() == '\r') line_.pop_back();
    if (state_ == State::SizeLine) {
      sizeLineEnded();
    } else if (state_ == State::DataEnd) {
      if (line_.empty()) {
        state_ = State::SizeLine;
      } else {
        fail("a chunk is longer than its size line says");
      }
    } else {
      trailerLineEnded();
    }
    line_.clear();
  }
  return used;
}

void ChunkedDecoder::sizeLineEnded() {
  // "1a3f", possibly followed by blanks or ";extension".
  std::uint64_t size = 0;
  std::size_t digits = 0;
  while (digits < line_.size() && hexValue(line_[digits]) >= 0) {
    if (digits == kMaxSizeDigits) return fail("a chunk size is too large");
    size = size * 16 + static_cast<std::uint64_t>(hexValue(line_[digits]));
    ++digits;
  }
  const std::string_view rest = std::string_view(line_).substr(digits);
  if (digits == 0 || (!rest.empty() && rest.front() != ';' && rest.front() != ' ' && rest.front() != '\t')) {
    return fail("a chunk size line is not a hex number");
  }
  chunkLeft_ = size;
  state_ = size == 0 ? State::Trailer : State::Data;
}

void ChunkedDecoder::trailerLineEnded() {
  if (line_.empty()) {
    state_ = State::Done;
  } else if (++trailerLines_ > kMaxTrailerLines) {
    fail("the chunked body has more than " + std::to_string(kMaxTrailerLines) + " trailer lines");
  }
}

void ChunkedDecoder::fail(std::string text) {
  state_ = State::Failed;
  fault_ = "Bad response from the server: " + std::move(text);
}

}  // namespace quillon::net

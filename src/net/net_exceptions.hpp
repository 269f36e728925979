#pragma once
// The exceptions of the network client.
#include <stdexcept>
#include <string>

namespace quillon::net {

// A socket operation that failed and had no OnError handler to take the error.
class ESocketException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A refused or failed HTTP request; the code is the response code or one of
// the client's own error numbers.
class EHttpException : public std::runtime_error {
 public:
  EHttpException(const std::string& message, int errorCode) : std::runtime_error(message), errorCode_(errorCode) {}
  int ErrorCode() const noexcept { return errorCode_; }

 private:
  int errorCode_;
};

}  // namespace quillon::net

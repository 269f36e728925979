#pragma once
// Certificates made when a test program starts: an authority of its own, and
// server certificates for the scripted server's TLS mode.
#include <string>

#include "scripted_http_server.hpp"

namespace quillon::net::testing {

struct TestCertificates {
  std::string authorityPem;
  TlsIdentity trusted;    // 127.0.0.1, ::1 and localhost, signed by the authority
  TlsIdentity wrongHost;  // signed by the authority, for other.invalid only
  TlsIdentity untrusted;  // 127.0.0.1 and localhost, signed by nobody but itself
};

// Made once per program.
const TestCertificates& testCertificates();

// Points SSL_CERT_FILE at a file holding only the test authority, so that the
// client trusts it and nothing else; returns the file's path.
std::string trustTestAuthority();

}  // namespace quillon::net::testing

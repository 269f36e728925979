#include "test_certificates.hpp"

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509v3.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>

namespace quillon::net::testing {
namespace {

using Key = std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)>;
using Certificate = std::unique_ptr<X509, decltype(&X509_free)>;

Key newKey() {
  Key key(EVP_EC_gen("P-256"), EVP_PKEY_free);
  if (!key) throw std::runtime_error("cannot make a test key");
  return key;
}

void addExtension(X509* certificate, X509V3_CTX& context, int nid, const char* value) {
  X509_EXTENSION* extension = X509V3_EXT_conf_nid(nullptr, &context, nid, value);
  if (extension == nullptr) throw std::runtime_error(std::string("bad test certificate extension ") + value);
  X509_add_ext(certificate, extension, -1);
  X509_EXTENSION_free(extension);
}

// A certificate for key, signed by the issuer, or by itself when there is none.
Certificate newCertificate(EVP_PKEY* key, const char* commonName, const char* altNames, X509* issuer,
                           EVP_PKEY* issuerKey) {
  static long serial = 1;
  Certificate certificate(X509_new(), X509_free);
  X509* c = certificate.get();
  X509_set_version(c, 2);
  ASN1_INTEGER_set(X509_get_serialNumber(c), serial++);
  X509_gmtime_adj(X509_getm_notBefore(c), -3600);
  X509_gmtime_adj(X509_getm_notAfter(c), 24 * 3600);
  X509_set_pubkey(c, key);
  X509_NAME* name = X509_get_subject_name(c);
  X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char*>(commonName), -1, -1, 0);
  X509_set_issuer_name(c, issuer != nullptr ? X509_get_subject_name(issuer) : name);
  X509V3_CTX context;
  X509V3_set_ctx_nodb(&context);
  X509V3_set_ctx(&context, issuer != nullptr ? issuer : c, c, nullptr, nullptr, 0);
  addExtension(c, context, NID_subject_key_identifier, "hash");
  if (altNames == nullptr) {
    addExtension(c, context, NID_basic_constraints, "critical,CA:TRUE");
    addExtension(c, context, NID_key_usage, "critical,keyCertSign,cRLSign");
  } else {
    addExtension(c, context, NID_basic_constraints, "CA:FALSE");
    addExtension(c, context, NID_subject_alt_name, altNames);
    addExtension(c, context, NID_ext_key_usage, "serverAuth");
  }
  if (X509_sign(c, issuerKey != nullptr ? issuerKey : key, EVP_sha256()) == 0) {
    throw std::runtime_error("cannot sign a test certificate");
  }
  return certificate;
}

template <class Write>
std::string pem(Write write) {
  std::unique_ptr<BIO, decltype(&BIO_free)> bio(BIO_new(BIO_s_mem()), BIO_free);
  write(bio.get());
  char* data = nullptr;
  const long length = BIO_get_mem_data(bio.get(), &data);
  return std::string(data, static_cast<std::size_t>(length));
}

std::string certificatePem(X509* certificate) {
  return pem([&](BIO* bio) { PEM_write_bio_X509(bio, certificate); });
}

TlsIdentity identityOf(EVP_PKEY* key, X509* certificate) {
  return {certificatePem(certificate),
          pem([&](BIO* bio) { PEM_write_bio_PrivateKey(bio, key, nullptr, nullptr, 0, nullptr, nullptr); })};
}

TestCertificates makeCertificates() {
  constexpr const char* kLoopbackNames = "DNS:localhost,IP:127.0.0.1,IP:::1";
  TestCertificates made;
  const Key authorityKey = newKey();
  const Certificate authority = newCertificate(authorityKey.get(), "Quillon Test Authority", nullptr, nullptr, nullptr);
  made.authorityPem = certificatePem(authority.get());
  const Key serverKey = newKey();
  const Certificate trusted =
      newCertificate(serverKey.get(), "localhost", kLoopbackNames, authority.get(), authorityKey.get());
  made.trusted = identityOf(serverKey.get(), trusted.get());
  const Certificate wrongHost =
      newCertificate(serverKey.get(), "other.invalid", "DNS:other.invalid", authority.get(), authorityKey.get());
  made.wrongHost = identityOf(serverKey.get(), wrongHost.get());
  const Certificate untrusted = newCertificate(serverKey.get(), "localhost", kLoopbackNames, nullptr, nullptr);
  made.untrusted = identityOf(serverKey.get(), untrusted.get());
  return made;
}

}  // namespace

const TestCertificates& testCertificates() {
  static const TestCertificates certificates = makeCertificates();
  return certificates;
}

// The authority's file, there while the program runs.
struct AuthorityFile {
  AuthorityFile()
      : path(std::filesystem::temp_directory_path() /
             ("quillon-test-authority-" + std::to_string(getpid()) + ".pem")) {
    std::ofstream(path, std::ios::binary) << testCertificates().authorityPem;
  }
  ~AuthorityFile() {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
  }
  std::filesystem::path path;
};

std::string trustTestAuthority() {
  static const AuthorityFile file;
  setenv("SSL_CERT_FILE", file.path.c_str(), 1);
  // No folder of the system's certificates either.
  setenv("SSL_CERT_DIR", file.path.parent_path().c_str(), 1);
  return file.path.string();
}

}  // namespace quillon::net::testing

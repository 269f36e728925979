// quillon-cli fetch against a scripted server on loopback.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.hpp"
#include "scripted_http_server.hpp"
#include "temp_dir.hpp"
#include "test_certificates.hpp"

namespace quillon::net::testing {
namespace {

using quillon::testing::CliResult;
using quillon::testing::readFile;
using quillon::testing::runCli;
using quillon::testing::TempDir;
using quillon::testing::writeFile;

ServerScript answering(const std::string& response) {
  return {{{{ServerStep::Kind::ReadRequest, "", {}}, {ServerStep::Kind::Send, response, {}}}}, std::nullopt};
}

class FetchCommand : public ::testing::Test {
 protected:
  CliResult fetch(const std::string& args) {
    return runCli("fetch " + args, home_.path().string(), home_.path().string());
  }
  TempDir home_;
};

TEST_F(FetchCommand, PrintsTheHeaderOnStderrAndTheDocumentOnStdout) {
  using namespace std::string_literals;
  ScriptedHttpServer server(answering("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n<html>\0\xff</html>"s));
  const CliResult result = fetch("http://127.0.0.1:" + std::to_string(server.port()) + "/page.htm");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "<html>\0\xff</html>"s) << "bytes pass unchanged";
  EXPECT_EQ(result.err, "HTTP/1.0 200 OK\nContent-Type: text/html\n");
}

TEST_F(FetchCommand, WritesTheDocumentIntoTheFileOnlyWhenItArrivedWhole) {
  const std::string out = home_.file("page.htm");
  {
    ScriptedHttpServer server(answering("HTTP/1.0 200 OK\r\n\r\nfirst"));
    const CliResult result = fetch("http://127.0.0.1:" + std::to_string(server.port()) + "/ --out " + out);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(readFile(out), "first");
  }
  ScriptedHttpServer server(answering("HTTP/1.0 200 OK\r\nContent-Length: 50\r\n\r\nsecond, cut short"));
  const CliResult result = fetch("http://127.0.0.1:" + std::to_string(server.port()) + "/ --out " + out);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("error: Connection closed after 17 of 50 bytes of the document"), std::string::npos)
      << result.err;
  EXPECT_EQ(readFile(out), "first") << "the earlier file stays";
  EXPECT_FALSE(std::filesystem::exists(out + ".part"));
}

TEST_F(FetchCommand, FailsWithTheResponseTextFromCode400On) {
  ScriptedHttpServer server(answering("HTTP/1.1 404 Not Found\r\n\r\nmissing"));
  const CliResult result = fetch("http://127.0.0.1:" + std::to_string(server.port()) + "/missing.htm");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "HTTP/1.1 404 Not Found\nerror: Not Found\n");
}

TEST_F(FetchCommand, GoesThroughTheProxy) {
  ScriptedHttpServer server(answering("HTTP/1.0 200 OK\r\n\r\nproxied"));
  const CliResult result = fetch("http://www.example.test/x.htm --proxy 127.0.0.1:" + std::to_string(server.port()));
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "proxied");
  server.stop();
  EXPECT_EQ(server.received(), std::vector<std::string>{"GET http://www.example.test/x.htm HTTP/1.0\r\n"
                                                        "User-Agent: Quillon/5.3 (site-navigation menu authoring tool)\r\n"
                                                        "Host: www.example.test\r\n"
                                                        "Accept-Encoding: gzip, deflate\r\n\r\n"});
}

TEST_F(FetchCommand, FetchesOverHttpsAndRefusesAnUntrustedCertificate) {
  trustTestAuthority();
  const auto secureServer = [](const TlsIdentity& identity) {
    ServerScript script = answering("HTTP/1.1 200 OK\r\nContent-Length: 6\r\n\r\nsecret");
    script.connections[0].insert(script.connections[0].begin(), {ServerStep::Kind::StartTls, "", {}});
    script.tls = identity;
    return script;
  };
  {
    ScriptedHttpServer server(secureServer(testCertificates().trusted));
    const CliResult result = fetch("https://localhost:" + std::to_string(server.port()) + "/");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "secret");
  }
  ScriptedHttpServer server(secureServer(testCertificates().untrusted));
  const CliResult result = fetch("https://localhost:" + std::to_string(server.port()) + "/");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err,
            "error: can't connect securely to localhost: the server's certificate was refused: self-signed certificate\n");
}

TEST_F(FetchCommand, TheRequestLimitAndTheSizeLimitCanBeSet) {
  ScriptedHttpServer slow({{{{ServerStep::Kind::ReadRequest, "", {}}, {ServerStep::Kind::Hold, "", {}}}}, std::nullopt});
  const CliResult timedOut = fetch("http://127.0.0.1:" + std::to_string(slow.port()) + "/ --timeout 1");
  EXPECT_EQ(timedOut.exitCode, 1);
  EXPECT_EQ(timedOut.err, "error: Request timed out: no complete answer within 1 s (Error #10060)\n");

  const std::string big(20 * 1024 * 1024, 'x');
  const std::string answer = "HTTP/1.0 200 OK\r\nContent-Length: " + std::to_string(big.size()) + "\r\n\r\n" + big;
  ScriptedHttpServer server({{{{ServerStep::Kind::ReadRequest, "", {}}, {ServerStep::Kind::Send, answer, {}}},
                              {{ServerStep::Kind::ReadRequest, "", {}}, {ServerStep::Kind::Send, answer, {}}}},
                             std::nullopt});
  const std::string url = "http://127.0.0.1:" + std::to_string(server.port()) + "/big";
  const CliResult refused = fetch(url + " --out " + home_.file("big"));
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.err.find("error: Document larger than the limit of 16 MB"), std::string::npos) << refused.err;
  EXPECT_FALSE(std::filesystem::exists(home_.file("big")));
  const CliResult allowed = fetch(url + " --out " + home_.file("big") + " --max-size 0");
  EXPECT_EQ(allowed.exitCode, 0) << allowed.err;
  EXPECT_EQ(std::filesystem::file_size(home_.file("big")), big.size());
  EXPECT_EQ(fetch(url + " --timeout -1").exitCode, 2);
}

TEST_F(FetchCommand, ReportsTransportFailures) {
  const CliResult refused = fetch("http://127.0.0.1:" + std::to_string(refusingPort()) + "/");
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_EQ(refused.err, "error: Connection refused (Error #10061)\n");
  EXPECT_EQ(fetch("").exitCode, 2) << "the address is required";
  EXPECT_EQ(fetch("http://127.0.0.1/ --no-such-option").exitCode, 2);
}

}  // namespace
}  // namespace quillon::net::testing

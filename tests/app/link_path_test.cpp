#include <gtest/gtest.h>

#include "app/link_path.hpp"

namespace quillon {
namespace {

struct LinkCase {
  const char* codebase;
  const char* file;
  const char* link;
};

class LinkPath : public ::testing::TestWithParam<LinkCase> {};

TEST_P(LinkPath, IsRelativeToTheClassFolder) {
  const LinkCase c = GetParam();
  EXPECT_EQ(linkPathFor("/site/index.htm", c.codebase, c.file), c.link) << c.codebase << " " << c.file;
}

INSTANTIATE_TEST_SUITE_P(Cases, LinkPath,
                         ::testing::Values(LinkCase{"java/", "/site/docs/a.htm", "../docs/a.htm"},
                                           LinkCase{"", "/site/docs/a.htm", "docs/a.htm"},
                                           LinkCase{"/", "/site/docs/a.htm", "docs/a.htm"},
                                           LinkCase{"java/", "/site/java/b.htm", "b.htm"},
                                           LinkCase{"java/sub/", "/site/a.htm", "../../a.htm"},
                                           LinkCase{"", "/other/x.htm", "../other/x.htm"},
                                           LinkCase{"", "/site/my docs/a b.htm", "my docs/a b.htm"},
                                           LinkCase{"java/", "", "None"}, LinkCase{"java/", "none", "None"},
                                           LinkCase{"", "NoNe", "None"}));

}  // namespace
}  // namespace quillon

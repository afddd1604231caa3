#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exports/HostNames.h"
#include "tests/core/CoreTestSupport.h"

namespace {

TEST(HostNames, OneNameFromEachUsableLine) {
  struct Case {
    std::string line;
    const char* name;  // nullptr: the line gives none
  };
  const std::string h64(64, 'h');
  const Case cases[] = {
      {"#127.0.0.1 localhost\n", nullptr},
      {"   \n", nullptr},
      {"10.0.0.1 \r\n", nullptr},
      {"ab", nullptr},
      {"abc", "abc"},
      {"  # old-host\n", "old"},
      {"10.0.0.2 _svc_1-lab\n", "_svc_1"},
      {"fe80::1 router6\n", "fe80"},  // an IPv6 address starting with a letter
      {"10.0.0.3 \xe9t\xe9\n", "t"},
      {"10.1.1.1 " + h64 + "hhhhhh\n", h64.c_str()},  // the first 64 characters
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const auto name = HostNameOfLine(c.line);
    EXPECT_EQ(name, c.name ? std::optional<std::string>(c.name) : std::nullopt);
  }
}

// A real file: names in file order, and a line longer than a piece read as two.
TEST(HostNames, ReadsAFileInPiecesOf255Characters) {
  const std::string longLine = "10.0.0.9 " + std::string(246, 'a') + " second\n";  // 255 before " second"
  const std::string text = "# hosts\n127.0.0.1 localhost\n\n10.0.0.5 alpha beta\n" + longLine +
                           "10.0.0.6 omega";
  EXPECT_EQ(ReadHostNamesFrom(FileWith(text).get()),
            (std::vector<std::string>{"localhost", "alpha", std::string(64, 'a'), "second", "omega"}));
}

}  // namespace

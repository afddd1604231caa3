#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/hostedit/HostsCheck.h"

namespace {

TEST(HostsCheck, Addresses) {
  const char* good[] = {"0.0.0.0", "255.255.255.255", "::", "2001:db8:0:0:0:0:2:1", "2001:DB8::2:1",
                        "1:2:3:4:5:6:7::", "::ffff:192.168.1.20", "1:2:3:4:5:6:1.2.3.4"};
  for (const char* address : good) EXPECT_EQ(CheckAddress(address), "") << address;

  const char* bad[] = {"256.1.1.1", "1.2.3", "01.2.3.4", "1..2.3", "1.2.3.4 ", ":::", "1::2::3", "12345::",
                       "1:2:3:4:5:6:7", "1:2:3:4:5:6:7:8::", ":1.2.3.4", "::1.2.3", "fe80::1%eth0", "g::1"};
  for (const char* address : bad) {
    const std::string error = CheckAddress(address);
    EXPECT_NE(error.find(std::string("\"") + address + "\" is not an address"), std::string::npos)
        << address << ": " << error;
  }
  EXPECT_EQ(CheckAddress(""), "Type the address of the host.");
}

TEST(HostsCheck, HostNamesAlonePerTextAndAsTheConsoleListsThem) {
  const char* good[] = {"ws-lab", "_svc_1", "a", "host.example.org", "1host"};
  for (const char* name : good) EXPECT_EQ(CheckHostName(name), "") << name;

  struct Bad {
    std::string name;
    const char* says;
  };
  const Bad bad[] = {
      {"lab-", "starts or ends with '-'"},
      {"host.", "empty part between dots"},
      {"h\xe9te", "only letters, digits"},
      {std::string(64, 'x'), "longer than 63"},
      {std::string(127, 'x') + "." + std::string(127, 'x'), "longer than 253"},
  };
  for (const Bad& b : bad) {
    const std::string error = CheckHostName(b.name);
    EXPECT_NE(error.find(b.says), std::string::npos) << b.name << ": " << error;
  }

  std::vector<std::string> names{"kept"};
  EXPECT_EQ(CheckHostNames("  alpha  beta.lan ", names), "");
  EXPECT_EQ(names, (std::vector<std::string>{"alpha", "beta.lan"}));

  names = {"kept"};
  EXPECT_NE(CheckHostNames("alpha -beta", names).find("\"-beta\""), std::string::npos);
  EXPECT_EQ(names, std::vector<std::string>{"kept"});
  EXPECT_EQ(CheckHostNames("   ", names), "Type at least one host name.");

  // What the console's export editor lists for the entry, asked about when not its name.
  EXPECT_EQ(CheckListedName("10.0.0.5", {"alpha", "a2"}), "");
  const struct {
    std::string address, name, listed;
  } misread[] = {{"fe80::1", "alpha", "fe80"}, {"10.0.0.5", "build-01", "build"}, {"10.0.0.6", "2fast", "fast"},
                 {"10.0.0.7", std::string(65, 'h'), std::string(64, 'h')}};
  for (const auto& c : misread)
    EXPECT_NE(CheckListedName(c.address, {c.name}).find("list this entry as \"" + c.listed + "\""), std::string::npos)
        << c.name;
}

}  // namespace

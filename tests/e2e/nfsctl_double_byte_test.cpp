// nfsctl under a double-byte ANSI code page (932), where a trail byte may be
// 0x5C and a name may hold bytes that convert to no character.
#include <nlohmann/json.hpp>

#include "tests/common/EmptyFolder.h"
#include "tests/e2e/ConsoleProcess.h"

namespace {

constexpr char kRoot[] = "C:\\nfsctl932";

TEST(NfsctlDoubleByte, NamesAndDirectoriesKeepTheirDoubleByteCharacters) {
  ASSERT_EQ(GetACP(), 932u);
  EmptyFolder(kRoot);
  // "ok" and the katakana so (0x83 0x5C, whose trail byte is a backslash), and
  // a name ending in a lone lead byte, which converts to no character.
  WriteFile(std::string(kRoot) + "\\drivers\\etc\\passwd", "bad\x81::700:::: \r\nok\x83\x5c::701:::: \r\n");
  WriteFile(std::string(kRoot) + "\\exports", "c:\\\x83\x5c;0 \r\n");
  const std::vector<std::string> where = {"--install-dir", kRoot, "--system-dir", kRoot};
  auto run = [&](std::vector<std::string> arguments) {
    arguments.insert(arguments.end(), where.begin(), where.end());
    return RunNfsctl(arguments);
  };

  // JSON loses no name: a byte that converts to nothing is written as \x81.
  const NfsctlResult listed = run({"users", "list", "--json"});
  const nlohmann::json users = nlohmann::json::parse(listed.output, nullptr, false);
  ASSERT_TRUE(users.is_array()) << listed.output;
  EXPECT_EQ(users[0]["name"], "bad\\x81");
  EXPECT_EQ(users[1]["name"], "ok\xe3\x82\xbd");  // UTF-8 of the katakana so

  // The trail byte 0x5C is no separator: c:\<so>\ is the exported c:\<so>.
  const NfsctlResult again = run({"exports", "add", "c:\\\x83\x5c\\"});
  EXPECT_EQ(again.exitCode, std::optional<DWORD>(1)) << again.output;
  EXPECT_NE(again.output.find("is exported already"), std::string::npos) << again.output;
  EXPECT_EQ(ReadFile(std::string(kRoot) + "\\exports"), "c:\\\x83\x5c;0 \r\n");
}

}  // namespace

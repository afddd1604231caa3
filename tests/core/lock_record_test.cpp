#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "status/LockLine.h"
#include "status/LockRecord.h"

namespace {

using namespace std::literals;

// The bytes of a lock record with a 20-byte opaque block.
std::string Lock(std::string_view first, std::string_view second, int32_t number, int64_t l1, int64_t l2) {
  return EncodeLockRecord({first, second, "oooooooooooooooooooo", number, l1, l2});
}

std::vector<std::string> Lines(std::string_view bytes) {
  std::vector<std::string> lines;
  for (const LockRecord& r : ParseLockRecords(bytes)) lines.push_back(FormatLockLine(r));
  return lines;
}

TEST(LockRecord, WholeRecordsInFileOrderAndTheirLines) {
  const std::string three =
      Lock("workstation12", "/home/a", 1, 2, 3) + Lock("pc7", "/export/notes01", 412, 0, 100) + Lock("x", "", -1, -1, -2);
  const std::vector<std::string> lines = {"workstation12:/home/a:1:2:3",
                                          "pc7:/export/notes01:412:0:100", "x::-1:-1:-2"};
  EXPECT_EQ(Lines(three), lines);
  EXPECT_EQ(Lines(three + "7 bytes"), lines);

  // A record cut anywhere is dropped with everything after it; the whole ones end before it.
  const std::string one = Lock("a", "b", 1, 2, 3);
  for (size_t cut = 1; cut < one.size(); ++cut) {
    EXPECT_EQ(Lines(one + one.substr(0, cut)).size(), 1u) << cut;
    EXPECT_EQ(LockRecordsEnd(one + one.substr(0, cut)), one.size()) << cut;
  }

  // A length that is negative or passes the end of the file ends the list.
  EXPECT_TRUE(Lines("\xff\xff\xff\xff" + one).empty());
  EXPECT_EQ(Lines(one + "\x00\x00\x00\x7f"s + one).size(), 1u);

  const struct {
    std::string bytes;
    std::string line;
  } cases[] = {
      {Lock("pc7", "/export/notes01", 412, 0, 100), "pc7:/export/notes01:412:0:100"},
      // Long numbers show their low 32 bits, signed.
      {Lock("h", "/p", -5, (int64_t{1} << 32) + 7, 2147483648), "h:/p:-5:7:-2147483648"},
      // Texts end at their first zero byte.
      {Lock("pc\0junk"s, "/a\0b"s, 0, 0, 0), "pc:/a:0:0:0"},
      {Lock("h", std::string(300, 's'), 1, 2, 3), "h:" + std::string(258, 's') + ":1:2:3"},
  };
  for (const auto& c : cases) EXPECT_EQ(Lines(c.bytes), std::vector<std::string>{c.line});
  EXPECT_EQ(Lines(Lock(std::string(3000, 'f'), "s", 1, 2, 3))[0].size(), kMaxLockLine);
}

TEST(LockRecord, UnlockRequestFromAShownLine) {
  const auto request = UnlockRequestFor("pc7:/export/notes01:412:0:100");
  ASSERT_TRUE(request);
  const std::string expected = "\x03\0\0\0pc7"s
                               "\x0f\0\0\0/export/notes01"s
                               "\x14\0\0\0pc7\0/export/notes01\0"s
                               "\x9c\x01\0\0"s
                               "\0\0\0\0\0\0\0\0"s
                               "\x64\0\0\0\0\0\0\0"s;
  EXPECT_EQ(*request, expected);

  // A short line: the rest of the line, then zeros; negative numbers widen.
  const auto small = UnlockRequestFor("a:b:-1:2:-3");
  ASSERT_TRUE(small);
  const std::vector<LockRecord> back = ParseLockRecords(*small);
  ASSERT_EQ(back.size(), 1u);
  EXPECT_EQ(back[0].opaque, "a\0b\0-1:2:-3\0\0\0\0\0\0\0\0\0"sv);

  // Lines that would not split back into the lock they show.
  for (const std::string& line : {"pc7:/a:b:1:2:3"s, "c:\\x:/a:1:2:3"s, "a:b:1:2"s, "a:b:1:2:x"s, "a:b:+1:2:3"s,
                                  "a:b:1:2:2147483648"s, "a:b:1::3"s})
    EXPECT_FALSE(UnlockRequestFor(line)) << line;
  EXPECT_TRUE(UnlockRequestFor("::0:0:0"));

  // A line and a second text at their limits are whole and name their lock; one
  // more character, and the line shown is cut.
  const struct {
    std::string first, second;
    bool cut;
  } limits[] = {{std::string(2039, 'f'), "s", false}, {std::string(2040, 'f'), "s", true},
                {"h", std::string(258, 's'), false}, {"h", std::string(259, 's'), true}};
  for (const auto& c : limits) {
    const std::string bytes = Lock(c.first, c.second, 1, 2, 3);
    bool cut = !c.cut;
    const std::string line = FormatLockLine(ParseLockRecords(bytes)[0], &cut);
    EXPECT_EQ(cut, c.cut) << line.size();
    if (!cut) {
      EXPECT_TRUE(UnlockRequestFor(line)) << line.size();
    }
  }

  // An unlock request carries each long number as the shown line does, in 32 bits:
  // a lock beyond them would be asked back as another lock.
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max(), kMin = std::numeric_limits<int32_t>::min();
  const struct {
    int64_t firstLong, secondLong;
    bool fits;
  } cases[] = {{-1, kMin, true},
               {kMax, kMax, true},
               {(int64_t{1} << 32) + 5, 0, false},
               {kMax + 1, 0, false},
               {0, kMin - 1, false}};
  for (const auto& c : cases)
    EXPECT_EQ(FitsUnlockRecord({"pc7", "/a", "", 1, c.firstLong, c.secondLong}), c.fits)
        << c.firstLong << " " << c.secondLong;
}

}  // namespace

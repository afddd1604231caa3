// The rules of a mapping list: the ID before the name, exact comparisons, the
// first record of a name, and the file as the console writes it.
#include <gtest/gtest.h>

#include "mapping/MappingLine.h"
#include "mapping/MappingList.h"

namespace {

const std::vector<CUserInfo> kMappings = {{"alice", "500"}, {"bob", "0501"}, {"alice", "600"}, {"", "7"}};

TEST(MappingList, IdBeforeNameRemovalOfTheFirstAndNoNamelessRecordWritten) {
  struct Case {
    const char* name;
    const char* id;
    MappingConflict conflict;
  };
  const Case cases[] = {
      {"alice", "500", MappingConflict::kIdTaken},
      {"alice", "700", MappingConflict::kNameTaken},
      {"Alice", "700", MappingConflict::kNone},
      {"carol", "501", MappingConflict::kIdTaken},  // 0501 is 501, as the service reads it
      {"carol", "abc", MappingConflict::kNone},
      {"", "8", MappingConflict::kNameTaken},
  };
  for (const Case& c : cases) EXPECT_EQ(FindMappingConflict(kMappings, c.name, c.id), c.conflict) << c.name << c.id;

  EXPECT_EQ(FirstMappingNamed(kMappings, "alice"), 0u);
  EXPECT_EQ(FirstMappingNamed(kMappings, "Bob"), std::nullopt);
  EXPECT_EQ(MappingFileBytes(kMappings), "alice::500:::: \r\nbob::0501:::: \r\nalice::600:::: \r\n");
}

// What the console's Add and nfsctl store: a name that reads back whole from its
// line, and nothing else.
TEST(MappingList, StorableNamesReadBackExactly) {
  using namespace std::literals;
  const struct {
    std::string name;
    bool storable;
  } cases[] = {
      {"alice", true},           {"a\tb", true},          {"\xa3\xf3" "d\x9f", true},
      {std::string(244, 'n'), true}, {std::string(245, 'n'), false},  // 244 and "::500:::: \n" make 255
      {"", false},               {"a:b", false},          {"a\rb", false},
      {"a\nb", false},           {"a\0b"s, false},         {"a\x1a", false},
  };
  for (const auto& c : cases) EXPECT_EQ(!MappingNameProblem(c.name, "500"), c.storable) << c.name.substr(0, 20);
}

}  // namespace

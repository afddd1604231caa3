// The rules of a mapping list: the ID before the name, exact comparisons, the
// first record of a name, and the file as the console writes it.
#include <gtest/gtest.h>

#include "mapping/MappingList.h"

namespace {

const std::vector<CUserInfo> kMappings = {{"alice", "500"}, {"bob", "0501"}, {"alice", "600"}, {"", "7"}};

TEST(MappingList, IdIsTestedBeforeTheNameAndBothExactly) {
  struct Case {
    const char* name;
    const char* id;
    MappingConflict conflict;
  };
  const Case cases[] = {
      {"alice", "500", MappingConflict::kIdTaken},
      {"carol", "500", MappingConflict::kIdTaken},
      {"alice", "700", MappingConflict::kNameTaken},
      {"Alice", "700", MappingConflict::kNone},
      {"carol", "501", MappingConflict::kNone},  // 0501 is another text
      {"", "8", MappingConflict::kNameTaken},
  };
  for (const Case& c : cases) EXPECT_EQ(FindMappingConflict(kMappings, c.name, c.id), c.conflict) << c.name << c.id;
  EXPECT_EQ(MappingIdText(-2), "-2");
}

TEST(MappingList, RemovalTakesTheFirstOfANameAndTheFileDropsNamelessRecords) {
  EXPECT_EQ(FirstMappingNamed(kMappings, "alice"), 0u);
  EXPECT_EQ(FirstMappingNamed(kMappings, "Bob"), std::nullopt);
  EXPECT_EQ(MappingFileBytes(kMappings), "alice::500:::: \r\nbob::0501:::: \r\nalice::600:::: \r\n");
}

}  // namespace

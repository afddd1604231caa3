#include <gtest/gtest.h>

#include <optional>

#include "portable/WholeNumber.h"

namespace {

// Every program reads IDs, sizes and counts this way; a leading zero never makes
// a number octal, and what is refused is named.
TEST(WholeNumber, DecimalOnlyWithinThirtyTwoBits) {
  const struct {
    const char* text;
    std::optional<int> value;
    const char* problem;  // the end of the refusal
  } cases[] = {
      {"08", 8, ""},
      {" \t+5 ", 5, ""},
      {"-2", -2, ""},
      {"-2147483648", -2147483647 - 1, ""},
      {"2147483648", std::nullopt, "is out of range (-2147483648 to 2147483647)"},
      {"0x10", std::nullopt, "is not a decimal whole number"},
      {"1 2", std::nullopt, "is not a decimal whole number"},
      {"+-5", std::nullopt, "is not a decimal whole number"},
      {"", std::nullopt, "is not a decimal whole number"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseWholeNumber(c.text), c.value);
    const std::string problem = WholeNumberProblem(c.text);
    EXPECT_TRUE(problem.ends_with(c.problem)) << problem;
    if (!c.value) {
      EXPECT_TRUE(problem.starts_with("\"" + std::string(c.text) + "\"")) << problem;
    }
  }
}

}  // namespace

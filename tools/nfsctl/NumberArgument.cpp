#include "tools/nfsctl/NumberArgument.h"

#include "portable/WholeNumber.h"
#include "tools/nfsctl/Report.h"

std::optional<int32_t> NumberArgument(const std::string& text, const char* what, int& failure) {
  const std::optional<int> value = ParseWholeNumber(text);
  if (!value) failure = Fail(kExitFailed, std::string(what) + " " + WholeNumberProblem(text));
  return value;
}

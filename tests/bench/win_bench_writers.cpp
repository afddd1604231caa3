// Three writers of the exports file for two minutes (addexport and nfsctl adding,
// the console deleting and editing): operations done, exports lost and lines doubled.
#include <cstdio>

#include "tests/e2e/WriterSoak.h"

int main() {
  const SoakResult soak = RunWriterSoak(120000);
  std::printf("%d operations, %d exports added, %d lost, %d doubled, %d tool runs failed\n", soak.operations,
              soak.added, soak.lost, soak.doubled, soak.failed);
  if (!soak.problem.empty()) std::printf("stopped early: %s\n", soak.problem.c_str());
  return 0;
}

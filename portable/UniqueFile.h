#pragma once
// A C stream closed on scope exit.
#include <cstdio>
#include <memory>

struct FileCloser {
  void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

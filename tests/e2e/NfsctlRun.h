#pragma once
// Running the real nfsctl.exe on a test installation of its own: an install
// directory and a system directory per test, given on the command line, and the
// program's exit code and output.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

struct NfsctlResult {
  DWORD exitCode = 0xFFFFFFFF;
  std::string out;
  std::string err;
};

// Runs nfsctl.exe with arguments, each quoted as the C runtime splits them; its
// output comes back with LF line ends.
NfsctlResult RunNfsctl(const std::vector<std::string>& arguments);

// Writes bytes as the whole file, creating its folder.
void WriteBytes(const std::string& path, const std::string& bytes);

// A value of the service's options key, which is created when missing.
void SetServiceValue(const char* name, DWORD type, const void* data, DWORD size);
inline void SetServiceDword(const char* name, DWORD value) { SetServiceValue(name, REG_DWORD, &value, sizeof value); }
// A REG_DWORD of that key; 0xDEAD when there is none.
DWORD ServiceDword(const char* name);

class NfsctlTest : public ::testing::Test {
 protected:
  void SetUp() override;

  // nfsctl with --install-dir and --system-dir of this test.
  NfsctlResult Run(std::vector<std::string> arguments) const;
  // The same with --json, its output parsed; null when it is not JSON.
  nlohmann::json RunJson(std::vector<std::string> arguments) const;

  std::string InstallFile(const std::string& name) const { return installDir_ + "\\" + name; }
  std::string SpoolFile(const std::string& name) const { return installDir_ + "\\SPOOL\\PCNFSD\\" + name; }
  std::string PasswdPath() const { return systemDir_ + "\\drivers\\etc\\passwd"; }
  std::string GroupPath() const { return systemDir_ + "\\drivers\\etc\\group"; }

  std::string installDir_;
  std::string systemDir_;
};

// The package as an administrator uses it: msiexec installs the programs into
// the server's install directory, a newer package upgrades them in place, and
// removing the package takes away its programs and nothing of the server's.
#include <windows.h>

#include <msi.h>
#include <shlobj.h>

#include "portable/SharedWithService.h"
#include "tests/common/EmptyFolder.h"
#include "tests/e2e/ConsoleProcess.h"

namespace {

constexpr char kServerDir[] = "C:\\Srv\\NFS";
const char* const kPrograms[] = {"nfsadmin.exe", "nfsctl.exe", "addexport.exe", "hostedit.exe"};
// What the service and the console keep in the install directory.
const std::pair<const char*, const char*> kServerFiles[] = {
    {"exports", "c:\\public;0\r\n"}, {"printcap", "laser,HP,Office,LPT1:,keep,this\r\n"},
    {"history\\exports.1", "c:\\old;0\r\n"}};

// msiexec's exit code for the package of this build (or the next version's) and
// the extra properties.
DWORD Msiexec(const char* action, bool next, const std::vector<std::string>& properties = {}) {
  const std::string package =
      BuildPath(next ? "tests\\e2e\\nfs-server-console-next.msi" : "packaging\\nfs-server-console-" NFS_VERSION ".msi");
  std::vector<std::string> arguments{action, package, "/qn"};
  arguments.insert(arguments.end(), properties.begin(), properties.end());
  char system[MAX_PATH];
  GetSystemDirectoryA(system, sizeof system);
  return Process(std::string(system) + "\\msiexec.exe", arguments).Wait(120000).value_or(999);
}

// The versions of the installed products of this package, by the product name
// (Wine keeps no upgrade code of a product that replaced another).
std::vector<std::string> InstalledVersions() {
  std::vector<std::string> versions;
  char product[39];
  for (DWORD i = 0; MsiEnumProductsA(i, product) == ERROR_SUCCESS; ++i) {
    char name[128] = "", version[64] = "";
    DWORD nameSize = sizeof name, versionSize = sizeof version;
    MsiGetProductInfoA(product, INSTALLPROPERTY_INSTALLEDPRODUCTNAME, name, &nameSize);
    MsiGetProductInfoA(product, INSTALLPROPERTY_VERSIONSTRING, version, &versionSize);
    if (std::string(name) == "NFS Server Console") versions.push_back(version);
  }
  return versions;
}

// The file version that the installer compares when it replaces a program.
std::string FileVersionOf(const std::string& path) {
  char version[64] = "";
  DWORD size = sizeof version;
  MsiGetFileVersionA(path.c_str(), version, &size, nullptr, nullptr);
  return version;
}

// The shortcut, in the Programs folder of every account or, where the installer
// keeps per-machine shortcuts in the installing account's (Wine), there.
bool HasStartMenuShortcut() {
  for (const int folder : {CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS}) {
    char programs[MAX_PATH] = "";
    if (SHGetFolderPathA(nullptr, folder, nullptr, 0, programs) == S_OK &&
        Exists(std::string(programs) + "\\NFS Server.lnk"))
      return true;
  }
  return false;
}

class PackageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EmptyFolder("C:\\Srv");
    EmptyFolder("C:\\Other");
    CreateDirectoryA("C:\\Other", nullptr);
    for (const auto& [name, bytes] : kServerFiles) WriteFile(std::string(kServerDir) + "\\" + name, bytes);
    SetRegistryValue(kInstallDirKey, kInstallDirValue, kServerDir);
  }
  static void ExpectServerFilesKept() {
    for (const auto& [name, bytes] : kServerFiles)
      EXPECT_EQ(ReadFile(std::string(kServerDir) + "\\" + name), bytes) << name;
  }
};

TEST_F(PackageTest, InstallsUpgradesAndRemovesOnlyItsOwnPrograms) {
  ASSERT_EQ(Msiexec("/i", false), 0u);
  EXPECT_EQ(InstalledVersions(), std::vector<std::string>{NFS_VERSION});
  for (const char* program : kPrograms)
    EXPECT_EQ(FileVersionOf(std::string(kServerDir) + "\\" + program), NFS_VERSION ".0") << program;
  EXPECT_TRUE(HasStartMenuShortcut());
  ExpectServerFilesKept();

  // The next version replaces this one in place.
  ASSERT_EQ(Msiexec("/i", true), 0u);
  EXPECT_EQ(InstalledVersions(), std::vector<std::string>{NFS_NEXT_VERSION});
  for (const char* program : kPrograms) EXPECT_TRUE(Exists(std::string(kServerDir) + "\\" + program)) << program;
  EXPECT_TRUE(HasStartMenuShortcut());
  ExpectServerFilesKept();

  ASSERT_EQ(Msiexec("/x", true), 0u);
  EXPECT_TRUE(InstalledVersions().empty());
  for (const char* program : kPrograms) EXPECT_FALSE(Exists(std::string(kServerDir) + "\\" + program)) << program;
  EXPECT_FALSE(HasStartMenuShortcut());
  ExpectServerFilesKept();
}

TEST_F(PackageTest, InstallsWhereInstalldirSaysAndRefusesWithoutADirectory) {
  ASSERT_EQ(Msiexec("/i", false, {"INSTALLDIR=C:\\Other\\"}), 0u);
  for (const char* program : kPrograms) {
    EXPECT_TRUE(Exists(std::string("C:\\Other\\") + program)) << program;
    EXPECT_FALSE(Exists(std::string(kServerDir) + "\\" + program)) << program;
  }
  ASSERT_EQ(Msiexec("/x", false), 0u);
  EXPECT_FALSE(Exists("C:\\Other\\nfsadmin.exe"));

  // Neither the server's registry value nor INSTALLDIR: nothing is installed.
  DeleteRegistryKey(kInstallDirKey);
  EXPECT_NE(Msiexec("/i", false), 0u);
  EXPECT_TRUE(InstalledVersions().empty());
  EXPECT_FALSE(HasStartMenuShortcut());
}

}  // namespace

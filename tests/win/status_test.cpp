// The client sheet of command 104 and the server options of command 105 on a
// test installation: the service's files read back byte for byte, its registry
// values read back with their types.
#include <windows.h>
#include <commctrl.h>

#include <limits>

#include "framework/Messages.h"
#include "portable/SharedWithService.h"
#include "portable/VersionStore.h"
#include "resources/resource.h"
#include "status/LockLine.h"
#include "status/LockRecord.h"
#include "tests/common/EmptyFolder.h"
#include "tests/win/ConsoleFixture.h"

namespace {

using namespace std::literals;

class StatusTest : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    SetRegistryValue(kInstallDirKey, kInstallDirValue, kInstallDir);
    DeleteRegistryKey(kServiceKey);
    StartConsole();
  }
  void TearDown() override {
    ConsoleTest::TearDown();
    DeleteRegistryKey(kInstallDirKey);
  }
  static std::string File(const char* name) { return std::string(kInstallDir) + "\\" + name; }
  // The history's versions, oldest first: file, program and action of each.
  static std::vector<std::string> History() {
    std::vector<std::string> versions;
    for (const Version& version : VersionStore(File("history")).List())
      versions.insert(versions.begin(), version.file + " " + version.origin.program + " " + version.origin.action);
    return versions;
  }
  // Opens the sheet with command 104, runs look on one of its pages, closes it with OK.
  void OnPage(int index, std::function<void(HWND page)> look) {
    Expect(IDOK, [this, index, look](HWND sheet) {
      PropSheet_SetCurSel(sheet, nullptr, index);
      look(PropSheet_GetCurrentPageHwnd(sheet));
    });
    Command(ID_CLIENTS);
  }
};

TEST_F(StatusTest, TheClientSheetClearsTheMountListAfterYesAndRemovesLocks) {
  const std::string kClearQuestion =
      "You have to make sure that no client is mounting this server before you go on  with this command "
      ". \nClearing the mount list can not stop the active connection.\n\nAre you sure you want to clear "
      "it ?";
  const std::string mounts = "pc7 /a\npc8 /b\r\n\0pc9"s;
  WriteFile(File(kMountListFileName), mounts);
  for (int answer : {IDNO, IDYES}) {
    OnPage(0, [&](HWND page) {
      EXPECT_EQ(Text(page, IDC_MOUNTED_CLIENTS), "pc7 /a\r\npc8 /b\r\n");
      ExpectMessage(kClearQuestion, answer);
      Press(page, IDC_CLEAR_ALL);
      EXPECT_EQ(Text(page, IDC_MOUNTED_CLIENTS).empty(), answer == IDYES);
    });
    EXPECT_EQ(ReadFile(File(kMountListFileName)), answer == IDYES ? "" : mounts);
  }
  // Remove appends the unlock record of a line that gives back its lock.
  const std::string locks = EncodeLockRecord({"workstation12", "/export/home/ann", "opaque", 7, 1, 2}) +
                            EncodeLockRecord({"pc7", "/export/notes01", "x", 412, 0, 100}) +
                            EncodeLockRecord({"pc7", "/export/a:b", "", 1, 2, 3}) + "1234567";
  WriteFile(File(kLockFileName), locks);
  OnPage(1, [&](HWND page) {
    const auto remove = [page](const std::string& line) {
      Pick(page, IDC_LOCK_LIST, line);
      Press(page, IDC_REMOVE_LOCK);
    };
    ExpectMessage("No locks is selected, try again !");
    remove("");
    ExpectMessage(
        "This lock cannot be removed from here: its line does not give back the lock exactly (a name "
        "holding a colon, or a line cut to fit the list). No unlock request was written.");
    remove("pc7:/export/a:b:1:2:3");
    remove("pc7:/export/notes01:412:0:100");
    remove("workstation12:/export/home/ann:7:1:2");
    // 4+3, 4+15, 4+20 bytes (the line's first 20 with its two colons zeroed), 4, 8, 8; then the next.
    EXPECT_EQ(ReadFile(File(kUnlockFileName)).value_or("").substr(0, 87),
              "\x03\0\0\0pc7\x0f\0\0\0/export/notes01\x14\0\0\0pc7\0/export/notes01\0"
              "\x9c\x01\0\0\0\0\0\0\0\0\0\0\x64\0\0\0\0\0\0\0\x0d\0\0\0workstation12"s);
    EXPECT_EQ(Items(page, IDC_LOCK_LIST).size(), 1u);
  });
  EXPECT_EQ(ReadFile(File(kLockFileName)), locks);
  // The clear after Yes and each request appended are kept, with the command.
  EXPECT_EQ(History(), (std::vector<std::string>{"mountd.list console Clients Information: Clear All",
                                                 "Unlock.NLM console Clients Information: Remove",
                                                 "Unlock.NLM console Clients Information: Remove"}));

  // A history that cannot be written: the list is cleared all the same, and the
  // administrator told so once.
  EmptyFolder(File("history"));
  RemoveDirectoryA(File("history").c_str());
  WriteFile(File("history"), "in the way");
  WriteFile(File(kMountListFileName), "pc7 /a\r\n");
  OnPage(0, [&](HWND page) {
    ExpectMessage(kClearQuestion, IDYES);
    ExpectMessage(
        "The change was saved, but no version of it was kept in the history folder of the install directory, so it "
        "cannot be listed or restored later:\n\nno version of C:\\nfs-test\\mountd.list was kept: "
        "C:\\nfs-test\\history is not a folder");
    Press(page, IDC_CLEAR_ALL);
  });
  EXPECT_EQ(ReadFile(File(kMountListFileName)), "");
}

// When the file cannot be written, nothing on the page says it was: the mount
// list keeps its lines and a lock its line, and a message says why. A lock whose
// numbers an unlock request cannot carry is refused before anything is written.
TEST_F(StatusTest, FailedWritesKeepTheLinesAndSayWhy) {
  const std::string mounts = File(kMountListFileName);
  WriteFile(mounts, "pc7 /a\r\n");
  OnPage(0, [&](HWND page) {
    // The service holds the file open without sharing it.
    const HANDLE held = CreateFileA(mounts.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ExpectMessage(LoadResString(IDS_CLEAR_MOUNT_LIST), IDYES);
    ExpectMessage("mountd.list in the install directory could not be emptied, so the list of mounted clients is "
                  "unchanged.");
    Press(page, IDC_CLEAR_ALL);
    CloseHandle(held);
    EXPECT_EQ(Text(page, IDC_MOUNTED_CLIENTS), "pc7 /a\r\n");
  });
  EXPECT_EQ(ReadFile(mounts), "pc7 /a\r\n");

  // A path too long for the list: its line, cut, would ask to unlock another file.
  const std::string path = "/" + std::string(600, 'p');
  const LockRecord longPath{"pc9", path, "", 1, 2, 3};
  WriteFile(File(kLockFileName), EncodeLockRecord({"pc7", "/export/notes01", "x", 412, 0, 100}) +
                                     EncodeLockRecord({"pc8", "/big", "", 1, (int64_t{1} << 32) + 5,
                                                       std::numeric_limits<int64_t>::max()}) +
                                     EncodeLockRecord(longPath));
  CreateDirectoryA(File(kUnlockFileName).c_str(), nullptr);
  OnPage(1, [&](HWND page) {
    ExpectMessage(
        "This lock cannot be removed from here: its numbers do not fit the 32 bits of an unlock request, which "
        "would name another lock. No unlock request was written.");
    Pick(page, IDC_LOCK_LIST, "pc8:/big:1:5:-1");
    Press(page, IDC_REMOVE_LOCK);
    ExpectMessage(
        "This lock cannot be removed from here: its line does not give back the lock exactly (a name "
        "holding a colon, or a line cut to fit the list). No unlock request was written.");
    Pick(page, IDC_LOCK_LIST, FormatLockLine(longPath));
    Press(page, IDC_REMOVE_LOCK);
    ExpectMessage(
        "The unlock request could not be written to Unlock.NLM in the install directory, so the lock is still "
        "held; it stays in the list. Unlock.NLM is left as it was.");
    Pick(page, IDC_LOCK_LIST, "pc7:/export/notes01:412:0:100");
    Press(page, IDC_REMOVE_LOCK);
    EXPECT_EQ(Items(page, IDC_LOCK_LIST).size(), 3u);
  });
  RemoveDirectoryA(File(kUnlockFileName).c_str());
}

// A value as stored: its type and bytes; none when it or its key is missing.
std::string Stored(const char* name) {
  DWORD type = 0, size = 16;
  std::string bytes(size, '\0');
  if (RegGetValueA(HKEY_LOCAL_MACHINE, kServiceKey, name, RRF_RT_ANY, &type, bytes.data(), &size))
    return "none";
  return std::to_string(type) + ":" + bytes.substr(0, size);
}

std::string Dword(uint32_t value) { return std::string(reinterpret_cast<const char*>(&value), 4); }

TEST_F(StatusTest, ServerOptionsShowWhatIsStoredAndOnlyOkWritesAllFiveBack) {
  const char* const names[] = {kSupportNfs3Value, kSupportPcnfsdValue, kSupportNlmValue, kMaximumReadValue,
                               kMaximumWriteValue};
  const struct {
    std::vector<std::pair<DWORD, std::string>> stored;  // in the order of names; none: no key
    std::string shown;                                  // the three boxes (1: checked), the two sizes
    std::vector<uint32_t> written;                      // none: nothing written
  } cases[] = {
      {{}, "111 default default", {}},
      // Another type or size counts as missing; the sizes as the size table clamps them.
      {{{4, Dword(0)}, {REG_BINARY, Dword(0)}, {4, Dword(7)}, {4, Dword(100)}, {4, "\x08\0"s}},
       "011 64 default",
       {0, 1, 1, 64, 0}},
  };
  for (const auto& c : cases) {
    DeleteRegistryKey(kServiceKey);
    for (size_t i = 0; i < c.stored.size(); ++i)
      SetRegistryValue(kServiceKey, names[i], c.stored[i].second, c.stored[i].first);
    // Cancel never writes, whatever was changed.
    for (int button : {IDCANCEL, IDOK}) {
      Expect(button, [&](HWND dialog) {
        std::string shown;
        for (int id : {IDC_SUPPORT_NFS3, IDC_ENABLE_PCNFSD, IDC_ENABLE_NLM})
          shown += Checked(dialog, id) ? "1" : "0";
        EXPECT_EQ(shown + " " + Text(dialog, IDC_MAX_READ) + " " + Text(dialog, IDC_MAX_WRITE), c.shown);
        if (button == IDCANCEL) Click(dialog, IDC_ENABLE_NLM);
      });
      Command(ID_SERVER_OPTIONS);
      for (size_t i = 0; i < 5; ++i) {
        const bool written = button == IDOK && !c.written.empty();
        EXPECT_EQ(Stored(names[i]), written ? "4:" + Dword(c.written[i])
                                    : i < c.stored.size()
                                        ? std::to_string(c.stored[i].first) + ":" + c.stored[i].second
                                        : "none")
            << names[i];
      }
    }
  }
  // Only the OK that wrote is kept.
  EXPECT_EQ(History(), (std::vector<std::string>{"options console Server Options: OK"}));
}

}  // namespace

// Under a double-byte ANSI code page (932, from this program's locale): names
// whose second byte is 0x5C, the backslash, stay whole characters when the list
// sorts them, when the editor shows and stores them, and in the rewritten file.
#include "portable/SharedWithService.h"
#include "resources/resource.h"
#include "tests/win/ConsoleFixture.h"

namespace {

// 0x81 0x40 is one character above the single-byte 0xB1, though its first byte
// is below it; 0x95 0x5C ends in a trail byte that looks like a backslash.
const std::string kWide = "\x81\x40", kNarrow = "\xb1", kTrailBackslash = "\x95\x5c";

TEST_F(ConsoleTest, DoubleByteNamesAreSortedShownAndStoredWhole) {
  ASSERT_EQ(GetACP(), 932u) << "run with LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8";
  const std::string last = "c:\\" + kTrailBackslash + " h" + kTrailBackslash + ";0 \r\n";
  WriteFile(InstallPath(kExportsFileName), last + "c:\\" + kWide + ";0 \r\nc:\\" + kNarrow + ";0 \r\n");
  StartConsole();
  ASSERT_EQ(List().GetCount(), 3);
  EXPECT_EQ(List().RecordAt(0)->path + List().RecordAt(1)->path, "\\" + kNarrow + "\\" + kWide);
  // The editor shows the path without losing its last byte for a trailing backslash.
  Expect(IDOK, [](HWND dialog) {
    EXPECT_EQ(Text(dialog, IDC_PATH), "\\" + kTrailBackslash);
    EXPECT_EQ(Text(dialog, IDC_CLIENTS_TEXT), "h" + kTrailBackslash);
  });
  Expect(IDOK, [](HWND) {});
  List().SetCurSel(2);
  Command(ID_EXPORT_EDIT);
  EXPECT_EQ(ReadFile(InstallPath(kExportsFileName)),
            "c:\\" + kNarrow + ";0 \r\nc:\\" + kWide + ";0 \r\n" + last);
}

}  // namespace

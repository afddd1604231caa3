#pragma once
// The mapping sheet opened through command 103 of an in-process console, on the
// real passwd and group files of the test's prefix.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/win/ConsoleFixture.h"

inline constexpr char kEnterInteger[] = "Please enter an integer.";
inline constexpr char kNoAccountSelected[] = "No account is selected !";
inline constexpr char kMappingExists[] = "The mapping for this account already exists, remove it before mapping !";

class MappingSheetTest : public ConsoleTest {
 protected:
  void SetUp() override;

  // Opens the sheet and runs step in it; the message boxes with the texts given
  // are expected, in that order, while it runs. Returns once the sheet is closed.
  void RunSheet(std::function<void(HWND sheet)> step, const std::vector<std::string>& messages = {});
  // The same in two parts, for boxes that show up before the sheet: the sheet's
  // step is scripted, then command 103 opens it.
  void ScriptSheet(std::function<void(HWND sheet)> step);
  void OpenSheet();

  const std::string passwd_ = SystemFile("passwd");
  const std::string group_ = SystemFile("group");

 private:
  static std::string SystemFile(const char* name);
};

// The page that the sheet shows, and its index.
HWND CurrentPage(HWND sheet);
int CurrentPageIndex(HWND sheet);
// Asks the sheet for another page, as a click on its tab does.
void ChoosePage(HWND sheet, int index);
// The label of a tab.
std::string TabLabel(HWND sheet, int index);

// Picks account in the account list (none for an empty name), puts id into the
// ID edit and clicks Add.
void AddMapping(HWND page, const std::string& account, const std::string& id);
// Picks the line in the mapping list (none for an empty line) and clicks Remove.
void RemoveMapping(HWND page, const std::string& line);
// The ID edit of either page.
int IdEdit(HWND page);

std::vector<std::string> Sorted(std::vector<std::string> items);

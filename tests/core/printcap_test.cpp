#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "printing/PrintcapFile.h"
#include "printing/PrintcapLine.h"
#include "printing/PrinterExportTable.h"
#include "printing/PrinterRow.h"
#include "printing/PrinterSelection.h"
#include "printing/PrintingErrors.h"
#include "printing/ProfileDevice.h"

namespace {

const WindowsPrinter kPrinter{"HP DeskJet", "DJ 500", "Ne00:"};
const DefaultPrinterSource kDefault = [] { return kPrinter; };
const DefaultPrinterSource kNoDefault = [] { return WindowsPrinter{}; };

// Each line read as name|status|useDefault|driver|device|port|extra, and written back.
TEST(PrintcapLine, FieldsAndTheLineWrittenBack) {
  const struct {
    const char *line, *read, *written;
  } cases[] = {
      {"lp,HP LaserJet 4,HP4,LPT1:", "lp|Ready|0|HP LaserJet 4|HP4|LPT1:|", "lp,HP LaserJet 4,HP4,LPT1:,\r\n"},
      {"lp,default,Other,COM2:,x,y", "lp|Ready|1|HP DeskJet|DJ 500|Ne00:|x,y", "lp,default,DJ 500,Ne00:,x,y\r\n"},
      // Runs of commas are one separator; the extra field keeps its own.
      {",,lp,drv,dev,port,,e,", "lp|Ready|0|drv|dev|port|,e,", "lp,drv,dev,port,,e,\r\n"},
      {"Default,DEFAULT,d,p,", "Default|Ready|0|DEFAULT|d|p|", "Default,DEFAULT,d,p,\r\n"},
  };
  for (const auto& c : cases) {
    PrinterExport e;
    ASSERT_TRUE(ParsePrintcapLine(c.line, kDefault, e)) << c.line;
    EXPECT_EQ(e.name + "|" + e.status + "|" + std::to_string(e.useDefault) + "|" + e.driver + "|" + e.device + "|" +
                  e.port + "|" + e.extra,
              c.read);
    EXPECT_EQ(FormatPrintcapLine(e), c.written);
  }
  PrinterExport unread;
  for (const char* incomplete : {"", ",,,,", "lp,drv,dev", "lp,,,drv,,dev,", "lp,default,x"})
    EXPECT_FALSE(ParsePrintcapLine(incomplete, kDefault, unread)) << incomplete;
  // What the printer dialog lets into a field: nothing a line would split at.
  for (const char* field : {"", "a,b", "a\tb", "a\r\n"}) EXPECT_FALSE(IsPrintcapField(field)) << field;
  EXPECT_TRUE(IsPrintcapField("\\\\server\\HP LaserJet 4"));
}

// A file read, then written back as the console would save it.
TEST(PrintcapFile, ReadingStopsAtTheFirstIncompleteLineAndSplitsLongOnes) {
  const std::string head = "a,d,v,p,";
  const struct {
    std::string text;
    int result;
    std::string written;
    int asked;  // times the default printer was asked for
  } cases[] = {
      {"x,d,v,p", 0, "x,d,v,p,\r\n", 0},
      {"a,d1,v1,p1,keep\r\nb,d2,v2,p2\n\nc,d3,v3,p3\n", kErrorPrintcapLine,
       "a,d1,v1,p1,keep\r\nb,d2,v2,p2,\r\n", 0},
      {"a,default,x,y\nb,d,v,p\nc,default,x,y\n", 0, "a,default,dev1,port,\r\nb,d,v,p,\r\nc,default,dev2,port,\r\n", 2},
      // 509 characters and the line end: one line; 510: the line end is left
      // alone as an empty line; longer: the rest is a line of its own.
      {head + std::string(501, 'e') + "\n", 0, head + std::string(501, 'e') + "\r\n", 0},
      {head + std::string(502, 'e') + "\r\nb,d,v,p\n", kErrorPrintcapLine, head + std::string(502, 'e') + "\r\n", 0},
      {head + std::string(502, 'e') + "r,d,v,p\n", 0, head + std::string(502, 'e') + "\r\nr,d,v,p,\r\n", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 60));
    int asked = 0;
    PrinterExportTable table;
    table.Assign({PrinterExport{}});  // reading replaces what was there
    EXPECT_EQ(ReadPrintcapEntries(c.text, [&asked] {
      return WindowsPrinter{"drv", "dev" + std::to_string(++asked), "port"};
    }, table), c.result);
    EXPECT_EQ(FormatPrintcap(table), c.written);
    EXPECT_EQ(asked, c.asked);
  }
  // Without a default printer a "default" entry still reads back, and the entries after it.
  PrinterExportTable table;
  ASSERT_EQ(ReadPrintcapEntries("lp,default,x,y\nnext,d,v,p\n", kNoDefault, table), 0);
  EXPECT_EQ(FormatPrintcap(table), "lp,default,default,default,\r\nnext,d,v,p,\r\n");
  EXPECT_EQ(ReadPrintcapEntries(FormatPrintcap(table), kDefault, table), 0);
  // Nor does a default printer whose device holds a comma shift the extra field.
  ASSERT_EQ(ReadPrintcapEntries("lp,default,x,y,e\n", [] { return WindowsPrinter{"d", "a,b", "p"}; }, table), 0);
  EXPECT_EQ(FormatPrintcap(table), "lp,default,default,p,e\r\n");
}

TEST(PrinterExportTable, StoreRemoveSelectAndFind) {
  PrinterExportTable table;
  ASSERT_EQ(ReadPrintcapEntries("a,d1,v1,p1,x\ndup,d2,v2,p2,y\ndup,d3,v3,p3,z\n",
                         kDefault, table), 0);
  PrinterSelection sel{"", 1, {"nd", "nv", "np"}};

  // Modifying keeps the place, reaches the first of equal names and drops extra.
  EXPECT_EQ(table.Store("dup", "re", sel), 0);
  EXPECT_EQ(table.Store("", "new", sel), 0);
  EXPECT_EQ(table.Store("missing", "m", sel), kErrorEntryToModifyMissing);
  EXPECT_EQ(FormatPrintcap(table), "a,d1,v1,p1,x\r\nre,default,nv,np,\r\ndup,d3,v3,p3,z\r\nnew,default,nv,np,\r\n");

  // Names are found exactly; a miss changes nothing.
  WindowsPrinter found{"keep", "keep", "keep"};
  EXPECT_EQ(table.FindPrinter("Dup", found), -1);
  EXPECT_EQ(table.Select(4, sel), -1);
  EXPECT_EQ(found.device + sel.printer.driver, "keepnd");
  EXPECT_EQ(table.FindPrinter("dup", found), 0);
  EXPECT_EQ(found.device, "v3");
  EXPECT_EQ(table.Select(0, sel), 0);
  EXPECT_EQ(sel.editName + std::to_string(sel.useDefault) + FormatPrinterSelection(sel), "a0v1 on p1");

  EXPECT_EQ(table.Remove(4), kErrorEntryToRemoveMissing);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(table.Remove(0), 0);
  EXPECT_EQ(FormatPrintcap(table), "");
}

TEST(PrinterRow, SeventyColumnsEachValueCutToItsColumn) {
  const struct {
    PrinterExport entry;
    const char* row;
  } cases[] = {
      {{"lp", "Ready", 0, "drv", "HP4", "LPT1:", ""},
       "lp            Ready       HP4                             LPT1:       "},
      // Longer values are cut; the columns between them stay blank.
      {{"a-very-long-export-name", "Ready", 0, "drv", std::string(40, 'd'), "\\\\server\\queue", ""},
       "a-very-long-e Ready       ddddddddddddddddddddddddddddddd \\\\server\\que"},
  };
  for (const auto& c : cases) {
    const std::string row = FormatPrinterRow(c.entry);
    EXPECT_EQ(row.size(), kPrinterRowWidth);
    EXPECT_EQ(row, std::string(c.row).append(kPrinterRowWidth - std::string(c.row).size(), ' '));
  }
}

TEST(DefaultPrinter, ProfileDeviceAndSelectionText) {
  const struct {
    std::string value;
    WindowsPrinter printer;
  } cases[] = {
      {"HP LaserJet 4,winspool,LPT1:", {"winspool", "HP LaserJet 4", "LPT1:"}},
      {",,,", {"", "", ""}},
      {"OnlyDevice", {"", "OnlyDevice", ""}},
      {"dev,drv,\\\\srv\\q,more", {"drv", "dev", "\\\\srv\\q"}},
      {"dev,drv," + std::string(80, 'p'), {"drv", "dev", std::string(71, 'p')}},
  };
  for (const auto& c : cases) {
    const WindowsPrinter p = ParseProfileDevice(c.value);
    EXPECT_EQ(p.driver + "|" + p.device + "|" + p.port, c.printer.driver + "|" + c.printer.device + "|" + c.printer.port);
  }
  // The selection's text is nothing without a default printer.
  EXPECT_EQ(FormatPrinterSelection({"", 1, ParseProfileDevice("")}), "");
}

}  // namespace

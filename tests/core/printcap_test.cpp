#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "tests/core/CoreTestSupport.h"
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

std::vector<std::string> Written(const PrinterExportTable& table) {
  std::vector<std::string> lines;
  for (const PrinterExport& e : table.Entries()) lines.push_back(FormatPrintcapLine(e));
  return lines;
}

TEST(PrintcapLine, FieldsAndTheLineWrittenBack) {
  const struct {
    const char* line;
    int useDefault;
    const char *name, *driver, *device, *port, *extra, *written;
  } cases[] = {
      {"lp,HP LaserJet 4,HP4,LPT1:", 0, "lp", "HP LaserJet 4", "HP4", "LPT1:", "",
       "lp,HP LaserJet 4,HP4,LPT1:,\r\n"},
      {"lp,default,Other,COM2:,x,y", 1, "lp", "HP DeskJet", "DJ 500", "Ne00:", "x,y",
       "lp,default,DJ 500,Ne00:,x,y\r\n"},
      // Runs of commas are one separator; the extra field keeps its own.
      {"lp,,drv,,,dev,port", 0, "lp", "drv", "dev", "port", "", "lp,drv,dev,port,\r\n"},
      {",,lp,drv,dev,port,,e,", 0, "lp", "drv", "dev", "port", ",e,", "lp,drv,dev,port,,e,\r\n"},
      {"Default,DEFAULT,d,p,", 0, "Default", "DEFAULT", "d", "p", "", "Default,DEFAULT,d,p,\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const auto entry = ParsePrintcapLine(c.line, kDefault);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->name, c.name);
    EXPECT_EQ(entry->status, "Ready");
    EXPECT_EQ(entry->useDefault, c.useDefault);
    EXPECT_EQ(entry->driver, c.driver);
    EXPECT_EQ(entry->device, c.device);
    EXPECT_EQ(entry->port, c.port);
    EXPECT_EQ(entry->extra, c.extra);
    EXPECT_EQ(FormatPrintcapLine(*entry), c.written);
  }
  for (const char* incomplete : {"", ",,,,", "lp,drv,dev", "lp,,,drv,,dev,", "lp,default,x"})
    EXPECT_FALSE(ParsePrintcapLine(incomplete, kDefault)) << incomplete;
}

TEST(PrintcapFile, ReadingStopsAtTheFirstIncompleteLine) {
  PrinterExportTable table;
  table.Append({});  // reading replaces what was there
  UniqueFile f = FileWith("a,d1,v1,p1,keep\r\nb,d2,v2,p2\n\nc,d3,v3,p3\n");
  EXPECT_EQ(ReadPrintcapEntries(f.get(), kDefault, table), kErrorPrintcapLine);
  EXPECT_EQ(Written(table),
            (std::vector<std::string>{"a,d1,v1,p1,keep\r\n", "b,d2,v2,p2,\r\n"}));

  EXPECT_EQ(ReadPrintcapEntries(FileWith("").get(), kDefault, table), 0);
  EXPECT_TRUE(table.Entries().empty());
  EXPECT_EQ(ReadPrintcapEntries(FileWith("x,d,v,p").get(), kDefault, table), 0);
  EXPECT_EQ(table.Entries().size(), 1u);
}

TEST(PrintcapFile, LongLinesAreSplitAfter510Characters) {
  PrinterExportTable table;
  // 509 characters and the line end: one line.
  const std::string head = "a,d,v,p,";
  UniqueFile f = FileWith(head + std::string(501, 'e') + "\n");
  EXPECT_EQ(ReadPrintcapEntries(f.get(), kDefault, table), 0);
  EXPECT_EQ(table.Entries().at(0).extra.size(), 501u);
  // 510: the line end is left alone as an empty line.
  f = FileWith(head + std::string(502, 'e') + "\r\nb,d,v,p\n");
  EXPECT_EQ(ReadPrintcapEntries(f.get(), kDefault, table), kErrorPrintcapLine);
  EXPECT_EQ(table.Entries().size(), 1u);
  // The rest of a longer line is read as a line of its own.
  f = FileWith(head + std::string(502, 'e') + "r,d,v,p\n");
  EXPECT_EQ(ReadPrintcapEntries(f.get(), kDefault, table), 0);
  ASSERT_EQ(table.Entries().size(), 2u);
  EXPECT_EQ(table.Entries()[1].name, "r");
}

TEST(PrintcapFile, DefaultEntryWithoutADefaultPrinterDoesNotReadBack) {
  PrinterExportTable table;
  ASSERT_EQ(ReadPrintcapEntries(FileWith("lp,default,x,y\nnext,d,v,p\n").get(), kNoDefault, table), 0);
  EXPECT_EQ(FormatPrintcap(table), "lp,default,,,\r\nnext,d,v,p,\r\n");
  EXPECT_EQ(ReadPrintcapEntries(FileWith(FormatPrintcap(table)).get(), kDefault, table),
            kErrorPrintcapLine);
  EXPECT_TRUE(table.Entries().empty());
}

TEST(PrintcapFile, AsksForTheDefaultPrinterAtEachDefaultLine) {
  int asked = 0;
  const DefaultPrinterSource counting = [&asked] {
    ++asked;
    return WindowsPrinter{"drv", "dev" + std::to_string(asked), "port"};
  };
  PrinterExportTable table;
  ASSERT_EQ(ReadPrintcapEntries(FileWith("a,default,x,y\nb,d,v,p\nc,default,x,y\n").get(), counting,
                                table), 0);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(FormatPrintcap(table), "a,default,dev1,port,\r\nb,d,v,p,\r\nc,default,dev2,port,\r\n");
}

TEST(PrinterExportTable, StoreRemoveSelectAndFind) {
  PrinterExportTable table;
  ASSERT_EQ(ReadPrintcapEntries(FileWith("a,d1,v1,p1,x\ndup,d2,v2,p2,y\ndup,d3,v3,p3,z\n").get(),
                         kDefault, table), 0);
  PrinterSelection sel{"", 1, {"nd", "nv", "np"}};

  // Modifying keeps the place, reaches the first of equal names and drops extra.
  EXPECT_EQ(table.Store("dup", "re", sel), 0);
  EXPECT_EQ(table.Store("", "new", sel), 0);
  EXPECT_EQ(table.Store("missing", "m", sel), kErrorEntryToModifyMissing);
  EXPECT_EQ(Written(table), (std::vector<std::string>{"a,d1,v1,p1,x\r\n", "re,default,nv,np,\r\n",
                                                      "dup,d3,v3,p3,z\r\n", "new,default,nv,np,\r\n"}));

  WindowsPrinter found{"keep", "keep", "keep"};
  EXPECT_EQ(table.FindPrinter("Dup", found), -1);
  EXPECT_EQ(found.driver, "keep");
  EXPECT_EQ(table.FindPrinter("dup", found), 0);
  EXPECT_EQ(found.device, "v3");

  EXPECT_EQ(table.Select(4, sel), -1);
  EXPECT_EQ(sel.printer.driver, "nd");
  EXPECT_EQ(table.Select(0, sel), 0);
  EXPECT_EQ(sel.editName, "a");
  EXPECT_EQ(sel.useDefault, 0);
  EXPECT_EQ(FormatPrinterSelection(sel), "v1 on p1");

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
      {{"", "", 0, "", "", "", ""}, ""},
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
      {"", {"", "", ""}},
      {"OnlyDevice", {"", "OnlyDevice", ""}},
      {"dev,drv,\\\\srv\\q,more", {"drv", "dev", "\\\\srv\\q"}},
      {"dev,drv," + std::string(80, 'p'), {"drv", "dev", std::string(71, 'p')}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    const WindowsPrinter p = ParseProfileDevice(c.value);
    EXPECT_EQ(p.driver, c.printer.driver);
    EXPECT_EQ(p.device, c.printer.device);
    EXPECT_EQ(p.port, c.printer.port);
  }
  // The selection's text: "<device> on <port>", nothing without a default printer.
  EXPECT_EQ(FormatPrinterSelection({"", 1, ParseProfileDevice("HP LaserJet 4,winspool,LPT1:")}),
            "HP LaserJet 4 on LPT1:");
  EXPECT_EQ(FormatPrinterSelection({"", 1, ParseProfileDevice("")}), "");
}

}  // namespace

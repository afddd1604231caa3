// What nfsctl check says of each file: every kind of finding on its line, and
// nothing for files the console reads as written.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "exports/ExportLineGrammar.h"
#include "status/LockRecord.h"
#include "tools/nfsctl/ExportAccess.h"
#include "tools/nfsctl/ExportsCheck.h"
#include "tools/nfsctl/LockFileCheck.h"
#include "tools/nfsctl/MappingCheck.h"
#include "tools/nfsctl/PrintcapCheck.h"
#include "tools/nfsctl/SpoolCheck.h"

namespace {

using Check = std::function<std::vector<Finding>(const std::string& bytes)>;

TEST(NfsctlCheck, EachKindOfFindingOnItsLine) {
  const Check exports = [](const std::string& b) { return CheckExportsFile("exports", b); };
  const Check passwd = [](const std::string& b) { return CheckMappingFile("passwd", b, "passwd", "UID"); };
  const Check printcap = [](const std::string& b) { return CheckPrintcapFile("printcap", b, {}); };
  const Check locks = [](const std::string& b) { return CheckLockFile("Lock.NLM", b); };
  std::string hosts;
  for (int i = 0; i < 550; ++i) hosts += " h";
  const struct {
    const Check& check;
    std::string bytes;
    std::string found;  // kind@line of each finding, blank-separated
  } cases[] = {
      {exports, "c:\\ok;0 \r\nnopath\r\nc:\\x:y;0 \r\n# lab\r\nc:\\x;5 \r\n",
       "exports.skipped@2 exports.skipped@3 exports.comment@4 exports.mode@5"},
      {exports, "c:\\" + std::string(200, 'x') + ";0 \r\nc:\\a;0 \r\nC:\\A\\ h;1 \r\nc:\\a" + hosts + ";0\r\n",
       "exports.token-cut@1 exports.duplicate@3 exports.line-split@4 exports.duplicate@4 exports.skipped@4"},
      {exports, "c:\\a;0 \r\nd:\\b alpha beta;2 alpha\r\n", ""},
      {exports, "c:\\a;0 \r\n\x1a\r\nc:\\b;0 \r\n", "exports.end-mark@2"},
      {passwd, "a::1\r\nb::1\r\na::2\r\nroot:x:0:0::/:/bin/sh\r\n:x:6\r\n\r\nb::2:::: \r\n",
       "passwd.duplicate-id@2 passwd.duplicate-name@3 passwd.id-zero@4 passwd.no-name@5 passwd.empty-line@6"},
      {passwd, "g::5\r\nh::6:" + std::string(300, 'm') + "\r\n", "passwd.line-split@2"},
      {passwd, "alice::500:::: \r\n\r\n", ""},
      // IDs compare as numbers, as the service reads them.
      {passwd,
       "bob::0501\r\ncarol::501\r\nd:: 502\r\ne::502\r\nf::+503\r\ng::503\r\nh::abc\r\ni::99999999999\r\n",
       "passwd.duplicate-id@2 passwd.duplicate-id@4 passwd.duplicate-id@6 passwd.bad-id@7 passwd.bad-id@8"},
      // Nothing after the mark is read, so nothing there is a duplicate.
      {passwd, "a::1\r\n\x1a\r\na::1\r\n", "passwd.end-mark@2"},
      {passwd, "a::1\r\n\x1a", ""},
      {printcap, "a,b,c,d,\r\na,e,f,g,\r\np,default,x,y,\r\nbad\r\nz,y,x,w,\r\n",
       "printcap.duplicate-name@2 printcap.default-without-printer@3 printcap.unreadable@4"},
      {locks, EncodeLockRecord({"pc7", "/export", "", 1, 2, 3}) + "abc", "locks.truncated-tail@0"},
      {locks, EncodeLockRecord({"pc7", "/export", "", 1, 2, 3}), ""},
  };
  for (const auto& c : cases) {
    std::string found;
    for (const Finding& f : c.check(c.bytes))
      found += (found.empty() ? "" : " ") + f.kind + "@" + std::to_string(f.line);
    EXPECT_EQ(found, c.found) << c.bytes.substr(0, 60);
  }

  std::string found;
  for (const Finding& f : CheckSpoolFiles("S", {"cfA001.nfs", "cfB001.nfs", "dfC001", "cf0123456789.nfs", "dfD1", "cfD.nfs"},
                                          {{"cfA001.nfs", "..\\boot.ini"}, {"cfB001.nfs", "dfB001"}, {"cfD.nfs", "dfD1"}}))
    found += f.kind + " ";
  EXPECT_EQ(found, "spool.unsafe-data-file spool.missing-data-file spool.orphan-data-file spool.long-control-name ");
}

// Names compare without regard to case; the R/W list counts in mode 2 only.
TEST(NfsctlAccess, WhatEachExportGrantsAHost) {
  const char* lines[] = {"c:\\all;1 ", "c:\\named alpha Beta;0 ", "c:\\rw alpha beta;2 BETA", "c:\\ro;0 alpha"};
  const struct {
    const char* host;
    std::string granted;  // per export: - none, r read only, w read-write
  } cases[] = {{"ALPHA", "wrrr"}, {"beta", "wrwr"}, {"gamma", "w--r"}};
  for (const auto& c : cases) {
    std::string granted;
    for (const char* line : lines) {
      ExportEntry entry;
      ParseExportLine(line, kStartupScanLimit, entry);
      const ExportAccess access = AccessFor(entry, c.host);
      granted += !access.mountable ? '-' : access.readWrite ? 'w' : 'r';
    }
    EXPECT_EQ(granted, c.granted) << c.host;
  }
}

}  // namespace

// The desired-state document: what it refuses, named by its place in the
// document, and how its entries are merged into the files.
#include <gtest/gtest.h>

#include "tools/nfsctl/DesiredState.h"
#include "tools/nfsctl/StateMerge.h"

namespace {

// ASCII stands for the code page: any other byte has no counterpart.
std::optional<std::string> AsciiOnly(const std::string& utf8) {
  for (char c : utf8)
    if (static_cast<unsigned char>(c) > 0x7f) return std::nullopt;
  return utf8;
}

std::string Document(const std::string& parts) {
  return R"({"schema": "nfs-server-state", "version": 1)" + (parts.empty() ? "" : ", " + parts) + "}";
}

TEST(DesiredState, RefusesTheFirstBadValueByItsPlace) {
  const std::string good = R"("exports": [{"directory": "c:\\public", "all_clients": true, "mode": 0}])";
  struct Case {
    std::string document;
    const char* where;  // "": taken
  };
  const Case cases[] = {
      {Document(good + R"(, "users": [{"name": "alice", "uid": 500}], "options": {"nfs3": false, "read": 32},
                   "printers": [{"name": "laser", "driver": "HP", "device": "HP 4", "port": "LPT1:", "extra": "a,b"},
                                {"name": "lp", "follows_default": true}])"), ""},
      {Document(R"("exports": [{"directory": "d:/data/", "all_clients": false, "clients": ["alpha"], "mode": 2,
                                "rw_list": ["alpha"]}])"), ""},
      {"{", ""},  // not JSON: refused as a whole
      {Document(R"("printer": [])"), "printer"},
      {R"({"schema": "nfs-server-state", "version": 2})", "version"},
      {Document(R"("exports": [{"directory": "c:\\a", "all_clients": true, "mode": 0, "access": "x"}])"),
       "exports[0].access"},
      {Document(R"("exports": [{"directory": "c:\\a", "all_clients": true, "mode": "1"}])"), "exports[0].mode"},
      {Document(R"("exports": [{"directory": "c:\\a", "all_clients": true, "mode": 3}])"), "exports[0].mode"},
      {Document(R"("exports": [{"directory": "c:\\a", "all_clients": false, "mode": 0}])"), "exports[0].clients"},
      {Document(R"("exports": [{"directory": "c:\\a", "all_clients": false, "clients": ["a b"], "mode": 0}])"),
       "exports[0].clients[0]"},
      {Document(R"("exports": [{"directory": "public", "all_clients": true, "mode": 0}])"), "exports[0].directory"},
      {Document(R"("exports": [{"directory": "c:\\public", "all_clients": true, "mode": 0},
                               {"directory": "C:/Public/", "all_clients": true, "mode": 1}])"),
       "exports[1].directory"},
      {Document(R"("users": [{"name": "al:ice", "uid": 500}])"), "users[0].name"},
      {Document(R"("users": [{"name": "al\u00e9", "uid": 500}])"), "users[0].name"},
      {Document(R"("users": [{"name": "alice", "uid": 500}, {"name": "bob", "uid": 500}])"), "users[1].uid"},
      {Document(R"("groups": [{"name": "staff", "gid": 20}, {"name": "staff", "gid": 21}])"), "groups[1].name"},
      {Document(R"("groups": [{"name": "staff", "gid": 4294967296}])"), "groups[0].gid"},
      {Document(R"("groups": [{"name": "staff", "gid": 2.5}])"), "groups[0].gid"},
      {Document(R"("users": [{"name": "alice"}])"), "users[0].uid"},
      {Document(R"("printers": [{"name": "lp.1", "follows_default": true}])"), "printers[0].name"},
      {Document(R"("printers": [{"name": "lp", "follows_default": true, "port": "LPT1:"}])"), "printers[0].port"},
      {Document(R"("printers": [{"name": "lp", "driver": "HP", "device": "HP 4"}])"), "printers[0].port"},
      {Document(R"("printers": [{"name": "lp", "driver": "HP", "device": "HP,4", "port": "LPT1:"}])"),
       "printers[0].device"},
      {Document(R"("printers": [{"name": "lp", "follows_default": true, "extra": "a\r\nb"}])"), "printers[0].extra"},
      {Document(R"("printers": [{"name": "lp", "follows_default": true, "extra": ")" + std::string(490, 'x') + "\"}]"),
       "printers[0]"},
      {Document(R"("printers": [{"name": "lp", "follows_default": true}, {"name": "lp", "follows_default": true}])"),
       "printers[1].name"},
      {Document(R"("options": {"nfs4": true})"), "options.nfs4"},
      {Document(R"("options": {"nlm": 1})"), "options.nlm"},
      {Document(R"("options": {"write": 33})"), "options.write"},
  };
  for (const Case& c : cases) {
    StateProblem problem;
    const bool taken = ReadDesiredState(c.document, AsciiOnly, problem).has_value();
    EXPECT_EQ(taken, std::string(c.where).empty() && c.document != "{") << c.document;
    EXPECT_EQ(problem.where, c.where) << c.document << ": " << problem.text;
  }
}

std::vector<ExportEntry> Exports(const std::string& list) {
  StateProblem problem;
  return *ReadDesiredState(Document(R"("exports": )" + list), AsciiOnly, problem)->exports;
}

TEST(DesiredState, MergeChangesInPlaceAppendsAndPrunesKeepingOtherLines) {
  const std::string file =
      "# lab\r\nC:/Public  ;0 \r\nd:\\data alpha;1 \r\ne:\\old;0 \r\nd:\\DATA beta;0 \r\n";
  const auto desired = Exports(R"([{"directory": "c:\\public", "all_clients": true, "mode": 0},
      {"directory": "d:\\data", "all_clients": false, "clients": ["alpha", "beta"], "mode": 2, "rw_list": ["beta"]},
      {"directory": "f:\\new", "all_clients": true, "mode": 1}])");
  // c:\public matches as spelled; d:\data changes in its place and its second line
  // goes; e:\old stays unless pruned; f:\new is appended.
  const std::string merged = "# lab\r\nC:/Public  ;0 \r\nd:\\data alpha beta;2 beta\r\ne:\\old;0 \r\nf:\\new;1 \r\n";
  EXPECT_EQ(MergedExportsFile(file, desired, false), merged);
  EXPECT_EQ(MergedExportsFile(merged, desired, false), merged);
  EXPECT_EQ(MergedExportsFile(file, desired, true),
            "# lab\r\nC:/Public  ;0 \r\nd:\\data alpha beta;2 beta\r\nf:\\new;1 \r\n");
  // A last line without its line end gets one before the appended line.
  EXPECT_EQ(MergedExportsFile("e:\\old;0 ", desired, false).substr(0, 11), "e:\\old;0 \r\n");

  const std::vector<CUserInfo> current = {{"alice", "0500"}, {"bob", "501"}, {"carol", "502"}};
  const std::vector<CUserInfo> wanted = {{"alice", "500"}, {"bob", "601"}, {"dave", "503"}};
  StateProblem problem;
  const auto mappings = MergedMappings(current, wanted, false, "users", "uid", problem);
  ASSERT_TRUE(mappings);
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"alice", "0500"}, {"bob", "601"}, {"carol", "502"}, {"dave", "503"}};
  ASSERT_EQ(mappings->size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(std::pair((*mappings)[i].m_strName, (*mappings)[i].m_strId), expected[i]);
  EXPECT_EQ(MergedMappings(current, wanted, true, "users", "uid", problem)->size(), 3u);
  // carol, kept, holds the ID the document gives dave.
  EXPECT_FALSE(MergedMappings(current, {{"dave", "502"}}, false, "users", "uid", problem));
  EXPECT_EQ(problem.where, "users[0].uid");
  EXPECT_TRUE(MergedMappings(current, {{"dave", "502"}}, true, "users", "uid", problem));

  // printcap: a "default" line matches whatever printer it names, and is written
  // with the default printer; laser changes in place keeping its line end, and its
  // second line goes.
  const std::string printcap = "lp,default,x,y,\r\nlaser,R,D,P,keep\nold,R,D,P,\r\nlaser,R,D,P,\r\n";
  const std::vector<PrinterExport> printers = {
      {"lp", "", 1, "", "", "", ""}, {"laser", "", 0, "R2", "D", "P", "keep"}, {"new", "", 1, "", "", "", ""}};
  const std::string printcapMerged = "lp,default,x,y,\r\nlaser,R2,D,P,keep\nold,R,D,P,\r\nnew,default,dev,port,\r\n";
  const WindowsPrinter defaultPrinter{"drv", "dev", "port"}, none;
  EXPECT_EQ(MergedPrintcapFile(printcap, printers, false, defaultPrinter, problem), printcapMerged);
  EXPECT_EQ(MergedPrintcapFile(printcap, printers, true, defaultPrinter, problem),
            "lp,default,x,y,\r\nlaser,R2,D,P,keep\nnew,default,dev,port,\r\n");
  EXPECT_EQ(MergedPrintcapFile(printcapMerged, printers, false, none, problem), printcapMerged);
  EXPECT_FALSE(MergedPrintcapFile(printcap, printers, false, none, problem));
  EXPECT_EQ(problem.where, "printers[2].follows_default");
}

}  // namespace

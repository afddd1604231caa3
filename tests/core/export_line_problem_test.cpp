#include <gtest/gtest.h>

#include <string>

#include "exports/ExportLineGrammar.h"
#include "exports/ExportLineProblem.h"
#include "resources/resource.h"
#include "tests/core/CoreTestSupport.h"

namespace {

TEST(ExportEntryProblem, RefusesWhatTheLineCannotCarry) {
  const std::string name127 = std::string(127, 'h');
  const std::string path127 = "\\" + std::string(126, 'p');
  struct Case {
    ExportEntry entry;
    unsigned stringId;
    std::string subject;
    ExportProblem::Field field;
  };
  const Case cases[] = {
      {Entry('c', "\\pub", "alpha, beta", 2, "alpha beta,gamma"), 0, "", ExportProblem::kLine},
      {Entry('c', ""), IDS_EXPORT_PATH_EMPTY, "", ExportProblem::kPath},
      {Entry('c', "\\proj#1"), IDS_EXPORT_PATH_CHARACTER, "c:\\proj#1", ExportProblem::kPath},
      {Entry('c', "\\d:\\x"), IDS_EXPORT_PATH_CHARACTER, "c:\\d:\\x", ExportProblem::kPath},
      {Entry('c', "\\My Dir"), IDS_NO_SHORT_PATH, "c:\\My Dir", ExportProblem::kPath},
      {Entry('c', path127), 0, "", ExportProblem::kLine},
      {Entry('c', path127 + "p"), IDS_EXPORT_PATH_TOO_LONG, "c:" + path127 + "p", ExportProblem::kPath},
      {Entry('c', "\\pub", "good, bad;1"), IDS_EXPORT_HOST_CHARACTER, "bad;1", ExportProblem::kClients},
      {Entry('c', "\\pub", "a\x1f"), IDS_EXPORT_HOST_CHARACTER, "a\x1f", ExportProblem::kClients},
      {Entry('c', "\\pub", name127), 0, "", ExportProblem::kLine},
      {Entry('c', "\\pub", name127 + "h"), IDS_EXPORT_CLIENTS_TOO_LONG, "", ExportProblem::kClients},
      {Entry('c', "\\pub", "", 2, "alpha;1 beta"), IDS_EXPORT_HOST_CHARACTER, "alpha;1", ExportProblem::kRwList},
      {Entry('c', "\\pub", "", 2, name127), 0, "", ExportProblem::kLine},
      {Entry('c', "\\pub", "", 2, name127 + "h"), IDS_EXPORT_RW_LIST_TOO_LONG, "", ExportProblem::kRwList},
      {Entry('c', "\\pub", "", 3), IDS_EXPORT_MODE, "", ExportProblem::kMode},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry.path + " | " + c.entry.clients + " | " + c.entry.rwList);
    const ExportProblem problem = ExportEntryProblem(c.entry);
    EXPECT_EQ(problem.stringId, c.stringId);
    EXPECT_EQ(problem.subject, c.subject);
    if (problem) {
      EXPECT_EQ(problem.field, c.field);
    }
  }
  // Not to all clients, yet no client named: the line would read back as to all.
  ExportEntry nobody = Entry('c', "\\pub", "x");
  nobody.clients = " , ";
  EXPECT_EQ(ExportEntryProblem(nobody).stringId, IDS_EXPORT_NO_CLIENTS);
  // Clients that the file does not write are not looked at.
  ExportEntry toAll = Entry('c', "\\pub");
  toAll.clients = "x#y";
  EXPECT_FALSE(ExportEntryProblem(toAll));
}

TEST(ExportLineProblem, AcceptsOnlyLinesThatReadBackAsTypedAndNamesWhatWasRefused) {
  const std::string token127(127, 't');
  struct Case {
    std::string line;
    unsigned stringId;
  };
  const Case cases[] = {
      {"c:\\data hosta hostb;2 hostc hostd", 0},
      {"  E:\\Home\t alpha ;1  ", 0},
      {"c:\\" + token127.substr(1) + " " + token127 + ";0", 0},
      {"c:\\mx alpha;x", IDS_EXPORT_MODE},
      {"c:\\mx alpha; 1", IDS_EXPORT_MODE},
      {"c:\\proj#1 alpha;1", IDS_EXPORT_LINE_COMMENT},
      {"c:\\pub " + token127 + "x", IDS_EXPORT_TOKEN_TOO_LONG},
      {"c:\\pub alpha\r\nc:\\evil", IDS_EXPORT_LINE_CONTROL},
      {std::string("c:\\pub\0x", 8), IDS_EXPORT_LINE_CONTROL},
      {"c:\\pub" + std::string(502, ' '), 0},  // 508 characters: read back whole
      {"c:\\pub" + std::string(503, ' '), IDS_EXPORT_LINE_TOO_LONG},
      {"c:\\pub;1 alpha;2 beta", IDS_EXPORT_LINE_SEMICOLONS},
      {"c:\\pub host:z", IDS_EXPORT_LINE_COLON},
      {"", IDS_EXPORT_LINE_NO_PATH},
      {"c:\\pub;1" + token127, IDS_EXPORT_LINE_READ_BACK},  // the mode character is no part of a token
      {"c :\\pub", IDS_EXPORT_LINE_READ_BACK},
      {"c:\\pub " + std::string(64, 'a') + " " + std::string(64, 'b'), IDS_EXPORT_CLIENTS_TOO_LONG},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line.substr(0, 80));
    EXPECT_EQ(ExportLineProblem(c.line).stringId, c.stringId);
  }

  const ExportProblem cut = ExportLineProblem("c:\\" + std::string(300, 'p') + " alpha");
  EXPECT_EQ(cut.subject, "\\" + std::string(39, 'p') + "...");
  EXPECT_EQ(ExportLineProblem("c:\\pub a,b").subject, "c:\\pub ab;0");
}

}  // namespace

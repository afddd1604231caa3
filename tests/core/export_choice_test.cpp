#include <gtest/gtest.h>

#include "exports/ExportChoice.h"

namespace {

TEST(ExportChoice, NewExportStoresTheDefaults) {
  ExportEntry entry;
  const ExportChoice choice = ChoiceForNewExport();
  StoreChoice(choice, "\\", entry);
  EXPECT_EQ(entry.flags, ExportEntry::kAllClients);
  EXPECT_EQ(entry.drive, 'c');
  EXPECT_EQ(entry.path, "\\");
  EXPECT_EQ(entry.clients, "");
  EXPECT_EQ(entry.mode, ExportEntry::kReadOnly);
  EXPECT_EQ(entry.rwList, "");
}

TEST(ExportChoice, EditLoadsTheEntryAndStoresItBack) {
  ExportEntry entry;
  entry.drive = 'E';  // upper case, as read from the file
  entry.path = "\\pub";
  entry.clients = "alpha, beta";
  entry.mode = ExportEntry::kReadWriteList;
  entry.rwList = "alpha,beta";
  const ExportChoice choice = ChoiceOfEntry(entry);
  EXPECT_EQ(choice.allClients, 0);
  EXPECT_EQ(choice.DriveLetter(), 'E');
  EXPECT_EQ(choice.access, 2);

  ExportEntry stored;
  StoreChoice(choice, choice.pathText, stored);
  EXPECT_EQ(stored.drive, 'E');
  EXPECT_EQ(stored.flags, 0);
  EXPECT_EQ(stored.clients, entry.clients);
  EXPECT_EQ(stored.rwList, entry.rwList);

  ExportEntry toAll;
  toAll.drive = 'd';
  toAll.flags = ExportEntry::kAllClients;
  EXPECT_EQ(ChoiceOfEntry(toAll).allClients, 1);
  EXPECT_EQ(ChoiceOfEntry(toAll).driveIndex, 1);
}

TEST(ExportChoice, ClientsAreNormalisedAndTheRwListKeptAsTyped) {
  ExportChoice choice;
  choice.clientsText = " alpha,, beta  gamma ";
  choice.rwListText = " alpha,, beta  gamma ";
  choice.access = ExportEntry::kReadWrite;
  choice.driveIndex = 2;
  ExportEntry entry;
  StoreChoice(choice, "\\x", entry);
  EXPECT_EQ(entry.clients, "alpha, beta, gamma");
  EXPECT_EQ(entry.rwList, " alpha,, beta  gamma ");
  EXPECT_EQ(entry.mode, ExportEntry::kReadWrite);
  EXPECT_EQ(entry.drive, 'e');
}

TEST(ExportChoice, OnlyAPathWithABlankNeedsItsShortForm) {
  EXPECT_TRUE(PathNeedsShortForm("\\Program Files\\pub"));
  EXPECT_FALSE(PathNeedsShortForm("\\PROGRA~1\\pub"));
  EXPECT_FALSE(PathNeedsShortForm(""));
}

}  // namespace

#include "exports/ExportChoice.h"

#include "exports/ClientList.h"

ExportChoice ChoiceForNewExport() {
  ExportChoice choice;
  choice.allClients = 1;
  return choice;
}

ExportChoice ChoiceOfEntry(const ExportEntry& entry) {
  ExportChoice choice;
  choice.allClients = entry.IsExportedToAll() ? 1 : 0;
  choice.pathText = entry.path;
  choice.clientsText = entry.clients;
  choice.rwListText = entry.rwList;
  choice.access = entry.mode;
  choice.driveIndex = static_cast<DriveByte>(entry.drive) - 'c';
  return choice;
}

void StoreChoice(const ExportChoice& choice, const std::string& storedPath, ExportEntry& entry) {
  entry.flags = choice.allClients;
  entry.drive = choice.DriveLetter();
  entry.path = storedPath;
  entry.clients = choice.clientsText;
  NormalizeClientList(entry.clients);
  entry.mode = choice.access;
  entry.rwList = choice.rwListText;
}

bool PathNeedsShortForm(const std::string& pathText) {
  return pathText.find(' ') != std::string::npos;
}

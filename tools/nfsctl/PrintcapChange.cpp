#include "tools/nfsctl/PrintcapChange.h"

#include <windows.h>

#include "portable/SharedWithService.h"
#include "tools/nfsctl/Commands.h"
#include "tools/nfsctl/PrintcapCheck.h"

std::optional<std::string> PrintcapChangeRefusal(const std::string& path, std::string_view bytes, bool writes,
                                                 const Settings& settings) {
  if (writes && !settings.force && FindWindowA(kMainWindowClass, nullptr))
    return "refused: the console is running and read " + path +
           " at its start; it would not know this change, and its next printer change would undo it. Close the "
           "console first, or use --force; nothing was written";
  if (auto loss = PrintcapSaveLoss(path, bytes))
    return "refused: saving " + path + " would lose data (" + *loss + "); nothing was written";
  return std::nullopt;
}

#include "framework/UnkeptVersionsBox.h"

#include "framework/ChangeHistory.h"
#include "framework/FrameworkIds.h"
#include "framework/Messages.h"
#include "framework/ResMessage.h"

void ShowUnkeptVersions() {
  if (const std::string unkept = TakeUnkeptVersions(); !unkept.empty())
    AfxMessageBox(ResMessage(IDS_HISTORY_NOT_KEPT, {unkept}), MB_OK | MB_ICONEXCLAMATION);
}

#include "framework/UnreadLinesQuestion.h"

#include <windows.h>

#include "framework/FrameworkIds.h"
#include "framework/Messages.h"
#include "framework/ResMessage.h"
#include "portable/WholeFile.h"

namespace {
UINT QuestionId(ReadStop::Cause cause) {
  switch (cause) {
    case ReadStop::Cause::kEndOfFileMark:
      return IDS_UNREAD_AFTER_END_MARK;
    case ReadStop::Cause::kEmptyLine:
      return IDS_UNREAD_AFTER_EMPTY_LINE;
    case ReadStop::Cause::kUnreadableLine:
      break;
  }
  return IDS_UNREAD_FROM_BAD_PRINTCAP_LINE;
}
}  // namespace

bool MayDropUnreadLines(const std::string& path, ReadStopFinder findStop) {
  // A file that cannot be read holds nothing this write could drop.
  const PathRead read = ReadWholeFileAt(path);
  if (!read.bytes) return true;
  const std::optional<ReadStop> stop = findStop(*read.bytes);
  if (!stop || !stop->DropsLines()) return true;
  const std::string question =
      ResMessage(QuestionId(stop->cause), {std::to_string(stop->line), path, std::to_string(stop->linesNotShown)});
  return AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

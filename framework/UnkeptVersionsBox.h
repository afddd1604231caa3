#pragma once
// A windowed program's word that a change was made but no version of it kept
// (framework/ChangeHistory.h): one message box once the command that made the
// change has ended, never in the middle of a save.
void ShowUnkeptVersions();

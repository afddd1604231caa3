#pragma once
// The version history as every program of the installation keeps it
// (portable/VersionStore.h): each write of a shared file or value is kept with
// who made it and why, and a change found made outside our programs is kept
// before anything is written over it. A history that cannot be written never
// stops a change: the program asks TakeUnkeptVersions after its change and
// tells the user that no version was kept.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "portable/FileFingerprint.h"
#include "portable/VersionStore.h"

// The program, set once at its start: "console", "nfsctl", "addexport",
// "hostedit".
void SetChangeProgram(std::string program);
// What the program is doing (the console's command, nfsctl's command line),
// for the versions that follow.
void SetChangeAction(std::string action);
// The same from a WM_COMMAND a window receives: a button's window caption and
// text ("Server Options: OK"), or a menu item's text.
void SetChangeActionFromCommand(HWND window, UINT id, UINT code, HWND control);
// Why (nfsctl's --reason), for the versions that follow.
void SetChangeReason(std::string reason);
// The install directory whose "history" folder keeps the versions, in place of
// the one norvo.ini names (nfsctl's --install-dir).
void SetHistoryInstallDir(std::string installDir);
// The history of this installation; none when no install directory is known.
std::optional<VersionStore> HistoryStore();

// Keeps bytes, just written to path over previous, as its newest version; for
// mountd.list and Unlock.NLM, what was cleared or appended.
void RecordVersion(const std::string& path, const FileFingerprint& previous, std::string_view bytes);
// When path as it is on disk is not the newest version kept of it, keeps it as
// a version "changed outside".
void NoticeOutsideChange(const std::string& path);

// Keeps the five server options as they are now in the registry, one
// "name=value" line each, as a version of "options".
void RecordServerOptions();

// Why each version since the last call could not be kept, a line each; empty
// when all were.
std::string TakeUnkeptVersions();

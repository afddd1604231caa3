#pragma once
// Everything the console shares with the NFS service and the installation: file
// names, INI entries, registry keys and values, the window class and message.
// The console never talks to the service; these names are the whole contract.

// "norvo.ini" in the Windows directory: the install directory and the banner switch.
inline constexpr char kIniFileName[] = "norvo.ini";
inline constexpr char kIniInstallSection[] = "norvo";
inline constexpr char kIniInstallDirKey[] = "installdir";
inline constexpr char kIniPcnfsdSection[] = "PCNFSD";
inline constexpr char kIniBannerKey[] = "banner";

// Appended to the INI install directory, always with their backslash.
inline constexpr char kExportsFileName[] = "\\exports";
inline constexpr char kHelpFileName[] = "\\nfserver.hlp";
inline constexpr char kPrintcapFileName[] = "\\printcap";
inline constexpr char kSpoolDirName[] = "\\SPOOL";
inline constexpr char kPcnfsdSpoolDirName[] = "\\PCNFSD";
inline constexpr char kControlFilePattern[] = "cf*.nfs";

// Appended to the system directory.
inline constexpr char kPasswdFileName[] = "\\drivers\\etc\\passwd";
inline constexpr char kGroupFileName[] = "\\drivers\\etc\\group";

// Registry, all under HKEY_LOCAL_MACHINE.
inline constexpr char kInstallDirKey[] = "SOFTWARE\\Norvo Technology\\Pallux\\CurrentVersion";
inline constexpr char kInstallDirValue[] = "Installation Directory";
inline constexpr char kVersionKey[] = "SOFTWARE\\Norvo Technology\\Version";
inline constexpr char kVersionValue[] = "version";
inline constexpr char kServiceKey[] = "SOFTWARE\\Norvo Technology\\Kesta-NFS Server";
inline constexpr char kSupportNfs3Value[] = "Support NFS3";
inline constexpr char kSupportPcnfsdValue[] = "Support PCNFSD";
inline constexpr char kSupportNlmValue[] = "Support NLM";
inline constexpr char kMaximumReadValue[] = "Maximum Read";
inline constexpr char kMaximumWriteValue[] = "Maximum Write";

// In the registry install directory, appended with or without a backslash by the
// directory's last character.
inline constexpr char kHostEditorFileName[] = "hostedit.exe";
inline constexpr char kMountListFileName[] = "mountd.list";
inline constexpr char kLockFileName[] = "Lock.NLM";
inline constexpr char kUnlockFileName[] = "Unlock.NLM";

// The console's main window, found by its class; another program sends it the
// message after appending one line to the exports file.
inline constexpr char kMainWindowClass[] = "varezWindowClass";
constexpr unsigned kExportAppendedMessage = 10001;

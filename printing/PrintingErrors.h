#pragma once
// Internal error numbers of the printer export table, shown by the internal error box.
constexpr int kErrorEntryToModifyMissing = 1002;
constexpr int kErrorPrintcapNotWritable = 1003;
constexpr int kErrorEntryToRemoveMissing = 1004;
constexpr int kErrorPrintcapLine = 1005;

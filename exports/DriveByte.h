#pragma once
// A drive letter as the export table holds it: the byte of an exports line's
// drive field (any byte in a hand-edited file) or a letter of the drive list.
// One unsigned type everywhere, so that a byte of 128 or more is the same code in
// the entry, the editor and the browser.
#include <string>

using DriveByte = unsigned char;

// The drive and its colon, as paths begin: "c:".
inline std::string DriveColon(DriveByte drive) { return {static_cast<char>(drive), ':'}; }

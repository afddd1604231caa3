#pragma once
// Reading a job's control file: six lines, each cut at its longest value.
#include <cstdio>
#include <string>
#include <string_view>

#include "printing/SpoolJob.h"

// The job of a control file's text. A line longer than its longest value is cut
// there and its rest is read as the next line, shifting every later line; lines
// after the end of the file are empty. The document name is the control file's
// name, so that every message about the job says which one it is.
SpoolJob ReadControlFile(std::string_view text, std::string_view controlFileName);

// The bytes of an open control file that its six lines can take; the rest is
// never read, so a huge file costs no more than a small one.
std::string ReadControlFileBytes(std::FILE* file);

#pragma once
// Three writers of one exports file at once, as an administrator's scripts and
// the console meet: addexport and nfsctl each add exports of their own and
// announce them, while the console deletes and edits exports through its windows.
#include <windows.h>

#include <string>

struct SoakResult {
  int operations = 0;  // tool runs and console changes done
  int added = 0;       // exports the tools reported added and announced
  int failed = 0;      // tool runs that failed
  int lost = 0;        // added exports missing from the file at the end
  int doubled = 0;     // extra copies of a line in the file at the end
  std::string problem; // a window that did not show up, or a question not expected
};

// Runs the three writers for about milliseconds on an installation of its own,
// then has the console write its list once more and checks the file.
SoakResult RunWriterSoak(DWORD milliseconds);

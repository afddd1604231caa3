#pragma once
// The job being printed, as its control file describes it.
#include <cstdint>
#include <string>

struct SpoolJob {
  std::string requestId;        // line 2; printed on the banner page
  std::string userName;         // line 3; printed in block letters
  std::string printerName;      // line 4; the export name of the job's printer
  std::string shortValue;       // line 5; not used
  std::string documentName;     // names the job in messages and the banner document
  std::string controlFileName;
  std::string dataFileName;     // line 1; check with IsSafeSpoolFileName before any use
  int32_t number = 0;           // line 6; not used
};

#pragma once
// The jobs that one queue of the tests' private CUPS scheduler received: each
// job's bytes, and for a PostScript job its text as ghostscript reads it back.
#include <windows.h>

#include <set>
#include <string>
#include <vector>

// The queues of scripts/cups-rig.sh that the tests read back; the first is the
// default printer.
inline constexpr char kTestQueue[] = "nfs-win";
inline constexpr char kProcessQueue[] = "nfs-e2e";  // the end-to-end tests'

struct CapturedJob {
  std::string bytes;
  std::string text;  // a PostScript job's text; empty otherwise
};

class CupsCapture {
 public:
  // Starts counting from the jobs the queue holds now.
  explicit CupsCapture(const std::string& queue);

  // The jobs that arrived since construction (or the last call), in the order the
  // scheduler numbered them, once there are at least count of them or timeoutMs passed.
  std::vector<CapturedJob> Take(size_t count, DWORD timeoutMs = 20000);

 private:
  std::set<int> JobIds() const;

  std::string folder_;
  std::set<int> seen_;
};

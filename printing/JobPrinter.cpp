#include "printing/JobPrinter.h"

#include <cstdio>
#include <ctime>
#include <string>

#include "portable/UniqueFile.h"
#include "printing/BannerPage.h"
#include "printing/BannerSetting.h"
#include "printing/PrintcapOnDisk.h"
#include "printing/PrinterExports.h"
#include "printing/PrintingHandles.h"
#include "printing/PrintingPaths.h"
#include "printing/SpoolFiles.h"

namespace {

constexpr char kPrinterErrorCaption[] = "lpd Printer Error";

std::string Format(const char* format, const std::string& value) {
  char text[512];
  std::snprintf(text, sizeof text, format, value.c_str());
  return text;
}

std::string Format(const char* format, DWORD value) {
  char text[128];
  std::snprintf(text, sizeof text, format, static_cast<int>(value));
  return text;
}

// The job's own boxes: text and caption alike, no owner, no icon.
void ShowJobBox(const std::string& text) { MessageBoxA(nullptr, text.c_str(), text.c_str(), MB_OK); }

// The spooler's boxes, owned by the window with the keyboard focus.
void ShowPrinterError(HWND owner, const std::string& text) {
  MessageBoxA(owner, text.c_str(), kPrinterErrorCaption, MB_OK | MB_ICONEXCLAMATION);
}

void DrawBannerPage(HDC dc, const SpoolJob& job, int charsPerLine, int lineHeight) {
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  const std::string date = local ? FormatBannerDate(*local) : std::string();
  StartPage(dc);
  for (const BannerLine& line :
       LayoutBannerPage(charsPerLine, {job.userName, job.requestId, date, job.dataFileName}))
    TextOutA(dc, 0, line.line * lineHeight, line.text.data(), static_cast<int>(line.text.size()));
  EndPage(dc);
}

// The banner document, with or without its page; false when the job stops here.
bool PrintBannerDocument(const SpoolJob& job, const WindowsPrinter& printer) {
  UniquePrinterDC dc(CreateDCA(printer.driver.c_str(), printer.device.c_str(), printer.port.c_str(), nullptr));
  if (!dc) return false;
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc.get(), &metrics);
  const int charsPerLine = metrics.tmAveCharWidth > 0
                               ? GetDeviceCaps(dc.get(), HORZRES) / metrics.tmAveCharWidth : 0;
  const int lineHeight = metrics.tmHeight + metrics.tmExternalLeading;

  DOCINFOA document{};
  document.cbSize = sizeof document;
  document.lpszDocName = job.documentName.c_str();
  document.lpszDatatype = "";
  if (StartDocA(dc.get(), &document) <= 0) {
    ShowJobBox(Format("Can not start the job %s for printing", job.documentName));
    return false;
  }
  if (BannerSetting() != 0) DrawBannerPage(dc.get(), job, charsPerLine, lineHeight);
  EndDoc(dc.get());
  return true;
}

void SendRawDocument(const std::string& device, const std::string& dataPath) {
  HANDLE opened = nullptr;
  if (!OpenPrinterA(const_cast<char*>(device.c_str()), &opened, nullptr)) {
    ShowPrinterError(GetFocus(), "Can not open Printer");
    return;
  }
  UniquePrinter printer(opened);
  DOC_INFO_1A document{};
  document.pDocName = const_cast<char*>(dataPath.c_str());
  document.pDatatype = const_cast<char*>("RAW");
  if (StartDocPrinterA(printer.get(), 1, reinterpret_cast<BYTE*>(&document)) == 0)
    ShowPrinterError(GetFocus(), Format("The error code for StartDocPrinter is %d", GetLastError()));

  UniqueFile data(std::fopen(dataPath.c_str(), "rb"));
  if (!data) {
    ShowJobBox(Format("Can not open the file %s for printing", dataPath));
    AbortPrinter(printer.get());
    return;
  }
  char block[kDataBlockSize];
  for (;;) {
    const size_t count = std::fread(block, 1, sizeof block, data.get());
    DWORD written = 0;
    if (count > 0 && WritePrinter(printer.get(), block, static_cast<DWORD>(count), &written) != 1) {
      MessageBoxA(nullptr, Format("The error code for PASSTHROUGH is %d", GetLastError()).c_str(),
                  kPrinterErrorCaption, MB_OK | MB_ICONEXCLAMATION);
      data.reset();
      AbortPrinter(printer.get());
      return;
    }
    if (count < sizeof block) break;
  }
  EndDocPrinter(printer.get());
}

}  // namespace

bool IsUsableDataFile(std::string_view dataFileName) {
  if (!IsSafeSpoolFileName(dataFileName)) return false;
  const DWORD attributes = GetFileAttributesA(SpoolPath(dataFileName).c_str());
  return attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

JobOutcome PrintSpoolJob(const SpoolJob& job, bool paused) {
  if (paused) {
    ShowJobBox(Format("Abort %s!", job.controlFileName));
    return JobOutcome::kAttempted;
  }
  WindowsPrinter printer;
  if (FindPrinterExport(job.printerName, printer) != 0)
    return PrintcapOnDiskExports(job.printerName) ? JobOutcome::kKept : JobOutcome::kAttempted;
  if (!PrintBannerDocument(job, printer)) return JobOutcome::kAttempted;
  // A data file the console must not touch (a path, a device) is never opened:
  // it fails as a data file that cannot be opened does.
  if (!IsUsableDataFile(job.dataFileName)) {
    ShowJobBox(Format("Can not open the file %s for printing", SpoolPath(job.dataFileName)));
    return JobOutcome::kAttempted;
  }
  SendRawDocument(printer.device, SpoolPath(job.dataFileName));
  return JobOutcome::kAttempted;
}

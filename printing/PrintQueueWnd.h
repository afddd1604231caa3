#pragma once
// "PCNFSD Printer Queue": the modeless window in which the administrator watches
// the spool directory, deletes jobs, pauses and resumes printing and switches the
// banner page. One at a time: opening it again raises and refills the open one.
#include "framework/Handles.h"
#include "framework/ListBox.h"
#include "framework/ModelessDialog.h"

class CPrintQueueWnd : public CModelessDialog {
 public:
  CPrintQueueWnd();

  // Rebuilds the job list from the spool directory.
  void FillQueueList();
  // The title with or without "[PAUSED]", as the queue is.
  void ShowPausedState();

 protected:
  BOOL OnInitDialog() override;
  // Enter closes nothing: only Close and Escape do.
  void OnOK() override {}
  bool OnCommand(UINT id, UINT code, HWND control) override;
  LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void OnDeleteJob();

  CListBox list_;
  UniqueBrush brush_;
};

// Opens the queue window owned by the main window, or brings the open one forward
// and refills it.
void OpenPrintQueue();

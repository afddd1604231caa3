#pragma once
// Test seam: hands every modal dialog and message box that this thread shows to
// the next scripted step, once the window runs its modal loop. A window that finds
// no step is closed with IDCANCEL and reported, so no test waits on a window.
#include <windows.h>

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

class ModalScript {
 public:
  using Step = std::function<void(HWND window)>;

  ModalScript();
  ~ModalScript();

  // Adds a step for the next window that shows up.
  void Then(Step step) { steps_.push_back(std::move(step)); }
  size_t PendingSteps() const { return steps_.size(); }
  // Caption and text of each window that showed up with no step left.
  std::vector<std::string> unexpected;

  // Helpers for steps: a message box's text, and pressing a button by id.
  static std::string MessageText(HWND box);
  static void Press(HWND window, int buttonId);

 private:
  static LRESULT CALLBACK ActivationHook(int code, WPARAM wp, LPARAM lp) noexcept;
  static void CALLBACK RunNextStep(HWND, UINT, UINT_PTR timer, DWORD) noexcept;

  HHOOK hook_;
  std::deque<Step> steps_;
  std::deque<HWND> ready_;
  std::set<HWND> seen_;
};

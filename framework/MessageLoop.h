#pragma once
// The thread's message loop: message filters see each message before it is
// dispatched (newest first), idle handlers run whenever the queue is empty.
#include <windows.h>

#include <algorithm>
#include <vector>

class CMessageFilter {
 public:
  // True when the message was used and must not be dispatched.
  virtual bool PreTranslateMessage(MSG& msg) = 0;

 protected:
  ~CMessageFilter() = default;
};

class CIdleHandler {
 public:
  virtual void OnIdle() = 0;

 protected:
  ~CIdleHandler() = default;
};

class CMessageLoop {
 public:
  // The loop becomes the thread's current loop for its lifetime.
  CMessageLoop();
  ~CMessageLoop();
  CMessageLoop(const CMessageLoop&) = delete;
  CMessageLoop& operator=(const CMessageLoop&) = delete;

  // The thread's loop, or null.
  static CMessageLoop* Current();

  // Registrants are not owned; each removes itself before it goes.
  void AddFilter(CMessageFilter& filter) { filters_.push_back(&filter); }
  void RemoveFilter(CMessageFilter& filter) { std::erase(filters_, &filter); }
  void AddIdleHandler(CIdleHandler& handler) { idleHandlers_.push_back(&handler); }
  void RemoveIdleHandler(CIdleHandler& handler) { std::erase(idleHandlers_, &handler); }

  // Until WM_QUIT; returns its exit code (-1 when the queue failed).
  int Run();
  // Takes at most one waiting message through the filters and dispatches it.
  // A WM_QUIT taken this way is posted again for the loop; false then, and when
  // no message was waiting.
  bool PumpOneMessage();
  // Offers msg to the filters, newest first; true when one used it.
  bool PreTranslateMessage(MSG& msg);
  // Runs every idle handler once.
  void OnIdle();

 private:
  void Dispatch(MSG& msg);

  std::vector<CMessageFilter*> filters_;
  std::vector<CIdleHandler*> idleHandlers_;
};

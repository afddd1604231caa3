#pragma once
// Something that runs commands by id: the frame hands the commands it does not
// know to the next target (the application), which it knows only by this face.
#include <windows.h>

#include <optional>

class CCmdTarget {
 public:
  // Runs command id; false when this target has no handler for it.
  virtual bool OnCmdMsg(UINT id) = 0;
  // Whether command id may run now; none when this target has no handler for it.
  virtual std::optional<bool> QueryCommand(UINT id) const = 0;

 protected:
  ~CCmdTarget() = default;
};

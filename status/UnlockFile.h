#pragma once
// "Unlock.NLM": the console appends one request per removed lock; the service
// reads the requests and empties the file.
#include <string>


enum class UnlockAppend { kAppended, kNotOpened, kWriteFailed };

// Appends the request's record bytes to the file at path (created when missing),
// on the disk when this returns kAppended. When the record cannot be written whole
// the file is cut back to its old length, so the service never reads half a request.
UnlockAppend AppendUnlockRequest(const std::string& path, const std::string& request);

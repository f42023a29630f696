#pragma once
// A decoder's or writer's Status in the shape a table of cases compares:
// its fault (Fault::kNone when it succeeded), its messages added to the
// ones collected, its reason in *error (when given).

#include <string>

#include "records/status.h"
#include "records/user_message.h"

namespace scorewick::testing {

inline Fault Told(Status status, UserMessages& messages, std::string* error) {
  messages.insert(messages.end(), status.messages.begin(), status.messages.end());
  if (error) *error = status.reason;
  return status.fault;
}

// Whether it succeeded, with its reason in *error.
inline bool Done(const Status& status, std::string* error) {
  if (error) *error = status.reason;
  return status.ok;
}

}  // namespace scorewick::testing

#pragma once

namespace pellucor::cli {

// The documented exit statuses of pellucor-cli, the conventions of curl and wget's users.
enum ExitStatus : int {
  kDone = 0,
  kEndedEarly = 1,  // the job ended early or found nothing
  kBadInput = 2,    // an unreadable file, a URL that is not a web URL, ...
  kUsageError = 64,
};

}  // namespace pellucor::cli

#include "cli/cli_context.h"

#include <iostream>

namespace ruvo::cli {

int reportError(const Error& error) {
  std::cerr << "ruvo-cli: error: " << error.message << '\n';
  switch (error.code) {
    case ErrorCode::NotFound:
    case ErrorCode::Unreadable:
    case ErrorCode::BadArgument:
      return kExitUsage;
    default:
      return kExitFailed;
  }
}

}  // namespace ruvo::cli

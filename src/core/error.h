#pragma once
// Errors as values: every operation that input can reach returns
// Result<T>, which holds either the value or an Error with a stable code and
// a message that names the file and what was wrong with it.

#include <string>
#include <utility>

#include <tl/expected.hpp>

namespace ruvo {

enum class ErrorCode {
  NotFound,       // a file or folder does not exist
  Unreadable,     // it exists but cannot be opened or read
  Unwritable,     // it cannot be created or written
  BadFormat,      // the content is not of the expected form
  BadArgument,    // a caller's or user's argument is out of range or malformed
  Failed,         // an outside program or operation failed
};

struct Error {
  ErrorCode code = ErrorCode::Failed;
  std::string message;
};

template <typename T>
using Result = tl::expected<T, Error>;

inline tl::unexpected<Error> fail(ErrorCode code, std::string message) {
  return tl::unexpected<Error>(Error{code, std::move(message)});
}

}  // namespace ruvo

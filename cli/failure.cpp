#include "cli/failure.h"

#include <cerrno>
#include <cstring>

namespace plimsett::cli {

void FailWithErrno(const std::string& what, const char* doing) {
  const int error = errno;
  throw Failure(kExitInputOutput,
                std::string("cannot ") + doing + " " + what + ": " + std::strerror(error));
}

}  // namespace plimsett::cli

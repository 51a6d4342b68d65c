#include "toolkit/backend.h"

namespace toolkit {

void Backend::reportHandlerError(std::exception_ptr exception) noexcept {
  if (!onHandlerError) return;
  try {
    onHandlerError(exception);
  } catch (...) {
    // Reporting failed as well (no memory left for the box): the failure is
    // dropped so that the program goes on.
  }
}

}  // namespace toolkit

#pragma once

#include <exception>
#include <new>
#include <string>

namespace platform {

// The message for an exception that escaped a handler or a program's entry
// point, where nothing is left to say more about it than the exception itself.
inline std::string describeException(std::exception_ptr exception) {
  try {
    std::rethrow_exception(exception);
  } catch (const std::bad_alloc&) {
    return "Out of memory";
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "Unexpected error";
  }
}

}  // namespace platform

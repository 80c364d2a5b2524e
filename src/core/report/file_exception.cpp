#include "core/report/file_exception.h"

#include <utility>

namespace lumo {

FileException::FileException(FileErrorCause cause, std::string fileName, int osError, FileStep step)
    : std::runtime_error(FileErrorText(cause, fileName)),
      cause_(cause),
      fileName_(std::move(fileName)),
      osError_(osError),
      step_(step) {}

}  // namespace lumo

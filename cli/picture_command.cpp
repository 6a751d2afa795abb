#include "cli/picture_command.hpp"

#include <ostream>

#include "cli/exit_status.hpp"

namespace velni::cli {

int RunPicture(const std::string&, const std::string&, std::ostream& errors) {
  errors << "not yet\n";
  return kExitFailed;
}

int RunPictureBatch(const std::string&, const std::string&, bool, std::ostream&, std::ostream& errors) {
  errors << "not yet\n";
  return kExitFailed;
}

}  // namespace velni::cli

#include "app/header_command.h"

namespace okit {

int header_command(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
  err << "okit header: not built yet\n";
  return 2;
}

}  // namespace okit

#include "app/sheet_command.h"

namespace okit {

int sheet_command(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
  err << "okit sheet: not built yet\n";
  return 2;
}

}  // namespace okit

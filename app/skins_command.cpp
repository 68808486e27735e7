#include "app/skins_command.h"

namespace okit {

int skins_command(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
  err << "okit skins: not built yet\n";
  return 2;
}

bool use_skin_directory(const std::string& dir, std::ostream& err) {
  err << "okit: --skins " << dir << ": not built yet\n";
  return false;
}

}  // namespace okit

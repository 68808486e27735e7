#pragma once
// fontconfig's choice of installed faces for characters the classic face
// lacks. The ranking is made once per weight, on the first character that
// needs it; after that each lookup is a walk over the ranked files'
// character sets.

#include <memory>
#include <string>

#include "host/text/text_services.h"

namespace okit {

std::unique_ptr<FaceFinder> make_face_finder(std::string skip_path);

}  // namespace okit

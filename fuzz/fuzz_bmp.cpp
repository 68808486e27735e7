// BMP files: any bytes either decode into a bitmap or fail with a message.

#include <cstddef>
#include <cstdint>
#include <span>

#include "host/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto bitmap = okit::decode_bmp(std::span(data, size), "fuzz.bmp");
  // A bitmap that decoded encodes again, and the encoder's output decodes.
  if (bitmap && !okit::decode_bmp(okit::encode_bmp24(*bitmap), "reencoded.bmp")) __builtin_trap();
  return 0;
}

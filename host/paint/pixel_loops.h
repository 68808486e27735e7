#pragma once
// The inner loops every painter ends in. They are written so that the
// compiler turns them into wide stores: a solid fill keeps pace with memcpy
// and beats a library call on the small rectangles skins are made of.

#include <cstdint>
#include <cstring>

namespace okit::pixel_loops {

// Fills `count` pixels. Once the pointer is 16-byte aligned the loop writes
// four aligned vectors per round; without the alignment and the unrolling a
// large fill runs at little more than half the memory bandwidth.
inline void fill_span(std::uint32_t* pixels, int count, std::uint32_t rgb) {
  using Quad = std::uint32_t __attribute__((vector_size(16)));
  while (count > 0 && (reinterpret_cast<std::uintptr_t>(pixels) & 15) != 0) {
    *pixels++ = rgb;
    --count;
  }
  const Quad quad = {rgb, rgb, rgb, rgb};
  auto* quads = reinterpret_cast<Quad*>(pixels);
  for (; count >= 16; count -= 16, quads += 4) {
    quads[0] = quad;
    quads[1] = quad;
    quads[2] = quad;
    quads[3] = quad;
  }
  for (; count >= 4; count -= 4) *quads++ = quad;
  pixels = reinterpret_cast<std::uint32_t*>(quads);
  while (count-- > 0) *pixels++ = rgb;
}

// Short spans, the rows of skin slices, are copied inline: a library call
// per row would cost more than the copy itself.
inline void copy_span(std::uint32_t* target, const std::uint32_t* source, int count) {
  constexpr int kShortSpan = 64;
  if (count >= kShortSpan) {
    std::memcpy(target, source, static_cast<std::size_t>(count) * sizeof(std::uint32_t));
    return;
  }
  for (int i = 0; i < count; ++i) target[i] = source[i];
}

// Copies every pixel but those of the transparent colour `key`.
inline void copy_span_keyed(std::uint32_t* target, const std::uint32_t* source, int count, std::uint32_t key) {
  for (int i = 0; i < count; ++i)
    if (source[i] != key) target[i] = source[i];
}

}  // namespace okit::pixel_loops

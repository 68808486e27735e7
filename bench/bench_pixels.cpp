// The pixel loops every repaint ends in: a solid fill and an opaque copy of
// a whole 1280 x 800 frame, a 21 x 21 skin slice, and a button's 7-pixel
// middle slice stretched to 300 pixels. Each runs next to memcpy of the same
// bytes and next to pixman doing the same operation, so the table can give
// ratios that hold on any machine.

#include <benchmark/benchmark.h>
#include <pixman.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "host/paint/canvas.h"
#include "host/paint/frame_buffer.h"
#include "host/picture.h"

namespace okit::bench {
namespace {

constexpr int kFrameWidth = 1280;
constexpr int kFrameHeight = 800;
constexpr std::uint32_t kFillColour = 0xECE9D8;
const Point kSliceAt{100, 100};
const Rect kStretchArea{100, 100, 400, 121};

// A bitmap with every pixel different, so no loop can get away with
// repeating one value.
Bitmap gradient_bitmap(int width, int height) {
  Bitmap bitmap{width, height, {}};
  bitmap.pixels.resize(static_cast<std::size_t>(width) * height);
  for (std::size_t i = 0; i < bitmap.pixels.size(); ++i) bitmap.pixels[i] = static_cast<std::uint32_t>(i * 0x010203u);
  return bitmap;
}

void set_bytes(benchmark::State& state, std::int64_t bytes_per_iteration) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * bytes_per_iteration);
}

std::int64_t frame_bytes() { return std::int64_t{kFrameWidth} * kFrameHeight * 4; }

// pixman's view of a frame buffer's pixels, which it reads and writes in place.
pixman_image_t* pixman_view(FrameBuffer& frame) {
  return pixman_image_create_bits(PIXMAN_x8r8g8b8, frame.width(), frame.height(), frame.row(0),
                                  frame.stride() * 4);
}

// ---- The floor: memcpy of the same bytes ---------------------------------

void BM_Baseline_Memcpy(benchmark::State& state) {
  const auto bytes = static_cast<std::size_t>(state.range(0));
  std::vector<std::uint32_t> source(bytes / 4, 0x123456), target(bytes / 4);
  for (auto _ : state) {
    std::memcpy(target.data(), source.data(), bytes);
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
  }
  set_bytes(state, static_cast<std::int64_t>(bytes));
}
// A whole frame, a 21 x 21 slice, and a 300 x 21 stretched row band.
BENCHMARK(BM_Baseline_Memcpy)->Arg(kFrameWidth * kFrameHeight * 4)->Arg(21 * 21 * 4)->Arg(300 * 21 * 4);

// The same frame copied one row per memcpy call, as a row-by-row blit must
// when rows are padded or the copy is clipped: what the frame blit would
// cost if its only overhead were the per-row calls.
void BM_Baseline_MemcpyRows_Frame(benchmark::State& state) {
  FrameBuffer source(kFrameWidth, kFrameHeight), target(kFrameWidth, kFrameHeight);
  const auto row_bytes = static_cast<std::size_t>(kFrameWidth) * 4;
  for (auto _ : state) {
    for (int y = 0; y < kFrameHeight; ++y) std::memcpy(target.row(y), source.row(y), row_bytes);
    benchmark::DoNotOptimize(target.row(0));
    benchmark::ClobberMemory();
  }
  set_bytes(state, frame_bytes());
}
BENCHMARK(BM_Baseline_MemcpyRows_Frame);

// ---- Solid fill of a frame ------------------------------------------------

void BM_Fill_Frame(benchmark::State& state) {
  FrameBuffer frame(kFrameWidth, kFrameHeight);
  Canvas canvas(frame);
  for (auto _ : state) {
    canvas.fill_rect(frame.bounds(), kFillColour);
    benchmark::DoNotOptimize(frame.row(0));
    benchmark::ClobberMemory();
  }
  set_bytes(state, frame_bytes());
}
BENCHMARK(BM_Fill_Frame);

void BM_Pixman_Fill_Frame(benchmark::State& state) {
  FrameBuffer frame(kFrameWidth, kFrameHeight);
  for (auto _ : state) {
    pixman_fill(frame.row(0), frame.stride(), 32, 0, 0, kFrameWidth, kFrameHeight, kFillColour);
    benchmark::DoNotOptimize(frame.row(0));
    benchmark::ClobberMemory();
  }
  set_bytes(state, frame_bytes());
}
BENCHMARK(BM_Pixman_Fill_Frame);

// ---- Opaque copy of a whole frame ---------------------------------------

void BM_Blit_Frame(benchmark::State& state) {
  FrameBuffer source(kFrameWidth, kFrameHeight), target(kFrameWidth, kFrameHeight);
  Canvas(source).fill_rect(source.bounds(), kFillColour);
  Canvas canvas(target);
  for (auto _ : state) {
    canvas.blit(source, {0, 0});
    benchmark::DoNotOptimize(target.row(0));
    benchmark::ClobberMemory();
  }
  set_bytes(state, frame_bytes());
}
BENCHMARK(BM_Blit_Frame);

void BM_Pixman_Blit_Frame(benchmark::State& state) {
  FrameBuffer source(kFrameWidth, kFrameHeight), target(kFrameWidth, kFrameHeight);
  for (auto _ : state) {
    pixman_blt(source.row(0), target.row(0), source.stride(), target.stride(), 32, 32, 0, 0, 0, 0, kFrameWidth,
               kFrameHeight);
    benchmark::DoNotOptimize(target.row(0));
    benchmark::ClobberMemory();
  }
  set_bytes(state, frame_bytes());
}
BENCHMARK(BM_Pixman_Blit_Frame);

// ---- A 21 x 21 opaque skin slice ---------------------------------------

void BM_Blit_21x21(benchmark::State& state) {
  FrameBuffer frame(kFrameWidth, kFrameHeight);
  Canvas canvas(frame);
  const Bitmap slice = gradient_bitmap(21, 21);
  for (auto _ : state) {
    canvas.blit(slice, kSliceAt);
    benchmark::DoNotOptimize(frame.row(kSliceAt.y));
    benchmark::ClobberMemory();
  }
  set_bytes(state, 21 * 21 * 4);
}
BENCHMARK(BM_Blit_21x21);

void BM_Pixman_Blit_21x21(benchmark::State& state) {
  FrameBuffer frame(kFrameWidth, kFrameHeight);
  Bitmap slice = gradient_bitmap(21, 21);
  for (auto _ : state) {
    pixman_blt(slice.pixels.data(), frame.row(0), slice.width, frame.stride(), 32, 32, 0, 0, kSliceAt.x, kSliceAt.y,
               21, 21);
    benchmark::DoNotOptimize(frame.row(kSliceAt.y));
    benchmark::ClobberMemory();
  }
  set_bytes(state, 21 * 21 * 4);
}
BENCHMARK(BM_Pixman_Blit_21x21);

// ---- The button's middle slice: 7 x 21 stretched to 300 x 21 -------------

void BM_Stretch_7x21_To_300x21(benchmark::State& state) {
  FrameBuffer frame(kFrameWidth, kFrameHeight);
  Canvas canvas(frame);
  const Bitmap middle = gradient_bitmap(7, 21);
  for (auto _ : state) {
    canvas.stretch(middle, kStretchArea);
    benchmark::DoNotOptimize(frame.row(kStretchArea.top));
    benchmark::ClobberMemory();
  }
  set_bytes(state, 300 * 21 * 4);
}
BENCHMARK(BM_Stretch_7x21_To_300x21);

// pixman scales with a transform from target to source coordinates and
// nearest-pixel sampling at pixel centres, the rule Canvas::stretch follows.
// `mismatched_pixels` counts where the two disagree, which shows the two
// benchmarks do the same work.
void BM_Pixman_Stretch_7x21_To_300x21(benchmark::State& state) {
  FrameBuffer frame(kFrameWidth, kFrameHeight);
  Bitmap middle = gradient_bitmap(7, 21);
  pixman_image_t* target = pixman_view(frame);
  pixman_image_t* source =
      pixman_image_create_bits(PIXMAN_x8r8g8b8, middle.width, middle.height, middle.pixels.data(), middle.width * 4);
  pixman_transform_t scale;
  pixman_transform_init_scale(&scale, pixman_double_to_fixed(7.0 / 300.0), pixman_fixed_1);
  pixman_image_set_transform(source, &scale);
  pixman_image_set_filter(source, PIXMAN_FILTER_NEAREST, nullptr, 0);
  const auto composite = [&] {
    pixman_image_composite32(PIXMAN_OP_SRC, source, nullptr, target, 0, 0, 0, 0, kStretchArea.left, kStretchArea.top,
                             kStretchArea.width(), kStretchArea.height());
  };
  for (auto _ : state) {
    composite();
    benchmark::DoNotOptimize(frame.row(kStretchArea.top));
    benchmark::ClobberMemory();
  }
  set_bytes(state, 300 * 21 * 4);

  FrameBuffer ours(kFrameWidth, kFrameHeight);
  Canvas(ours).stretch(middle, kStretchArea);
  int mismatched = 0;
  for (int y = kStretchArea.top; y < kStretchArea.bottom; ++y)
    for (int x = kStretchArea.left; x < kStretchArea.right; ++x) mismatched += ours.pixel(x, y) != frame.pixel(x, y);
  state.counters["mismatched_pixels"] = mismatched;
  pixman_image_unref(source);
  pixman_image_unref(target);
}
BENCHMARK(BM_Pixman_Stretch_7x21_To_300x21);

}  // namespace
}  // namespace okit::bench

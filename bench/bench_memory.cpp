// Resident memory, measured in a fresh process so nothing another benchmark
// left on the heap counts: the program starts itself again with
// OKIT_BENCH_MEMORY_PROBE set, and the copy builds one form, composes it,
// prints its resident size and heap in use, and exits before the benchmarks
// would run. Probes: "gallery" loads examples/gallery.frm; "buttons:N"
// places N buttons on a form; "empty" only starts.

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <fstream>
#include <string>

#include "bench/control_form.h"
#include "app/silent_application.h"
#include "host/form_file.h"
#include "host/form_loader.h"
#include "host/paint/compositor.h"

extern char** environ;

namespace okit::bench {
namespace {

constexpr const char* kProbeVariable = "OKIT_BENCH_MEMORY_PROBE";

struct Footprint {
  double resident_bytes = 0;
  double heap_bytes = 0;
};

Footprint current_footprint() {
  std::ifstream statm("/proc/self/statm");
  long size_pages = 0, resident_pages = 0;
  statm >> size_pages >> resident_pages;
  const struct mallinfo2 heap = mallinfo2();
  return {static_cast<double>(resident_pages) * static_cast<double>(sysconf(_SC_PAGESIZE)),
          static_cast<double>(heap.uordblks + heap.hblkhd)};
}

// ---- The probe, in the started copy ----------------------------------------

void load_gallery(Desktop& desktop, Compositor& compositor) {
  const auto path = std::filesystem::path(__FILE__).parent_path().parent_path() / "examples" / "gallery.frm";
  auto doc = read_form_file(path.string());
  if (!doc) throw std::runtime_error(doc.error().to_string());
  auto form = load_form(desktop, *doc, path.string());
  if (!form) throw std::runtime_error(form.error().to_string());
  desktop.activate(form->get());
  compositor.compose(**form);
}

// Buttons in rows of ten on a form whose size does not depend on how many
// there are, so only the buttons differ between probes.
void place_buttons(Desktop& desktop, Compositor& compositor, int count) {
  auto form = create_active_form(desktop, compositor, "Buttons", 900, 400);
  for (int i = 0; i < count; ++i)
    place_control(*form, "cmd_Opaline_Button", "Button" + std::to_string(i), {10 + i % 10 * 85, 10 + i / 10 * 30});
  desktop.advance(kTimerPeriodMs);
  compositor.compose(*form);
}

int run_probe(const std::string& probe) {
  try {
    QuietDesktop session;
    Compositor compositor;
    if (probe == "gallery")
      load_gallery(session.desktop(), compositor);
    else if (probe.rfind("buttons:", 0) == 0)
      place_buttons(session.desktop(), compositor, std::stoi(probe.substr(8)));
    else if (probe != "empty")
      throw std::runtime_error("unknown probe " + probe);
    const Footprint footprint = current_footprint();
    std::printf("%.0f %.0f\n", footprint.resident_bytes, footprint.heap_bytes);
    std::fflush(stdout);  // _Exit does not flush
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "memory probe %s: %s\n", probe.c_str(), error.what());
    return 1;
  }
}

// Runs before main: a started copy measures and exits, the benchmark run
// goes on.
const bool probe_ran = [] {
  if (const char* probe = std::getenv(kProbeVariable)) std::_Exit(run_probe(probe));
  return false;
}();

// ---- The benchmark side ----------------------------------------------------

bool measure_in_fresh_process(const std::string& probe, Footprint& footprint) {
  int pipe_ends[2];
  if (pipe(pipe_ends) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipe_ends[0]);
  const std::string setting = std::string(kProbeVariable) + "=" + probe;
  char program[] = "/proc/self/exe";
  char* argv[] = {program, nullptr};
  char* envp[] = {const_cast<char*>(setting.c_str()), nullptr};
  pid_t child = 0;
  const bool started = posix_spawn(&child, program, &actions, nullptr, argv, envp) == 0;
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_ends[1]);
  FILE* output = fdopen(pipe_ends[0], "r");
  const bool read = output && std::fscanf(output, "%lf %lf", &footprint.resident_bytes, &footprint.heap_bytes) == 2;
  if (output) std::fclose(output);
  int status = 0;
  if (started) waitpid(child, &status, 0);
  return started && read && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

constexpr double kMiB = 1024.0 * 1024.0;

void BM_Memory_GalleryForm(benchmark::State& state) {
  Footprint empty, gallery;
  for (auto _ : state) {
    if (!measure_in_fresh_process("empty", empty) || !measure_in_fresh_process("gallery", gallery)) {
      state.SkipWithError("a memory probe failed");
      return;
    }
  }
  state.counters["rss_MiB"] = gallery.resident_bytes / kMiB;
  state.counters["rss_program_alone_MiB"] = empty.resident_bytes / kMiB;
  state.counters["heap_MiB"] = gallery.heap_bytes / kMiB;
}
BENCHMARK(BM_Memory_GalleryForm)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_Memory_100ButtonsVs1(benchmark::State& state) {
  Footprint one, hundred;
  for (auto _ : state) {
    if (!measure_in_fresh_process("buttons:1", one) || !measure_in_fresh_process("buttons:100", hundred)) {
      state.SkipWithError("a memory probe failed");
      return;
    }
  }
  state.counters["rss_1_MiB"] = one.resident_bytes / kMiB;
  state.counters["rss_100_MiB"] = hundred.resident_bytes / kMiB;
  state.counters["rss_ratio"] = hundred.resident_bytes / one.resident_bytes;
  state.counters["heap_per_extra_button_KiB"] = (hundred.heap_bytes - one.heap_bytes) / 99 / 1024;
  state.counters["heap_1_KiB"] = one.heap_bytes / 1024;
}
BENCHMARK(BM_Memory_100ButtonsVs1)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace okit::bench

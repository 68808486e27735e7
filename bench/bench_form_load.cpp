// The cost of loading a form file: reading the text into blocks, checking
// it, and building every control. Reported per control, next to a memcpy of
// the same text as the machine's yardstick.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "bench/alloc_counter.h"
#include "app/silent_application.h"
#include "host/form_file.h"
#include "host/form_loader.h"

namespace okit::bench {
namespace {

// One property line of a control block, laid out as the form writer does.
std::string property_line(std::string_view key, const std::string& value) {
  return "      " + std::string(key) + std::string(16 - key.size(), ' ') + "=   " + value + "\n";
}

// A form of `count` host controls in a grid, cycling through labels, command
// buttons and text boxes, each with its position, tab index and text, as a
// designer writes them.
std::string form_text(int count) {
  struct Kind {
    std::string_view class_name;
    std::string_view text_key;
  };
  static constexpr Kind kKinds[] = {{"Label", "Caption"}, {"CommandButton", "Caption"}, {"TextBox", "Text"}};
  constexpr int kColumns = 20;

  std::string text = "VERSION 5.00\nBegin Host.Form BenchForm\n";
  text += "   Caption         =   \"Load benchmark\"\n";
  text += "   ClientWidth     =   24000\n";
  text += "   ClientHeight    =   " + std::to_string((count / kColumns + 1) * 400) + "\n";
  for (int i = 0; i < count; ++i) {
    const Kind& kind = kKinds[i % 3];
    const std::string name = std::string(kind.class_name) + std::to_string(i);
    text += "   Begin Host." + std::string(kind.class_name) + " " + name + "\n";
    text += property_line(kind.text_key, "\"" + name + "\"");
    text += property_line("Height", "315");
    text += property_line("Left", std::to_string(120 + (i % kColumns) * 1200));
    text += property_line("TabIndex", std::to_string(i));
    text += property_line("Top", std::to_string(120 + (i / kColumns) * 400));
    text += property_line("Width", "1095");
    text += "   End\n";
  }
  text += "End\n";
  return text;
}

// Runs `timed` (which returns an Expected) once per iteration and hands
// what it made to `untimed` with the clock paused: unloading a form or
// freeing a document is not part of loading. Reports the time and the
// allocations per control.
template <typename Timed, typename Untimed>
void measure_per_control(benchmark::State& state, Timed timed, Untimed untimed) {
  std::uint64_t allocations = 0;
  for (auto _ : state) {
    const auto allocations_before = allocations_so_far();
    auto made = timed();
    allocations += allocations_so_far() - allocations_before;
    if (!made) {
      state.SkipWithError(made.error().to_string().c_str());
      break;
    }
    state.PauseTiming();
    untimed(*made);
    state.ResumeTiming();
  }
  const auto controls = static_cast<std::int64_t>(state.iterations()) * state.range(0);
  state.SetItemsProcessed(controls);
  state.counters["allocs_per_control"] = static_cast<double>(allocations) / static_cast<double>(controls);
  // Seconds per control, so the report shows the per-control time directly.
  state.counters["per_control"] =
      benchmark::Counter(static_cast<double>(controls), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void unload(std::shared_ptr<Form>& form) { form->desktop()->unload(*form); }

void BM_LoadForm(benchmark::State& state) {
  QuietDesktop session;
  const std::string text = form_text(static_cast<int>(state.range(0)));
  measure_per_control(
      state,
      [&]() -> Expected<std::shared_ptr<Form>> {
        auto doc = parse_form(text, "bench.frm");
        if (!doc) return doc.error();
        return load_form(session.desktop(), *doc, "bench.frm");
      },
      unload);
}
BENCHMARK(BM_LoadForm)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

// The two halves of BM_LoadForm on their own, to tell which one a change
// moved: reading the text into blocks, and checking and building the form
// from blocks already read.
void BM_LoadForm_ParseOnly(benchmark::State& state) {
  const std::string text = form_text(static_cast<int>(state.range(0)));
  measure_per_control(
      state, [&] { return parse_form(text, "bench.frm"); }, [](FormDocument& doc) { doc = FormDocument{}; });
}
BENCHMARK(BM_LoadForm_ParseOnly)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_LoadForm_BuildOnly(benchmark::State& state) {
  QuietDesktop session;
  const auto doc = parse_form(form_text(static_cast<int>(state.range(0))), "bench.frm");
  if (!doc) {
    state.SkipWithError(doc.error().to_string().c_str());
    return;
  }
  measure_per_control(
      state, [&] { return load_form(session.desktop(), *doc, "bench.frm"); }, unload);
}
BENCHMARK(BM_LoadForm_BuildOnly)->Arg(1000)->Unit(benchmark::kMicrosecond);

// The yardstick: copying the text of the 1000-control form once.
void BM_Baseline_MemcpyFormText(benchmark::State& state) {
  const std::string text = form_text(static_cast<int>(state.range(0)));
  std::vector<char> copy(text.size());
  for (auto _ : state) {
    std::memcpy(copy.data(), text.data(), text.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_Baseline_MemcpyFormText)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace okit::bench

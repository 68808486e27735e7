// peer_probe: measures one run of a dialog program from outside, through the
// X server and /proc, the same way whatever toolkit drew it. It prints one
// line of NAME=VALUE pairs (see usage()).

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "child_process.h"
#include "process_stats.h"
#include "x_session.h"

namespace {

const char* const kUsage = R"(usage: peer_probe [OPTIONS] -- PROGRAM [ARGS...]
Starts PROGRAM on $DISPLAY and prints, on one line:
  startup_ms     from just before exec until the window titled TITLE last
                 changed before its pixels stayed still for SETTLE ms
  rss_kib, pss_kib   resident and proportional set size after that frame
  idle_cpu_ms_per_10s, idle_wakeups_per_10s   (--idle) CPU time and context
                 switches of all threads while the window has the focus and
                 the mouse is away, scaled to 10 s
  key_median_ms, key_p95_ms   (--keys) from each XTest key press into BOX
                 until BOX's pixels change
Options:
  --title TITLE    the window to watch (default "Sign in")
  --settle MS      quiet time that ends the first frame (default 300)
  --timeout S      give up on the first frame after S seconds (default 30)
  --idle S         measure S seconds of idling (default 0: do not)
  --keys N         time N key presses (default 0: do not); needs --box
  --box X,Y,W,H    the box typed into, in window pixels; it is clicked first
  --maps FILE      write the program file and every shared object it maps
)";

struct Options {
  std::string title = "Sign in";
  int settle_ms = 300;
  int timeout_s = 30;
  int idle_s = 0;
  int keys = 0;
  Rect box;
  std::string maps_file;
  std::vector<std::string> program;
};

int parse_count(const std::string& option, const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0)
    throw std::invalid_argument(option + ": expected a whole number, got \"" + text + "\"");
  return value;
}

Rect parse_rect(const std::string& text) {
  std::vector<int> parts;
  std::size_t start = 0;
  while (start <= text.size()) {
    const auto comma = std::min(text.find(',', start), text.size());
    parts.push_back(parse_count("--box", text.substr(start, comma - start)));
    start = comma + 1;
  }
  if (parts.size() != 4 || parts[2] == 0 || parts[3] == 0)
    throw std::invalid_argument("--box: expected X,Y,WIDTH,HEIGHT, got \"" + text + "\"");
  return {parts[0], parts[1], parts[2], parts[3]};
}

Options parse_options(int argc, char** argv) {
  Options options;
  int i = 1;
  const auto value_of = [&](const std::string& option) -> std::string {
    if (i + 1 >= argc) throw std::invalid_argument(option + " needs a value");
    return argv[++i];
  };
  for (; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--") break;
    if (arg == "--title") options.title = value_of(arg);
    else if (arg == "--settle") options.settle_ms = parse_count(arg, value_of(arg));
    else if (arg == "--timeout") options.timeout_s = parse_count(arg, value_of(arg));
    else if (arg == "--idle") options.idle_s = parse_count(arg, value_of(arg));
    else if (arg == "--keys") options.keys = parse_count(arg, value_of(arg));
    else if (arg == "--box") options.box = parse_rect(value_of(arg));
    else if (arg == "--maps") options.maps_file = value_of(arg);
    else throw std::invalid_argument("unknown option " + arg);
  }
  options.program.assign(argv + std::min(i + 1, argc), argv + argc);
  if (options.program.empty()) throw std::invalid_argument("no program given after --");
  if (options.keys > 0 && options.box.width == 0) throw std::invalid_argument("--keys needs --box");
  return options;
}

double milliseconds(Clock::duration span) { return std::chrono::duration<double, std::milli>(span).count(); }

// The value below which `share` of `sorted` lies (nearest rank).
double percentile(const std::vector<double>& sorted, double share) {
  const auto rank = static_cast<std::size_t>(std::ceil(share * static_cast<double>(sorted.size())));
  return sorted[std::max<std::size_t>(rank, 1) - 1];
}

void sleep_ms(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// The result line, printed only once every measurement worked.
class Report {
 public:
  void add(const char* name, double value) {
    char pair[64];
    // Hundredths: key answers take well under a millisecond.
    std::snprintf(pair, sizeof pair, "%s%s=%.2f", line_.empty() ? "" : " ", name, value);
    line_ += pair;
  }
  const std::string& line() const { return line_; }

 private:
  std::string line_;
};

void measure_idle(XSession& x, ChildProcess& child, int seconds, Report& report) {
  // A window manager gives a new dialog the focus; the pointer rests
  // elsewhere. A second lets what that starts (a caret, an active look) draw.
  x.focus_watched_window();
  x.move_pointer_outside();
  sleep_ms(1000);
  const auto before = read_thread_counters(child.pid());
  sleep_ms(seconds * 1000);
  child.check_running();
  const auto after = read_thread_counters(child.pid());
  const double per_10s = 10.0 / seconds;
  report.add("idle_cpu_ms_per_10s", static_cast<double>(after.cpu_ns - before.cpu_ns) / 1e6 * per_10s);
  report.add("idle_wakeups_per_10s", static_cast<double>(after.context_switches - before.context_switches) * per_10s);
}

void measure_keys(XSession& x, ChildProcess& child, const Rect& box, int keys, Report& report) {
  x.focus_watched_window();
  x.click(box.x + box.width / 2, box.y + box.height / 2);
  sleep_ms(500);
  std::vector<double> latencies;
  for (int i = 0; i < keys; ++i) {
    const char letter = static_cast<char>('a' + i % 26);
    const auto before = x.capture(box);
    const auto pressed_at = Clock::now();
    x.press_letter(letter);
    const auto changed_at = x.wait_for_change(box, before, pressed_at + std::chrono::seconds(2));
    x.release_letter(letter);
    child.check_running();
    if (!changed_at) throw std::runtime_error("key " + std::to_string(i + 1) + " changed nothing in the box within 2 s");
    latencies.push_back(milliseconds(*changed_at - pressed_at));
    // Lets the release and any follow-up drawing pass before the next key.
    sleep_ms(100);
  }
  std::sort(latencies.begin(), latencies.end());
  report.add("key_median_ms", percentile(latencies, 0.5));
  report.add("key_p95_ms", percentile(latencies, 0.95));
}

void write_maps(ChildProcess& child, const std::string& path) {
  std::ofstream out(path);
  for (const auto& file : read_mapped_code(child.pid())) out << file << '\n';
  if (!out) throw std::runtime_error("cannot write " + path);
}

void run(const Options& options) {
  XSession x;
  // A pointer left over the place where the window opens (by an earlier
  // run's clicks) would start hover animations that delay the first
  // complete frame.
  x.move_pointer_outside();
  const auto started_at = Clock::now();
  ChildProcess child(options.program);
  const auto deadline = started_at + std::chrono::seconds(options.timeout_s);
  x.watch(x.wait_for_window(options.title, deadline, [&] { child.check_running(); }));
  const auto first_frame = x.wait_until_quiet(Clock::now(), std::chrono::milliseconds(options.settle_ms), deadline);
  child.check_running();
  const auto memory = read_memory_use(child.pid());
  Report report;
  report.add("startup_ms", milliseconds(first_frame - started_at));
  report.add("rss_kib", static_cast<double>(memory.rss_kib));
  report.add("pss_kib", static_cast<double>(memory.pss_kib));
  if (options.idle_s > 0) measure_idle(x, child, options.idle_s, report);
  if (options.keys > 0) measure_keys(x, child, options.box, options.keys, report);
  // Last, so that what the program loaded on demand (input methods, the
  // accessibility bridge) is in it.
  if (!options.maps_file.empty()) write_maps(child, options.maps_file);
  std::cout << report.line() << std::endl;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  try {
    options = parse_options(argc, argv);
  } catch (const std::invalid_argument& error) {
    std::cerr << "peer_probe: " << error.what() << "\n" << kUsage;
    return 2;
  }
  try {
    run(options);
  } catch (const std::exception& error) {
    std::cerr << "peer_probe: " << options.program.front() << ": " << error.what() << '\n';
    return 1;
  }
  return 0;
}

// Timers on the injected clock: firing order, the minimum period, restarting
// on enable, and timers that go away while they are due.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/desktop.h"
#include "host/elements/timer.h"
#include "controls_desktop.h"

namespace okit {
namespace {

struct FiringLog : EventSink {
  explicit FiringLog(const Desktop& clock) : desktop(clock) {}
  const Desktop& desktop;
  std::vector<std::string> fired;
  std::function<void(Element&)> on_fire;
  void element_event(Element& source, std::string_view, std::span<Value>) override {
    fired.push_back(source.name() + "@" + std::to_string(static_cast<int>(desktop.now())));
    if (on_fire) on_fire(source);
  }
};

class Timers : public ::testing::Test {
 protected:
  std::shared_ptr<Timer> make(const char* name, int interval) {
    auto t = std::make_shared<Timer>(name);
    form->add_child(t);
    t->set_sink(&log);
    t->put_Interval(interval);
    return t;
  }
  testing::ControlsDesktop desktop;
  std::shared_ptr<Form> form = desktop.create_form("Clock");
  FiringLog log{desktop};
};

TEST_F(Timers, FireInTimeOrderWithTiesInCreationOrderAndTheMinimumPeriod) {
  auto a = make("A", 25);
  auto b = make("B", 10);
  auto c = make("C", 1);  // raised to the 10 ms minimum
  desktop.advance(30);
  EXPECT_EQ(log.fired, (std::vector<std::string>{"B@10", "C@10", "B@20", "C@20", "A@25", "B@30", "C@30"}));
  EXPECT_EQ(desktop.now(), 30);

  log.fired.clear();
  desktop.timers().set_minimum_period(1);
  c->put_Enabled(false);
  c->put_Enabled(true);
  desktop.advance(2);
  EXPECT_EQ(log.fired, (std::vector<std::string>{"C@31", "C@32"}));
}

TEST_F(Timers, EnablingRestartsTheCountButReassigningTrueDoesNot) {
  auto t = make("T", 10);
  desktop.advance(7);
  t->put_Enabled(true);  // already running: still due at 10
  desktop.advance(3);
  EXPECT_EQ(log.fired, (std::vector<std::string>{"T@10"}));
  desktop.advance(5);
  t->put_Enabled(false);
  t->put_Enabled(true);  // restarts at 15: next at 25
  desktop.advance(9);
  EXPECT_EQ(log.fired.size(), 1u);
  desktop.advance(1);
  EXPECT_EQ(log.fired.back(), "T@25");
}

TEST_F(Timers, AHandlerMayStopOrDestroyTimersThatAreDue) {
  auto first = make("First", 10);
  auto second = make("Second", 10);
  log.on_fire = [&](Element& source) {
    if (source.name() == "First") {
      second->destroy();
      second.reset();
      first->put_Enabled(false);
    }
  };
  desktop.advance(50);
  EXPECT_EQ(log.fired, (std::vector<std::string>{"First@10"}));
}

TEST_F(Timers, ZeroIntervalNeverFires) {
  auto t = make("T", 0);
  desktop.advance(100);
  EXPECT_TRUE(log.fired.empty());
  EXPECT_LT(desktop.timers().next_due(), 0);
}

}  // namespace
}  // namespace okit

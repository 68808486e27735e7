// Timers on the injected clock: firing order, the minimum period, restarting
// on enable, and timers that go away while they are due.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/desktop.h"
#include "host/elements/timer.h"

namespace okit {
namespace {

struct FiringLog : EventSink {
  std::vector<std::string> fired;
  std::function<void(Element&)> on_fire;
  void element_event(Element& source, std::string_view, std::span<Value>) override {
    fired.push_back(source.name() + "@" + std::to_string(static_cast<int>(Desktop::current().now())));
    if (on_fire) on_fire(source);
  }
};

class Timers : public ::testing::Test {
 protected:
  void SetUp() override { Desktop::current().reset(); }
  void TearDown() override { Desktop::current().reset(); }
  std::shared_ptr<Timer> make(const char* name, int interval) {
    auto t = std::make_shared<Timer>(name);
    t->set_sink(&log);
    t->put_Interval(interval);
    return t;
  }
  FiringLog log;
};

TEST_F(Timers, FireInTimeOrderWithTiesInCreationOrderAndTheMinimumPeriod) {
  auto a = make("A", 25);
  auto b = make("B", 10);
  auto c = make("C", 1);  // raised to the 10 ms minimum
  Desktop::current().advance(30);
  EXPECT_EQ(log.fired, (std::vector<std::string>{"B@10", "C@10", "B@20", "C@20", "A@25", "B@30", "C@30"}));
  EXPECT_EQ(Desktop::current().now(), 30);

  log.fired.clear();
  Desktop::current().timers().set_minimum_period(1);
  c->put_Enabled(false);
  c->put_Enabled(true);
  Desktop::current().advance(2);
  EXPECT_EQ(log.fired, (std::vector<std::string>{"C@31", "C@32"}));
}

TEST_F(Timers, EnablingRestartsTheCountButReassigningTrueDoesNot) {
  auto t = make("T", 10);
  Desktop::current().advance(7);
  t->put_Enabled(true);  // already running: still due at 10
  Desktop::current().advance(3);
  EXPECT_EQ(log.fired, (std::vector<std::string>{"T@10"}));
  Desktop::current().advance(5);
  t->put_Enabled(false);
  t->put_Enabled(true);  // restarts at 15: next at 25
  Desktop::current().advance(9);
  EXPECT_EQ(log.fired.size(), 1u);
  Desktop::current().advance(1);
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
  Desktop::current().advance(50);
  EXPECT_EQ(log.fired, (std::vector<std::string>{"First@10"}));
}

TEST_F(Timers, ZeroIntervalNeverFires) {
  auto t = make("T", 0);
  Desktop::current().advance(100);
  EXPECT_TRUE(log.fired.empty());
  EXPECT_LT(Desktop::current().timers().next_due(), 0);
}

}  // namespace
}  // namespace okit

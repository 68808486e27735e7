#pragma once
// Timer: raises `Timer` every Interval milliseconds while enabled. Enabling
// it (or enabling it again after it was off) restarts its count; assigning
// True to a running timer leaves the count alone. A timer runs on the queue
// of its desktop; one enabled while on no desktop starts when it joins one.

#include <cstdint>

#include "host/element.h"
#include "host/export.h"

namespace okit {

class TimerQueue;

class OKIT_EXPORT Timer : public Element {
 public:
  // `host`: for a timer in no element tree (an edit field's caret), the
  // element whose desktop it runs on.
  explicit Timer(std::string name, const Element* host = nullptr);
  ~Timer() override;
  const ClassInfo& class_info() const override;
  Description describe() override;
  bool hit_testable() const override { return false; }

  std::int32_t Interval() const { return interval_; }
  void put_Interval(std::int32_t ms);
  bool Enabled() const { return enabled(); }
  void put_Enabled(bool v);

  // Called by the timer queue when the timer is due.
  void fire();
  std::uint64_t creation_order() const { return creation_order_; }

 protected:
  void on_destroy() override;
  void on_joined(Desktop& desktop) override;

 private:
  void start();
  void stop();
  // An interval of 0 disables the timer as surely as Enabled = False.
  bool should_run() const { return enabled() && interval_ > 0 && alive(); }
  const Element* host_;
  // The queue the timer is running on, or nullptr while it is not running:
  // a tick that re-enables a running timer asks only this.
  TimerQueue* queue_ = nullptr;
  std::int32_t interval_ = 0;
  std::uint64_t creation_order_;
};

}  // namespace okit

#pragma once
// Timer: raises `Timer` every Interval milliseconds while enabled. Enabling
// it (or enabling it again after it was off) restarts its count; assigning
// True to a running timer leaves the count alone.

#include <cstdint>

#include "host/element.h"

namespace okit {

class Timer : public Element {
 public:
  explicit Timer(std::string name);
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

 private:
  // An interval of 0 disables the timer as surely as Enabled = False.
  bool should_run() const { return enabled() && interval_ > 0 && alive(); }
  std::int32_t interval_ = 0;
  std::uint64_t creation_order_;
};

}  // namespace okit

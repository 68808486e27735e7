#pragma once
// Run mode: the form being designed runs as `okit run` runs it, in a child
// process of its own, so nothing the form does at run time (its handlers,
// its timers, a crash) can touch the document in the designer.

#include <string>

#include "host/expected.h"

namespace okit {

class FormRun {
 public:
  FormRun() = default;
  FormRun(const FormRun&) = delete;
  FormRun& operator=(const FormRun&) = delete;
  // Ends a run still going.
  ~FormRun();

  // Writes `form_text` to a scratch file named after the form and starts
  // `okit run` on it. Fails with a message when the file or the process
  // cannot be made.
  Expected<bool> start(const std::string& form_text, const std::string& form_name);
  // Whether the run goes on; once it has ended, its scratch file is gone.
  bool running();

 private:
  void clean_up();

  int pid_ = -1;
  std::string folder_;
};

}  // namespace okit

#include "app/designer/form_run.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace okit {

namespace {

namespace fs = std::filesystem;

LoadError run_error(const std::string& what) { return LoadError{"okit design", 0, what}; }

}  // namespace

FormRun::~FormRun() {
  if (pid_ > 0) {
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }
  clean_up();
}

Expected<bool> FormRun::start(const std::string& form_text, const std::string& form_name) {
  if (running()) return run_error("the form is running already");
  std::string pattern = (fs::temp_directory_path() / "okit-run-XXXXXX").string();
  if (!::mkdtemp(pattern.data()))
    return run_error(std::string("cannot make a scratch folder: ") + std::strerror(errno));
  folder_ = pattern;
  const std::string file = (fs::path(folder_) / (form_name + ".frm")).string();
  std::ofstream out(file, std::ios::binary);
  out << form_text;
  out.close();
  if (!out) {
    clean_up();
    return run_error("cannot write " + file);
  }
  // The running program is okit itself.
  const std::string self = fs::read_symlink("/proc/self/exe").string();
  // Made before forking: the child of a program with threads may only exec.
  std::vector<char*> argv = {const_cast<char*>(self.c_str()), const_cast<char*>("run"),
                             const_cast<char*>(file.c_str()), nullptr};
  const pid_t pid = ::fork();
  if (pid < 0) {
    clean_up();
    return run_error(std::string("cannot start okit run: ") + std::strerror(errno));
  }
  if (pid == 0) {
    ::execv(self.c_str(), argv.data());
    ::_exit(127);
  }
  pid_ = pid;
  return true;
}

bool FormRun::running() {
  if (pid_ <= 0) return false;
  if (::waitpid(pid_, nullptr, WNOHANG) == 0) return true;
  pid_ = -1;
  clean_up();
  return false;
}

void FormRun::clean_up() {
  if (folder_.empty()) return;
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
  folder_.clear();
}

}  // namespace okit

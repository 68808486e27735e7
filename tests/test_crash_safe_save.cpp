// Saves that fail at any step leave the old file or the new one, whole, and
// no temporary file: each system call a save makes is failed in turn through
// the SaveCalls table, and real faults (a full file system, folders in the
// way, links, permissions) are made where the machine allows.

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>

#include "host/save_calls.h"
#include "host/whole_file.h"
#include "temp_dir.h"

namespace okit {
namespace {

namespace fs = std::filesystem;

// The steps of a save, as the faulty calls below tell them apart.
enum class Step { CreateTemporary, Write, SetMode, SyncFile, CloseFile, Rename, OpenFolder, SyncFolder };

struct Fault {
  Step step;
  int error;
};

std::optional<Fault> injected;  // what the faulty calls make fail, if anything

// True, with errno set, when `step` is the one to fail.
bool fails(Step step) {
  if (!injected || injected->step != step) return false;
  errno = injected->error;
  return true;
}

bool is_folder(int fd) {
  struct stat status {};
  return ::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode);
}

const SaveCalls kFaultyCalls{
    [](const char* path, int flags, mode_t mode) {
      return fails(fs::is_directory(path) ? Step::OpenFolder : Step::CreateTemporary)
                 ? -1
                 : system_save_calls().open(path, flags, mode);
    },
    [](int fd, const void* data, std::size_t size) -> ssize_t {
      return fails(Step::Write) ? -1 : system_save_calls().write(fd, data, size);
    },
    [](int fd, mode_t mode) { return fails(Step::SetMode) ? -1 : system_save_calls().fchmod(fd, mode); },
    [](int fd) { return fails(is_folder(fd) ? Step::SyncFolder : Step::SyncFile) ? -1 : system_save_calls().fsync(fd); },
    [](int fd) {
      // Linux releases the descriptor even when close reports an error.
      const bool folder = is_folder(fd);
      const int closed = system_save_calls().close(fd);
      return !folder && fails(Step::CloseFile) ? -1 : closed;
    },
    [](const char* from, const char* to) { return fails(Step::Rename) ? -1 : system_save_calls().rename(from, to); },
};

// Makes saves fail at `step` with `error` while it lives.
class InjectedFault {
 public:
  InjectedFault(Step step, int error) : calls_(kFaultyCalls) { injected = Fault{step, error}; }
  ~InjectedFault() { injected.reset(); }

 private:
  SaveCallsOverride calls_;
};

class ScopedUmask {
 public:
  explicit ScopedUmask(mode_t mask) : previous_(::umask(mask)) {}
  ~ScopedUmask() { ::umask(previous_); }

 private:
  mode_t previous_;
};

std::string read_text(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void write_text(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

mode_t mode_of(const fs::path& path) {
  struct stat status {};
  ::stat(path.c_str(), &status);
  return status.st_mode & 07777;
}

// The names in `folder`: a temporary file left behind shows up here.
std::set<std::string> names_in(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

std::string reason(int error) { return std::strerror(error); }

class CrashSafeSave : public ::testing::Test {
 protected:
  // A failed save of `target` whose error names it and says `why`.
  static void expect_refused(const Expected<bool>& saved, const fs::path& target, const std::string& why) {
    ASSERT_FALSE(saved.has_value());
    EXPECT_EQ(saved.error().file, target.string());
    EXPECT_NE(saved.error().message.find(why), std::string::npos) << saved.error().to_string();
  }

  testing::TempDir temp_{"okit_save"};
  const fs::path& dir_ = temp_.path();
};

TEST_F(CrashSafeSave, EachFailingStepLeavesTheOldOrTheNewFileWholeAndNoTemporary) {
  struct Case {
    const char* name;
    Step step;
    int error;
    bool renamed;  // the step comes after the rename, so the new file is in place
  };
  const Case cases[] = {
      {"create", Step::CreateTemporary, EIO, false}, {"write", Step::Write, EIO, false},
      {"write", Step::Write, ENOSPC, false},         {"fchmod", Step::SetMode, EIO, false},
      {"fsync", Step::SyncFile, EIO, false},         {"close", Step::CloseFile, EIO, false},
      {"rename", Step::Rename, EIO, false},          {"folder open", Step::OpenFolder, EIO, true},
      {"folder fsync", Step::SyncFolder, EIO, true},
  };
  const fs::path target = dir_ / "form.frm";
  const std::string old_text = "VERSION 5.00\nthe old form\n";
  const std::string new_text = std::string("VERSION 5.00\n").append(200000, 'n').append("\n");
  for (const Case& c : cases) {
    for (const bool existed : {true, false}) {
      // A new file is created with its mode, so nothing sets it afterwards.
      if (!existed && c.step == Step::SetMode) continue;
      SCOPED_TRACE(std::string(c.name).append(existed ? " over an old file: " : " of a new file: ") + reason(c.error));
      fs::remove(target);
      if (existed) write_text(target, old_text);

      Expected<bool> saved = [&] {
        InjectedFault fault(c.step, c.error);
        return replace_file(target.string(), new_text);
      }();

      expect_refused(saved, target, reason(c.error));
      if (c.renamed) {
        EXPECT_EQ(read_text(target), new_text);
        EXPECT_NE(saved.error().message.find("written but may not be on disk yet"), std::string::npos);
      } else if (existed) {
        EXPECT_EQ(read_text(target), old_text);
        EXPECT_NE(saved.error().message.find("nothing was saved"), std::string::npos);
      }
      const bool target_there = existed || c.renamed;
      EXPECT_EQ(names_in(dir_), target_there ? std::set<std::string>{"form.frm"} : std::set<std::string>{});
    }
  }
}

TEST_F(CrashSafeSave, ShortWritesAndInterruptedCallsStillSaveEverything) {
  // Writes take at most 7 bytes and every other call is cut short by a
  // signal, as is the first fsync.
  static int writes = 0;
  static int syncs = 0;
  SaveCalls stuttering = system_save_calls();
  stuttering.write = [](int fd, const void* data, std::size_t size) -> ssize_t {
    if (++writes % 2 == 0) {
      errno = EINTR;
      return -1;
    }
    return system_save_calls().write(fd, data, std::min<std::size_t>(size, 7));
  };
  stuttering.fsync = [](int fd) {
    if (++syncs == 1) {
      errno = EINTR;
      return -1;
    }
    return system_save_calls().fsync(fd);
  };
  const fs::path target = dir_ / "form.frm";
  write_text(target, "old");
  const std::string text = "VERSION 5.00\nBegin Host.Form Form1\nEnd\n";
  {
    SaveCallsOverride override_calls(stuttering);
    ASSERT_TRUE(replace_file(target.string(), text).has_value());
  }
  EXPECT_EQ(read_text(target), text);
  EXPECT_EQ(names_in(dir_), std::set<std::string>{"form.frm"});
}

TEST_F(CrashSafeSave, PlacesThatCannotTakeTheFileNameItAndTheReason) {
  const fs::path folder_target = dir_ / "taken";
  fs::create_directory(folder_target);
  write_text(folder_target / "inside", "keep");
  expect_refused(replace_file(folder_target.string(), "new"), folder_target, reason(EISDIR));
  EXPECT_EQ(read_text(folder_target / "inside"), "keep");

  const fs::path pipe = dir_ / "pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  expect_refused(replace_file(pipe.string(), "new"), pipe, "device, pipe or socket");
  EXPECT_TRUE(fs::is_fifo(pipe));

  const fs::path in_missing_folder = dir_ / "missing" / "form.frm";
  expect_refused(replace_file(in_missing_folder.string(), "new"), in_missing_folder, reason(ENOENT));
  EXPECT_EQ(names_in(dir_), (std::set<std::string>{"pipe", "taken"}));

  // Permissions do not stop root, so there the refusal is simulated.
  const fs::path locked = dir_ / "locked";
  fs::create_directory(locked);
  const fs::path in_locked_folder = locked / "form.frm";
  write_text(in_locked_folder, "old");
  fs::permissions(locked, fs::perms(0555));
  const bool root = ::geteuid() == 0;
  Expected<bool> saved = [&] {
    std::optional<InjectedFault> simulated;
    if (root) simulated.emplace(Step::CreateTemporary, EROFS);
    return replace_file(in_locked_folder.string(), "new");
  }();
  fs::permissions(locked, fs::perms(0755));
  expect_refused(saved, in_locked_folder, reason(root ? EROFS : EACCES));
  EXPECT_EQ(read_text(in_locked_folder), "old");
  EXPECT_EQ(names_in(locked), std::set<std::string>{"form.frm"});
}

// A tmpfs of 64 KiB mounted on a folder, unmounted again at the end.
class SmallFileSystem {
 public:
  explicit SmallFileSystem(const fs::path& folder) : folder_(folder) {
    fs::create_directory(folder_);
    if (::mount("okit_save_test", folder_.c_str(), "tmpfs", 0, "size=64k") != 0) failure_ = reason(errno);
  }
  ~SmallFileSystem() {
    if (failure_.empty()) ::umount2(folder_.c_str(), MNT_DETACH);
  }
  SmallFileSystem(const SmallFileSystem&) = delete;
  SmallFileSystem& operator=(const SmallFileSystem&) = delete;

  // Why it could not be mounted, or nothing when it is.
  const std::string& failure() const { return failure_; }

 private:
  fs::path folder_;
  std::string failure_;
};

TEST_F(CrashSafeSave, AFullFileSystemKeepsTheOldFileAndFreesTheSpace) {
  const SmallFileSystem small(dir_ / "small");
  if (!small.failure().empty()) GTEST_SKIP() << "cannot mount a 64 KiB tmpfs here: " << small.failure();
  const fs::path target = dir_ / "small" / "form.frm";

  const std::string old_text(40 * 1024, 'o');
  write_text(target, old_text);
  // Larger than the whole file system; then one that fits alone but not
  // beside the old file, which must stay until the new one is complete.
  for (const std::size_t size : {100 * 1024, 40 * 1024}) {
    SCOPED_TRACE(size);
    expect_refused(replace_file(target.string(), std::string(size, 'n')), target, reason(ENOSPC));
    EXPECT_EQ(read_text(target), old_text);
    EXPECT_EQ(names_in(target.parent_path()), std::set<std::string>{"form.frm"});
  }
  // The failed temporary files gave their space back.
  const std::string fits(16 * 1024, 'f');
  ASSERT_TRUE(replace_file(target.string(), fits).has_value());
  EXPECT_EQ(read_text(target), fits);
}

TEST_F(CrashSafeSave, LinksStayAndTheFileTheyEndAtIsSaved) {
  fs::create_directories(dir_ / "forms");
  fs::create_directories(dir_ / "links");
  const fs::path real = dir_ / "forms" / "real.frm";
  write_text(real, "old");
  fs::permissions(real, fs::perms(0640));
  // Each relative link is taken from its own folder, not the first link's
  // or the current one.
  fs::create_symlink("../forms/real.frm", dir_ / "links" / "second");
  fs::create_symlink("links/second", dir_ / "first");
  fs::create_symlink(dir_ / "first", dir_ / "absolute");

  ASSERT_TRUE(replace_file((dir_ / "first").string(), "through relative links").has_value());
  EXPECT_EQ(read_text(real), "through relative links");
  ASSERT_TRUE(replace_file((dir_ / "absolute").string(), "through an absolute link").has_value());
  EXPECT_EQ(read_text(real), "through an absolute link");
  EXPECT_EQ(fs::read_symlink(dir_ / "first"), "links/second");
  EXPECT_EQ(fs::read_symlink(dir_ / "links" / "second"), "../forms/real.frm");
  EXPECT_EQ(fs::read_symlink(dir_ / "absolute"), dir_ / "first");
  EXPECT_EQ(mode_of(real), 0640u);
  EXPECT_EQ(names_in(dir_ / "forms"), std::set<std::string>{"real.frm"});
  EXPECT_EQ(names_in(dir_ / "links"), std::set<std::string>{"second"});

  // A link to nothing yet: the save creates the file it names.
  fs::create_symlink("forms/new.frm", dir_ / "dangling");
  ASSERT_TRUE(replace_file((dir_ / "dangling").string(), "created").has_value());
  EXPECT_EQ(read_text(dir_ / "forms" / "new.frm"), "created");
  EXPECT_TRUE(fs::is_symlink(dir_ / "dangling"));

  fs::create_symlink("loop_b", dir_ / "loop_a");
  fs::create_symlink("loop_a", dir_ / "loop_b");
  const std::set<std::string> before = names_in(dir_);
  expect_refused(replace_file((dir_ / "loop_a").string(), "new"), dir_ / "loop_a", reason(ELOOP));
  EXPECT_EQ(names_in(dir_), before);
}

TEST_F(CrashSafeSave, ANameAsLongAsAFolderAllowsStillSaves) {
  const std::string longest(NAME_MAX, 'f');
  const fs::path target = dir_ / longest;
  write_text(target, "old");
  ASSERT_TRUE(replace_file(target.string(), "new").has_value());
  EXPECT_EQ(read_text(target), "new");
  EXPECT_EQ(names_in(dir_), std::set<std::string>{longest});
}

TEST_F(CrashSafeSave, PermissionBitsSurviveAndNewFilesGetTheDefaults) {
  const fs::path target = dir_ / "form.frm";
  {
    // A strict umask would strip bits from a file that only got its
    // creation mode.
    const ScopedUmask strict(077);
    for (const mode_t mode : {0640u, 0755u, 0604u, 0600u}) {
      SCOPED_TRACE(mode);
      write_text(target, "old");
      ASSERT_EQ(::chmod(target.c_str(), mode), 0);
      ASSERT_TRUE(replace_file(target.string(), "new").has_value());
      EXPECT_EQ(mode_of(target), mode);
    }
  }
  for (const mode_t mask : {022u, 027u}) {
    SCOPED_TRACE(mask);
    const ScopedUmask umask(mask);
    fs::remove(target);
    ASSERT_TRUE(replace_file(target.string(), "new").has_value());
    EXPECT_EQ(mode_of(target), 0666u & ~mask);
  }
}

}  // namespace
}  // namespace okit

#pragma once
// The system calls a save makes (replace_file in host/whole_file.h), in one
// table so that a test can make any one of them fail and check what a
// failure at that step leaves on disk. Programs never change it: saves use
// the system's own calls unless a test holds a SaveCallsOverride.

#include <sys/types.h>

#include <cstddef>

namespace okit {

struct SaveCalls {
  // Creates the temporary file, and opens the folder to sync after the rename.
  int (*open)(const char* path, int flags, mode_t mode);
  ssize_t (*write)(int fd, const void* data, std::size_t size);
  // Gives the temporary file the permissions of the file it replaces.
  int (*fchmod)(int fd, mode_t mode);
  // Syncs the temporary file, and the folder after the rename.
  int (*fsync)(int fd);
  int (*close)(int fd);
  int (*rename)(const char* from, const char* to);
};

// The system's own calls, for an override to start from.
const SaveCalls& system_save_calls();

// The calls a save makes now.
const SaveCalls& save_calls();

// Saves use `calls` while this lives, then what they used before. For
// tests: set up on the thread that saves, while no other thread saves.
class SaveCallsOverride {
 public:
  explicit SaveCallsOverride(const SaveCalls& calls);
  ~SaveCallsOverride();
  SaveCallsOverride(const SaveCallsOverride&) = delete;
  SaveCallsOverride& operator=(const SaveCallsOverride&) = delete;

 private:
  SaveCalls calls_;
  const SaveCalls* previous_;
};

}  // namespace okit

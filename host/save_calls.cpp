#include "host/save_calls.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>

namespace okit {

namespace {

// open takes its mode through "...", so it needs a function of the table's type.
int open_file(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }

const SaveCalls kSystemCalls{open_file, ::write, ::fchmod, ::fsync, ::close, std::rename};

std::atomic<const SaveCalls*> current_calls{&kSystemCalls};

}  // namespace

const SaveCalls& system_save_calls() { return kSystemCalls; }

const SaveCalls& save_calls() { return *current_calls.load(); }

SaveCallsOverride::SaveCallsOverride(const SaveCalls& calls)
    : calls_(calls), previous_(current_calls.exchange(&calls_)) {}

SaveCallsOverride::~SaveCallsOverride() { current_calls.store(previous_); }

}  // namespace okit

#include "host/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string_view>

#include "host/save_calls.h"

namespace okit {

namespace fs = std::filesystem;

namespace {

// The kernel's own limit on the links in one path.
constexpr int kMaxLinks = 40;

// The temporary file's name repeats the target's, cut so that the suffix
// still fits within the 255 bytes a file name may have.
constexpr std::size_t kNameRoomInTemporary = 200;

LoadError not_saved(const std::string& path, const std::string& what, int error) {
  return LoadError{path, 0, what + ": " + std::strerror(error) + "; nothing was saved"};
}

// The file a save of `path` replaces: `path` itself, or the end of its chain
// of symbolic links, so that the save changes that file and the links stay.
// A relative link is taken from the link's own folder. A link to nothing
// names the file the save creates.
Expected<fs::path> follow_links(const std::string& path) {
  fs::path file = path;
  for (int links = 0;; ++links) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(file, error))) return file;
    if (links == kMaxLinks) return not_saved(path, "cannot follow its symbolic links", ELOOP);
    const fs::path target = fs::read_symlink(file, error);
    if (error) return not_saved(path, "cannot follow its symbolic link", error.value());
    file = target.is_absolute() ? target : file.parent_path() / target;
  }
}

// fsync, again when a signal cuts it short.
bool sync_descriptor(int fd) {
  int result;
  do result = save_calls().fsync(fd);
  while (result != 0 && errno == EINTR);
  return result == 0;
}

// A new file beside the one a save replaces, removed again unless it was
// renamed over that file.
class Temporary {
 public:
  explicit Temporary(const fs::path& target) : target_(target) {}
  ~Temporary() {
    if (fd_ >= 0) save_calls().close(fd_);
    if (!renamed_ && !path_.empty()) ::unlink(path_.c_str());
  }
  Temporary(const Temporary&) = delete;
  Temporary& operator=(const Temporary&) = delete;

  // Creates it with `mode` less the umask. O_EXCL keeps two savers at once
  // out of each other's temporary files.
  bool create(mode_t mode) {
    std::random_device random;
    const std::string stem =
        std::string(".").append(target_.filename().string().substr(0, kNameRoomInTemporary)).append(".saving-");
    for (int attempt = 0; attempt < 16; ++attempt) {
      const fs::path candidate = target_.parent_path() / (stem + std::to_string(random()));
      fd_ = save_calls().open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
      if (fd_ >= 0) {
        path_ = candidate;
        return true;
      }
      if (errno != EEXIST) return false;
    }
    return false;
  }

  // Writes all of `text`, however few bytes each call takes.
  bool write(std::string_view text) {
    while (!text.empty()) {
      const ssize_t written = save_calls().write(fd_, text.data(), text.size());
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) {
        if (written == 0) errno = EIO;  // a file that takes nothing would loop for ever
        return false;
      }
      text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
  }

  bool set_mode(mode_t mode) { return save_calls().fchmod(fd_, mode) == 0; }
  bool sync() { return sync_descriptor(fd_); }

  // The descriptor is gone after close even when it fails, so it is never
  // closed twice.
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return save_calls().close(fd) == 0;
  }

  bool rename_over_target() {
    renamed_ = save_calls().rename(path_.c_str(), target_.c_str()) == 0;
    return renamed_;
  }

 private:
  fs::path target_;
  fs::path path_;
  int fd_ = -1;
  bool renamed_ = false;
};

// Makes a rename in `folder` durable. A file system that cannot sync a
// folder (EINVAL) keeps its names some other way, so that is no failure.
bool sync_folder(const fs::path& folder) {
  const int fd = save_calls().open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool synced = sync_descriptor(fd) || errno == EINVAL;
  const int saved_errno = errno;
  save_calls().close(fd);
  errno = saved_errno;
  return synced;
}

}  // namespace

std::optional<std::string> read_whole_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Expected<bool> replace_file(const std::string& path, const std::string& text) {
  Expected<fs::path> target = follow_links(path);
  if (!target) return target.error();
  struct stat previous {};
  const bool replacing = ::stat(target->c_str(), &previous) == 0;
  if (replacing && S_ISDIR(previous.st_mode)) return not_saved(path, "cannot replace the file", EISDIR);
  if (replacing && !S_ISREG(previous.st_mode))
    return LoadError{path, 0, "cannot replace the file: it is a device, pipe or socket; nothing was saved"};

  // The temporary file is never more open than the file it becomes.
  const mode_t mode = replacing ? previous.st_mode & 07777 : 0666;
  Temporary temporary(*target);
  if (!temporary.create(mode & 0777)) return not_saved(path, "cannot create a temporary file next to it", errno);
  if (!temporary.write(text)) return not_saved(path, "cannot write the new contents", errno);
  if (replacing && !temporary.set_mode(mode))
    return not_saved(path, "cannot give the new contents the file's permissions", errno);
  if (!temporary.sync()) return not_saved(path, "cannot flush the new contents to disk", errno);
  if (!temporary.close()) return not_saved(path, "cannot finish writing the new contents", errno);
  if (!temporary.rename_over_target()) return not_saved(path, "cannot replace the file", errno);

  const fs::path folder = target->has_parent_path() ? target->parent_path() : fs::path(".");
  if (!sync_folder(folder))
    return LoadError{path, 0, std::string("the file was written but may not be on disk yet: cannot sync its folder: ") +
                                  std::strerror(errno)};
  return true;
}

}  // namespace okit

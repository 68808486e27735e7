#pragma once
// A fresh empty directory for one test, removed when the test ends. The
// process id and the test's name keep parallel runs, and runs from other
// build folders, apart.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace okit::testing {

class TempDir {
 public:
  explicit TempDir(const std::string& prefix)
      : path_(std::filesystem::temp_directory_path() /
              (prefix + "_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempDir() { std::filesystem::remove_all(path_); }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace okit::testing

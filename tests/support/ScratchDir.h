#pragma once
// A fresh folder under the system's temporary folder, removed again at the end of scope.
// Named per process and test, so tests that run at the same time never share one.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

class ScratchDir {
 public:
  ScratchDir() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string name = test ? std::string(test->test_suite_name()) + "." + test->name() : "marv";
    path_ = std::filesystem::temp_directory_path() / ("marv_" + name + "_" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(path_);
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path& sub) const { return path_ / sub; }

 private:
  std::filesystem::path path_;
};

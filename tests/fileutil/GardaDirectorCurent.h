#pragma once
// Puts the process back into the directory it was in, whatever the code
// under test did with the current directory.

#include <filesystem>

namespace vitramor::test {

class CurrentDirGuard {
public:
    CurrentDirGuard() : saved_(std::filesystem::current_path()) {}
    ~CurrentDirGuard() {
        std::error_code ec;
        std::filesystem::current_path(saved_, ec);
    }
    CurrentDirGuard(const CurrentDirGuard&) = delete;
    CurrentDirGuard& operator=(const CurrentDirGuard&) = delete;
    const std::filesystem::path& saved() const { return saved_; }

private:
    std::filesystem::path saved_;
};

}  // namespace vitramor::test

#pragma once
// The tests run as root here, and root walks through read-only directories.
// Dropping the capabilities that bypass file permissions from the effective
// set (they stay permitted, so the destructor takes them back) makes a
// read-only directory stop this process as it would stop any user.

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace vitramor::test {

class PermissionGuard {
public:
    PermissionGuard() {
        header_.version = _LINUX_CAPABILITY_VERSION_3;
        header_.pid = 0;
        if (::syscall(SYS_capget, &header_, saved_) != 0) return;
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
        dropped_ = ::syscall(SYS_capset, &header_, reduced) == 0;
    }
    ~PermissionGuard() {
        if (dropped_) ::syscall(SYS_capset, &header_, saved_);
    }
    PermissionGuard(const PermissionGuard&) = delete;
    PermissionGuard& operator=(const PermissionGuard&) = delete;

private:
    __user_cap_header_struct header_{};
    __user_cap_data_struct saved_[2]{};
    bool dropped_ = false;
};

inline void makeReadOnly(const std::filesystem::path& dir) { ::chmod(dir.c_str(), 0555); }
inline void makeWritable(const std::filesystem::path& dir) { ::chmod(dir.c_str(), 0755); }

// True when a read-only directory really refuses a new file to this process.
inline bool readOnlyDirectoriesHold(const std::filesystem::path& scratch) {
    const auto probe = scratch / "probe-ro";
    std::filesystem::create_directory(probe);
    makeReadOnly(probe);
    const std::string file = (probe / "x").string();
    std::FILE* f = std::fopen(file.c_str(), "wb");
    const bool holds = f == nullptr;
    if (f) std::fclose(f);
    std::remove(file.c_str());
    makeWritable(probe);
    std::filesystem::remove(probe);
    return holds;
}

}  // namespace vitramor::test

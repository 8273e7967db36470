// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_platform.h"

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>

namespace zq61::test {

bool filePermissionsBind() {
    return ::geteuid() != 0;
}

std::string reasonForAFolderInTheWay() {
    return "Is a directory";
}

void setEnvironment(const char* name, const std::string& value) {
    ::setenv(name, value.c_str(), 1);
}

void unsetEnvironment(const char* name) {
    ::unsetenv(name);
}

FileSizeLimit::FileSizeLimit(std::uint64_t bytes) {
    ::rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0) return;
    savedLimit_ = limit.rlim_cur;
    // A write beyond the limit fails with EFBIG instead of ending the test.
    std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = bytes;
    active_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit() {
    if (!active_) return;
    ::rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = savedLimit_;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

}  // namespace zq61::test

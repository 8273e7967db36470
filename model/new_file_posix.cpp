// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/new_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace zq61 {

NewFileResult writeNewFile(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return errno == EEXIST ? NewFileResult::NameTaken : NewFileResult::Failed;
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) done += static_cast<std::size_t>(n);
    }
    ok = ok && ::fsync(fd) == 0;
    // The first failure is the reason; closing must not overwrite it.
    const int error = errno;
    const bool closed = ::close(fd) == 0;
    if (!ok) errno = error;
    return closed && ok ? NewFileResult::Written : NewFileResult::Failed;
}

std::FILE* openFile(const std::filesystem::path& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

}  // namespace zq61

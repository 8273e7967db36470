// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/pseudo_terminal.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

namespace zq61::test {

bool writeAll(int fd, const std::vector<uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

long readWithin(int fd, uint8_t* buffer, std::size_t size, int timeoutMs) {
    pollfd wait{fd, POLLIN, 0};
    const int ready = ::poll(&wait, 1, timeoutMs);
    if (ready <= 0) return ready;
    const ssize_t n = ::read(fd, buffer, size);
    return n < 0 && errno == EAGAIN ? 0 : static_cast<long>(n);
}

std::vector<uint8_t> readAvailable(int fd) {
    std::vector<uint8_t> all;
    uint8_t buffer[256];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
        all.insert(all.end(), buffer, buffer + n);
    return all;
}

int bytesWaiting(int fd) {
    int count = 0;
    return ::ioctl(fd, FIONREAD, &count) == 0 ? count : -1;
}

}  // namespace zq61::test

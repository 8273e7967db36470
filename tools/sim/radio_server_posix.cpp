// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/radio_server.h"

#include <poll.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>

namespace zq61::sim {

namespace {

int64_t steadyNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

constexpr int64_t kNsPerMs = 1'000'000;

}  // namespace

RadioServer::RadioServer(VirtualRadio& radio, int masterFd, ServeOptions options, Log log)
    : radio_(radio), fd_(masterFd), options_(options), log_(std::move(log)), start_(steadyNs()) {}

int64_t RadioServer::now() const {
    return steadyNs() - start_;
}

void RadioServer::run(const volatile std::sig_atomic_t& stop, const sigset_t& waitMask) {
#ifdef __linux__
    // Wake up when a byte is due, not up to 50 us later: paced bytes are
    // 1.04 ms apart.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
#endif
    while (!stop) {
        const int64_t t = now();
        feedDueInput(t);
        writeDueOutput(t);
        if (options_.vanishAfterAnswers > 0 && answers_ >= options_.vanishAfterAnswers &&
            toProgram_.empty()) {
            log_("the device vanishes after " + std::to_string(answers_) + " answers");
            return;
        }

        const int64_t due = nextDue();
        timespec timeout{};
        timespec* wait = nullptr;
        if (due >= 0) {
            const int64_t left = std::max<int64_t>(0, due - now());
            timeout.tv_sec = static_cast<time_t>(left / 1'000'000'000);
            timeout.tv_nsec = static_cast<long>(left % 1'000'000'000);
            wait = &timeout;
        }
        pollfd pfd{fd_, POLLIN, 0};
        const int ready = ppoll(&pfd, 1, wait, &waitMask);
        if (ready < 0) continue;  // a signal: the loop condition decides
        if (pfd.revents & POLLIN) {
            readInput(now());
        } else if (pfd.revents & (POLLHUP | POLLERR)) {
            // No end is open: wait rather than spin.
            timespec pause{0, 20 * kNsPerMs};
            ppoll(nullptr, 0, &pause, &waitMask);
        }
    }
}

void RadioServer::readInput(int64_t t) {
    uint8_t buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n <= 0) return;
        std::vector<uint8_t> bytes(buffer, buffer + n);
        int64_t arrives = t;
        if (options_.pace) {
            arrives = std::max(t, toRadioFree_) + n * kByteTimeNs;
            toRadioFree_ = arrives;
        }
        toRadio_.emplace(arrives, std::move(bytes));
    }
}

void RadioServer::feedDueInput(int64_t t) {
    while (!toRadio_.empty() && toRadio_.begin()->first <= t) {
        const int64_t at = toRadio_.begin()->first;
        const std::vector<uint8_t> bytes = std::move(toRadio_.begin()->second);
        toRadio_.erase(toRadio_.begin());
        if (options_.echo) {
            // The cable's echo is the request itself on the wire: it costs
            // no time of its own.
            log_("echo " + hex(bytes));
            queueOutput(at, bytes, false);
        }
        const int64_t atMs = at / kNsPerMs;
        for (const Chunk& chunk : radio_.receive(bytes, atMs)) {
            queueOutput(at + (chunk.atMs - atMs) * kNsPerMs, chunk.bytes, options_.pace);
            ++answers_;
        }
    }
}

void RadioServer::queueOutput(int64_t atNs, const std::vector<uint8_t>& bytes, bool paced) {
    if (!paced) {
        for (uint8_t b : bytes)
            toProgram_.emplace(atNs, b);
        return;
    }
    int64_t arrives = std::max(atNs, toProgramFree_);
    for (uint8_t b : bytes) {
        arrives += kByteTimeNs;
        toProgram_.emplace(arrives, b);
    }
    toProgramFree_ = arrives;
}

void RadioServer::writeDueOutput(int64_t t) {
    std::vector<uint8_t> due;
    while (!toProgram_.empty() && toProgram_.begin()->first <= t) {
        due.push_back(toProgram_.begin()->second);
        toProgram_.erase(toProgram_.begin());
    }
    size_t done = 0;
    while (done < due.size()) {
        const ssize_t n = ::write(fd_, due.data() + done, due.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            // The program is not reading: what does not fit is lost, as on a
            // cable nobody listens to.
            log_("lost " + std::to_string(due.size() - done) + " bytes: the port is not read");
            return;
        }
    }
}

int64_t RadioServer::nextDue() const {
    int64_t due = -1;
    if (!toRadio_.empty()) due = toRadio_.begin()->first;
    if (!toProgram_.empty() && (due < 0 || toProgram_.begin()->first < due))
        due = toProgram_.begin()->first;
    return due;
}

}  // namespace zq61::sim

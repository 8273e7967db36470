// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the tests need of the system where platforms differ. One
// implementation per platform (test_platform_posix.cpp,
// test_platform_windows.cpp).

#include <cstdint>
#include <string>

namespace zq61::test {

// Whether file permissions keep this process out of a file or folder. Not
// for the superuser; not on Windows, where std::filesystem's permissions
// only set the read-only attribute, which folders ignore.
bool filePermissionsBind();

// What the system says when a file is to be written where a folder of that
// name stands ("Is a directory"; Windows denies it).
std::string reasonForAFolderInTheWay();

void setEnvironment(const char* name, const std::string& value);
void unsetEnvironment(const char* name);

// While it lives, files this process writes cannot grow beyond `bytes`: a
// disk that fills up. active() is false where the system cannot do this.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(std::uint64_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool active() const { return active_; }

  private:
    bool active_ = false;
    std::uint64_t savedLimit_ = 0;
};

}  // namespace zq61::test

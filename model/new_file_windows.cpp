// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/new_file.h"

#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <string>

namespace zq61 {

NewFileResult writeNewFile(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
    // The wide-character call: the path may hold any character, whatever
    // the system's code page.
    int fd = -1;
    const errno_t opened = _wsopen_s(&fd, path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                                     _SH_DENYWR, _S_IREAD | _S_IWRITE);
    if (opened != 0) {
        errno = opened;
        return opened == EEXIST ? NewFileResult::NameTaken : NewFileResult::Failed;
    }
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const auto chunk =
            static_cast<unsigned>(std::min<std::size_t>(bytes.size() - done, INT_MAX));
        const int n = _write(fd, bytes.data() + done, chunk);
        ok = n > 0;
        if (ok) done += static_cast<std::size_t>(n);
    }
    ok = ok && _commit(fd) == 0;  // Windows' fsync
    // The first failure is the reason; closing must not overwrite it.
    const int error = errno;
    const bool closed = _close(fd) == 0;
    if (!ok) errno = error;
    return closed && ok ? NewFileResult::Written : NewFileResult::Failed;
}

std::FILE* openFile(const std::filesystem::path& path, const char* mode) {
    // The wide-character call, as above; the modes used are plain ASCII.
    std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(path.c_str(), wideMode.c_str());
}

}  // namespace zq61

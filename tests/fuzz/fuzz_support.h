// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the fuzz targets share: a scratch folder of this process (in memory
// where the system has one, so that writing files costs no disk time), whole
// files written there, and the check that stops a run.

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace zq61::fuzz {

// Stops the run: libFuzzer keeps the input that got here.
inline void check(bool holds) {
    if (!holds) __builtin_trap();
}

// A folder of this process, made on first use and removed at exit.
inline const std::string& scratchFolder() {
    struct Folder {
        std::string path;
        Folder() {
            const std::filesystem::path base =
                std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
            // Several fuzzing processes may run at once.
            path = (base / ("zq61-fuzz-" + std::to_string(std::random_device{}()))).string();
            std::filesystem::create_directories(path);
        }
        ~Folder() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    };
    static const Folder folder;
    return folder.path;
}

// Writes `bytes` as the whole file (folders made as needed); returns the path.
inline std::string writeScratchFile(const std::string& relative, std::string_view bytes) {
    const std::filesystem::path path = std::filesystem::path(scratchFolder()) / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path.string();
}

}  // namespace zq61::fuzz

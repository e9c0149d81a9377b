#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

// A program folder for one fuzzing process, on a memory file system where
// there is one, so that the writers' flushes cost nothing.
inline const std::filesystem::path& FuzzFolder() {
    // Never destroyed, so that the clean-up at exit can still name it.
    static const std::filesystem::path* folder = [] {
        std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        std::string pattern = (base / "tolmar-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        auto* made = new std::filesystem::path(pattern);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(*folder, ignored);
        });
        return made;
    }();
    return *folder;
}

// Puts the input into the folder as the named file, replacing whatever the
// previous run left there.
inline void PlaceFile(std::string_view name, const std::uint8_t* data, std::size_t size) {
    std::filesystem::remove_all(FuzzFolder());
    std::filesystem::create_directory(FuzzFolder());
    std::ofstream out(FuzzFolder() / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

inline std::string FileBytes(std::string_view name) {
    std::ifstream in(FuzzFolder() / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A saved file read back and saved again must come out the same.
inline void RequireSame(const std::string& first, const std::string& second) {
    if (first != second) {
        std::fprintf(stderr, "a saved file changed when it was loaded and saved again\n");
        std::abort();
    }
}

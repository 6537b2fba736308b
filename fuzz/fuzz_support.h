// SPDX-License-Identifier: GPL-3.0-or-later
// What every fuzz target shares: the check that turns a broken property into a crash libFuzzer
// keeps, a reader that takes the input apart into operations and their arguments, and copies of
// text into exact-size heap blocks so that AddressSanitizer sees a parser read one byte too far.
//
// Header-only; each target is one .cpp file with LLVMFuzzerTestOneInput.
#pragma once

#ifdef _WIN32
#include <process.h>
#else
#include <signal.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

// A property the surface promises. A failure prints what broke and aborts, so libFuzzer saves the
// input as a crash and the corpus replay fails on it.
#define FUZZ_CHECK(condition, what)                                   \
    do {                                                              \
        if (!(condition)) {                                           \
            ::brxw::fuzz::Fail(__FILE__, __LINE__, #condition, what); \
        }                                                             \
    } while (false)

namespace brxw::fuzz {

[[noreturn]] inline void Fail(const char* file, int line, const char* condition,
                              std::string_view what) {
    std::fprintf(stderr, "\nPROPERTY FAILED at %s:%d: %s\n  %.*s\n", file, line, condition,
                 static_cast<int>(what.size()), what.data());
    std::abort();
}

// Text shown in a failure message: printable bytes as they are, the rest as \xNN.
inline std::string Show(std::string_view bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out.push_back(static_cast<char>(c));
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

// A folder of the fuzz target's own, on a memory file system where there is one, so that files
// cost no disk writes: "brxw-fuzz-<name>-<pid>". libFuzzer may end a run without destructors, so
// the folders of processes that are gone are removed when the next one starts.
class ScratchDirectory {
public:
    explicit ScratchDirectory(const std::string& name) {
        namespace fs = std::filesystem;
        const fs::path base =
            fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        const std::string prefix = "brxw-fuzz-" + name + "-";
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(base, error)) {
            const std::string folder = entry.path().filename().string();
            if (folder.rfind(prefix, 0) == 0 &&
                !Running(std::strtol(folder.c_str() + prefix.size(), nullptr, 10))) {
                fs::remove_all(entry.path(), error);
            }
        }
        m_path = base / (prefix + std::to_string(ThisProcess()));
        fs::create_directories(m_path);
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;
    const std::filesystem::path& Path() const { return m_path; }

private:
#ifdef _WIN32
    static long ThisProcess() {
        return _getpid();
    }
    static bool Running(long) {
        return true;
    }  // left for the system's own clean-up
#else
    static long ThisProcess() {
        return static_cast<long>(::getpid());
    }
    static bool Running(long pid) {
        return pid <= 0 || ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
    }
#endif

    std::filesystem::path m_path;
};

// A copy of bytes in a heap block of exactly their size, with nothing readable after them.
class ExactText {
public:
    explicit ExactText(std::string_view bytes)
        : m_size(bytes.size()), m_data(new char[bytes.empty() ? 1 : bytes.size()]) {
        if (!bytes.empty()) {
            std::memcpy(m_data.get(), bytes.data(), bytes.size());
        }
    }
    std::string_view View() const { return {m_data.get(), m_size}; }

private:
    std::size_t m_size;
    std::unique_ptr<char[]> m_data;
};

// Takes an input apart from the front. Every read succeeds: past the end it gives zeros and
// empty pieces, so a target never needs to check the length itself.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size)
        : m_data(reinterpret_cast<const char*>(data)), m_size(size) {}

    bool Empty() const { return m_pos >= m_size; }
    std::size_t Left() const { return m_size - m_pos; }

    std::uint8_t Byte() { return Empty() ? 0 : static_cast<std::uint8_t>(m_data[m_pos++]); }
    std::uint16_t Word() {
        const std::uint16_t low = Byte();
        return static_cast<std::uint16_t>(low | (Byte() << 8));
    }
    std::int32_t Int() {
        std::uint32_t value = Word();
        value |= static_cast<std::uint32_t>(Word()) << 16;
        return static_cast<std::int32_t>(value);
    }
    bool Bool() { return (Byte() & 1) != 0; }

    // Up to n bytes.
    std::string_view Bytes(std::size_t n) {
        n = n < Left() ? n : Left();
        const std::string_view piece(m_data + m_pos, n);
        m_pos += n;
        return piece;
    }
    // A piece whose length is the next byte.
    std::string_view Piece() { return Bytes(Byte()); }
    std::string_view Rest() { return Bytes(Left()); }

private:
    const char* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

}  // namespace brxw::fuzz

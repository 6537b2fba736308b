// SPDX-License-Identifier: GPL-3.0-or-later
// The reception slot: the one file transfer in progress (only one at a time, whatever its kind),
// written into the working directory under a name that cannot leave it.
//
// The file is written to a temporary file beside its final name and renamed over it at the end,
// so an existing file (or a symbolic link in its place) is replaced, never followed, and a
// transfer cut off by a lost link leaves the old file whole. Owned by the Dispatcher.
#pragma once

#include <QString>
#include <QTemporaryFile>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace brxw {

// Stands for a name from the server that is refused as a file name.
inline constexpr std::string_view kRefusedNameReplacement = "brx_received.txt";

// A plain file name for the working directory from a name the server gave: the part after the
// last "/" or "\"; kRefusedNameReplacement when that is empty, starts with a dot (".", "..",
// and hidden files such as ".bashrc", which would land among the operator's own settings), has a
// drive prefix, control characters, more than 255 bytes, or is a name Windows reserves for a
// device.
std::string SafeFileName(std::string_view serverName);

// The first frame of a transfer: a name, a zero byte, the size as decimal text. Without the zero
// byte there is no size field, and the size is 0.
struct TransferAnnouncement {
    std::string name;
    std::int32_t size = 0;
    bool operator==(const TransferAnnouncement&) const = default;
};
TransferAnnouncement ParseAnnouncement(std::string_view payload);

class Reception {
public:
    explicit Reception(QString directory) : m_directory(std::move(directory)) {}
    ~Reception() { Abort(); }

    bool InProgress() const { return m_announced != 0; }
    std::int32_t Announced() const { return m_announced; }
    // Sum of the data frames so far, kept within 32 bits for the progress indicator.
    std::int32_t Received() const;
    const std::string& Name() const { return m_name; }
    QString Path() const;
    bool FileOpen() const { return m_file != nullptr; }
    // Why the file of the last reception, or of CreateEmpty, could not be written.
    const QString& Failure() const { return m_failure; }

    // Starts a reception into the file `name` (already a safe name). False, with nothing
    // started, when size is 0. The reception runs even when the file cannot be created.
    bool Begin(std::string name, std::int32_t size);
    // Creates the file `name` empty, replacing an existing one. The slot is not touched: a
    // reception in progress goes on.
    bool CreateEmpty(const std::string& name) const;
    void Append(std::string_view piece);
    // Completes the file and returns the slot to idle; false when the file could not be written.
    bool Finish();
    // Drops a transfer in progress: the partial file is discarded and the slot is idle.
    void Abort();

private:
    std::unique_ptr<QTemporaryFile> OpenTemporary() const;
    QString PathOf(const std::string& name) const;
    // Completes `file` and renames it over `name` in the directory; false when that failed.
    bool Commit(std::unique_ptr<QTemporaryFile> file, const std::string& name) const;

    QString m_directory;
    std::int32_t m_announced = 0;
    std::int64_t m_received = 0;
    std::string m_name;
    std::unique_ptr<QTemporaryFile> m_file;  // beside the final name, renamed over it
    mutable QString m_failure;
};

}  // namespace brxw

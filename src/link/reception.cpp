// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/reception.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <array>
#include <cctype>
#include <climits>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

#include "text/charset.h"
#include "text/text_scan.h"

namespace brxw {

namespace {

constexpr std::size_t kMaxNameBytes = 255;

bool IsReservedDeviceName(std::string_view name) {
    // Windows reserves these with or without an extension ("CON", "con.txt", "COM1.log").
    std::string stem(name.substr(0, name.find('.')));
    while (!stem.empty() && (stem.back() == ' ')) {
        stem.pop_back();
    }
    std::transform(stem.begin(), stem.end(), stem.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    static constexpr std::array<std::string_view, 4> kDevices = {"CON", "PRN", "AUX", "NUL"};
    if (std::find(kDevices.begin(), kDevices.end(), stem) != kDevices.end() || stem == "CONIN$" ||
        stem == "CONOUT$") {
        return true;
    }
    return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) &&
           stem[3] >= '0' && stem[3] <= '9';
}

// Puts `from` in the place of `to`: an existing file or a symbolic link named `to` is replaced,
// never written through. Empty when done, else the system's reason.
QString ReplaceFile(const QString& from, const QString& to) {
#ifdef _WIN32
    if (MoveFileExW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(from).utf16()),
                    reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(to).utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0) {
        return {};
    }
    const DWORD error = GetLastError();
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString reason = length > 0 && text != nullptr
                         ? QString::fromWCharArray(text, static_cast<qsizetype>(length)).trimmed()
                         : QStringLiteral("error %1").arg(error);
    LocalFree(text);
    return reason;
#else
    std::error_code error;
    std::filesystem::rename(from.toStdU16String(), to.toStdU16String(), error);
    return error ? QString::fromLocal8Bit(error.message()) : QString();
#endif
}

}  // namespace

std::string SafeFileName(std::string_view serverName) {
    const std::size_t slash = serverName.find_last_of("/\\");
    std::string_view name =
        slash == std::string_view::npos ? serverName : serverName.substr(slash + 1);
    const bool controls = std::any_of(name.begin(), name.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 || u == 0x7F;
    });
    // Characters Windows does not allow in a name, and a drive prefix such as "C:".
    const bool forbidden = name.find_first_of(":*?\"<>|") != std::string_view::npos;
    if (name.empty() || name.front() == '.' || controls || forbidden ||
        name.size() > kMaxNameBytes || IsReservedDeviceName(name)) {
        return std::string(kRefusedNameReplacement);
    }
    return std::string(name);
}

TransferAnnouncement ParseAnnouncement(std::string_view payload) {
    TransferAnnouncement announcement;
    const std::size_t zero = payload.find('\0');
    announcement.name = std::string(payload.substr(0, zero));
    if (zero != std::string_view::npos) {
        const long size = ScanLeadingLong(payload.substr(zero + 1));
        announcement.size = static_cast<std::int32_t>(std::clamp<long>(size, INT32_MIN, INT32_MAX));
    }
    return announcement;
}

std::int32_t Reception::Received() const {
    return static_cast<std::int32_t>(std::min<std::int64_t>(m_received, INT32_MAX));
}

QString Reception::Path() const {
    return PathOf(m_name);
}

QString Reception::PathOf(const std::string& name) const {
    return QDir(m_directory).filePath(AnsiToQString(name));
}

bool Reception::Begin(std::string name, std::int32_t size) {
    Abort();
    m_failure.clear();
    if (size == 0) {
        return false;
    }
    m_announced = size;
    m_received = 0;
    m_name = std::move(name);
    m_file = OpenTemporary();
    return true;
}

std::unique_ptr<QTemporaryFile> Reception::OpenTemporary() const {
    auto file = std::make_unique<QTemporaryFile>(
        QDir(m_directory).filePath(QStringLiteral(".brx_reception_XXXXXX")));
    if (!file->open()) {
        m_failure = file->errorString();
        return nullptr;  // the reception still runs; its data is dropped
    }
    return file;
}

bool Reception::CreateEmpty(const std::string& name) const {
    std::unique_ptr<QTemporaryFile> file = OpenTemporary();
    return file && Commit(std::move(file), name);
}

void Reception::Append(std::string_view piece) {
    m_received += static_cast<std::int64_t>(piece.size());
    if (m_file && m_file->write(piece.data(), static_cast<qint64>(piece.size())) !=
                      static_cast<qint64>(piece.size())) {
        m_failure = m_file->errorString();
        m_file.reset();  // a short write spoils the file: drop it, keep the old one
    }
}

bool Reception::Commit(std::unique_ptr<QTemporaryFile> file, const std::string& name) const {
    if (!file->flush()) {
        m_failure = file->errorString();
        return false;
    }
    // Received files may be private mail: the owner's alone, as the temporary file was
    // created (the umask may have narrowed that further; it is never widened).
    file->setPermissions(file->permissions() & (QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ReadUser | QFileDevice::WriteUser));
    // A QTemporaryFile keeps its handle after close(), and Windows renames no file that is still
    // open: the object goes first, and the file is renamed by its path.
    const QString temporary = file->fileName();
    file->setAutoRemove(false);
    file.reset();
    const QString reason = ReplaceFile(temporary, PathOf(name));
    if (!reason.isEmpty()) {
        m_failure = reason;
        QFile::remove(temporary);
    }
    return reason.isEmpty();
}

bool Reception::Finish() {
    const bool written = m_file && Commit(std::move(m_file), m_name);
    m_announced = 0;
    m_received = 0;
    return written;
}

void Reception::Abort() {
    m_file.reset();  // the temporary file goes with it
    m_announced = 0;
    m_received = 0;
}

}  // namespace brxw

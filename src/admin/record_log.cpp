// SPDX-License-Identifier: GPL-3.0-or-later
#include "admin/record_log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "link/dispatcher.h"
#include "text/charset.h"
#include "textwin/window_log.h"

namespace brxw::admin {

namespace {

constexpr QFileDevice::Permissions kOwnerFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

std::string Failure(const QString& path, int error) {
    return QStringToAnsi(QDir::toNativeSeparators(path)) + ": " +
           std::strerror(error != 0 ? error : EIO);
}

}  // namespace

QString RecordLogPath(const QString& bbs) {
    return QDir(WindowLogs::DefaultFolder())
        .filePath(SafeFileNamePart(bbs) + QStringLiteral("-records.log"));
}

std::string RecordLogLine(const QDateTime& when, std::uint8_t kind, std::string_view request) {
    std::string line = when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
    line += kind == kind::kUserRecords ? " user " : " message ";
    for (const char c : request) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            line += "\\n";
        } else if (c == '\r') {
            line += "\\r";
        } else if (c == '\\') {
            line += "\\\\";
        } else if (byte < 0x20 || byte == 0x7F) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            line += hex;
        } else {
            line += c;
        }
    }
    return line;
}

std::string AppendRecordLog(const QString& path, std::string_view line) {
    const QString fault = MakePrivateFolder(QFileInfo(path).absolutePath());
    if (!fault.isEmpty()) {
        return QStringToAnsi(fault);
    }
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append, kOwnerFile)) {
        return Failure(path, errno);
    }
    constexpr QFileDevice::Permissions kOthers = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                 QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                 QFileDevice::WriteOther | QFileDevice::ExeOther;
    if ((file.permissions() & kOthers) != 0 && !file.setPermissions(kOwnerFile)) {
        return Failure(path, errno);
    }
    std::string bytes(line);
    bytes += '\n';
    errno = 0;
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.flush()) {
        return Failure(path, errno);
    }
    file.close();
    return {};
}

}  // namespace brxw::admin

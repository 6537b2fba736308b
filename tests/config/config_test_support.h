// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the configuration tests: data file paths and whole-file byte I/O.
#pragma once

#include <QFile>
#include <QString>

#include <string>
#include <string_view>

namespace brxw::test {

inline QString IniData(const char* name) {
    return QStringLiteral(BRXW_TEST_DATA "/ini/") + QString::fromLatin1(name);
}

inline std::string ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return "<unreadable>";
    }
    const QByteArray data = file.readAll();
    return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}

inline bool WriteBytes(const QString& path, std::string_view bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size());
}

}  // namespace brxw::test

// SPDX-License-Identifier: GPL-3.0-or-later
#include "peer/lib/root_folder.h"

#include <QByteArrayList>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace brxw::peer {

namespace {

// Splits a client path into components; nullopt when it holds anything that must not reach
// the file system.
std::optional<QByteArrayList> Components(QByteArrayView remote) {
    if (remote.size() > RootFolder::kMaxPathBytes) {
        return std::nullopt;
    }
    QByteArrayList parts;
    for (const QByteArray& part : remote.toByteArray().split('/')) {
        if (part.isEmpty()) {
            continue;
        }
        if (part == "." || part == "..") {
            return std::nullopt;
        }
        for (const char c : part) {
            const auto u = static_cast<unsigned char>(c);
            if (u < 0x20 || u == 0x7f || c == '\\' || c == ':') {
                return std::nullopt;
            }
        }
        parts.append(part);
    }
    return parts;
}

QString Join(const QString& root, const QByteArrayList& parts) {
    QString path = root;
    for (const QByteArray& part : parts) {
        path += QLatin1Char('/') + QString::fromLocal8Bit(part);
    }
    return path;
}

// "jan-05-2001" for old files, "oct-12-12:30" for those of the last half year.
QByteArray DateWord(const QDateTime& when) {
    static const char* const kMonths[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                          "jul", "aug", "sep", "oct", "nov", "dec"};
    const QDate date = when.date();
    QByteArray word = kMonths[(date.month() - 1) % 12];
    word += '-' + QByteArray::number(date.day()).rightJustified(2, '0') + '-';
    if (when.daysTo(QDateTime::currentDateTime()) < 180) {
        word += when.time().toString(QStringLiteral("hh:mm")).toLatin1();
    } else {
        word += QByteArray::number(date.year());
    }
    return word;
}

}  // namespace

RootFolder::RootFolder(const QString& root) {
    if (!root.isEmpty()) {
        const QFileInfo info(root);
        if (info.isDir()) {
            m_canonicalRoot = info.canonicalFilePath();
        }
    }
}

bool RootFolder::IsInside(const QString& canonical) const {
    return !canonical.isEmpty() &&
           (canonical == m_canonicalRoot || canonical.startsWith(m_canonicalRoot + u'/'));
}

std::optional<QString> RootFolder::ResolveExisting(QByteArrayView remote) const {
    if (!IsValid()) {
        return std::nullopt;
    }
    const auto parts = Components(remote);
    if (!parts) {
        return std::nullopt;
    }
    const QString canonical = QFileInfo(Join(m_canonicalRoot, *parts)).canonicalFilePath();
    if (!IsInside(canonical)) {
        return std::nullopt;
    }
    return canonical;
}

std::optional<QByteArray> RootFolder::Listing(QByteArrayView remoteDir) const {
    const auto dirPath = ResolveExisting(remoteDir);
    if (!dirPath || !QFileInfo(*dirPath).isDir()) {
        return std::nullopt;
    }
    QDir dir(*dirPath);
    const QFileInfoList entries = dir.entryInfoList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::DirsFirst | QDir::Name);
    QByteArray listing;
    for (const QFileInfo& entry : entries) {
        const QByteArray name = entry.fileName().toLocal8Bit();
        // The client reads whitespace-separated words; such names could not be opened anyway.
        bool plain = !name.isEmpty() && name.size() <= 255;
        for (const char c : name) {
            plain = plain && static_cast<unsigned char>(c) > ' ' && c != 0x7f;
        }
        if (!plain || !IsInside(entry.canonicalFilePath())) {
            continue;
        }
        const bool isDir = entry.isDir();
        listing += isDir ? 'd' : '-';
        listing += ' ' + QByteArray::number(isDir ? 0 : entry.size());
        listing += ' ' + name;
        listing += ' ' + DateWord(entry.lastModified()) + '\n';
    }
    return listing;
}

std::optional<QByteArray> RootFolder::ReadFile(QByteArrayView remotePath) const {
    const auto path = ResolveExisting(remotePath);
    if (!path) {
        return std::nullopt;
    }
    const QFileInfo info(*path);
    if (!info.isFile() || info.size() > kMaxFileBytes) {
        return std::nullopt;
    }
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.read(kMaxFileBytes);
}

bool RootFolder::IsSafeName(QByteArrayView name) {
    if (name.isEmpty() || name.size() > 64 || name.front() == '.') {
        return false;
    }
    for (const char c : name) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '_' || c == '+';
        if (!ok) {
            return false;
        }
    }
    static const QByteArrayList kDevices = {"CON", "PRN", "AUX", "NUL", "CLOCK$"};
    const QByteArray stem = name.toByteArray().split('.').front().toUpper();
    if (kDevices.contains(stem)) {
        return false;
    }
    if ((stem.startsWith("COM") || stem.startsWith("LPT")) && stem.size() == 4 && stem[3] >= '0' &&
        stem[3] <= '9') {
        return false;
    }
    return true;
}

bool RootFolder::StoreFile(QByteArrayView remotePath, const QByteArray& bytes) const {
    if (!IsValid() || bytes.size() > kMaxFileBytes) {
        return false;
    }
    const auto parts = Components(remotePath);
    if (!parts || parts->isEmpty()) {
        return false;
    }
    for (const QByteArray& part : *parts) {
        if (!IsSafeName(part)) {
            return false;
        }
    }
    QByteArrayList parentParts = *parts;
    const QByteArray name = parentParts.takeLast();
    const QString parent = QFileInfo(Join(m_canonicalRoot, parentParts)).canonicalFilePath();
    if (!IsInside(parent) || !QFileInfo(parent).isDir()) {
        return false;
    }
    const QString target = parent + u'/' + QString::fromLocal8Bit(name);
    const QFileInfo existing(target);
    if (existing.isSymLink() || (existing.exists() && !existing.isFile())) {
        return false;
    }
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(bytes);
    return file.commit();
}

}  // namespace brxw::peer

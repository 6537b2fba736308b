// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/kept_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "resources/translate.h"
#include "text/charset.h"
#include "textwin/window_log.h"

namespace brxw {

namespace {

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ReadUser | QFileDevice::WriteUser;
constexpr const char* kEndNote = "brxw-kept.txt";

QString RuntimeFolder() {
#ifdef _WIN32
    return {};  // Windows has no runtime folder: the state folder is the last one tried
#else
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty() || !QDir::isAbsolutePath(runtime)) {
        return {};
    }
    return QDir(runtime).filePath(QStringLiteral("brxw"));
#endif
}

QString CannotWrite(const QString& path, const QString& reason) {
    return Tr("brxw::CBrxWeditDoc", "Cannot write %1: %2.")
        .arg(QDir::toNativeSeparators(path), reason);
}

}  // namespace

QString WritePrivateFile(const QString& path, std::string_view bytes) {
    QSaveFile file(path);
    // Unbuffered: a write the disk takes only in part is seen here (a buffer flushed by commit
    // would let a short write pass as done).
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return CannotWrite(path, file.errorString());
    }
    // The temporary file would take on the permissions of the file it replaces.
    file.setPermissions(kOwnerOnly);
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size())) {
        // A short write sets no error of its own: the disk is full (or the file too large).
        const QString reason = file.error() != QFileDevice::NoError
                                   ? file.errorString()
                                   : QString::fromLocal8Bit(std::strerror(ENOSPC));
        file.cancelWriting();
        file.commit();  // removes the temporary file
        return CannotWrite(path, reason);
    }
    if (!file.commit()) {
        return CannotWrite(path, file.errorString());
    }
    return {};
}

QString StateFolder() {
    return WindowLogs::DefaultFolder();
}

KeptText KeepText(std::string_view bytes, const QString& fileName, const QStringList& folders) {
    KeptText kept;
    for (int i = 0; i < folders.size(); ++i) {
        const QString& folder = folders[i];
        // The document's own folder is never made; a fallback is made for the purpose.
        const QString fault = i == 0 ? QString() : MakePrivateFolder(folder);
        if (!fault.isEmpty()) {
            kept.failures << fault;
            continue;
        }
        const QString path = QDir(folder).filePath(fileName);
        const QString failure = WritePrivateFile(path, bytes);
        if (failure.isEmpty()) {
            kept.path = path;
            return kept;
        }
        kept.failures << failure;
    }
    return kept;
}

QStringList KeptTextFolders(const QString& first) {
    QStringList folders{first, StateFolder()};
    const QString runtime = RuntimeFolder();
    if (!runtime.isEmpty()) {
        folders << runtime;
    }
    folders.removeDuplicates();
    return folders;
}

void LeaveEndNote(const KeptText& kept) {
    const QByteArray note = (QStringList{kept.path} + kept.failures).join(u'\n').toUtf8();
    for (const QString& folder : {StateFolder(), RuntimeFolder()}) {
        if (!folder.isEmpty() && MakePrivateFolder(folder).isEmpty() &&
            WritePrivateFile(QDir(folder).filePath(QString::fromLatin1(kEndNote)),
                             std::string_view(note.constData(), std::size_t(note.size())))
                .isEmpty()) {
            return;
        }
    }
}

std::optional<KeptText> TakeEndNote() {
    std::optional<KeptText> kept;
    for (const QString& folder : {StateFolder(), RuntimeFolder()}) {
        if (folder.isEmpty()) {
            continue;
        }
        const QString path = QDir(folder).filePath(QString::fromLatin1(kEndNote));
        QFile file(path);
        if (!kept && file.open(QIODevice::ReadOnly)) {
            QStringList lines = QString::fromUtf8(file.read(64 * 1024)).split(u'\n');
            kept = KeptText{lines.takeFirst(), lines};
            file.close();
        }
        QFile::remove(path);
    }
    return kept;
}

QString SentFolder() {
    return QDir(StateFolder()).filePath(QStringLiteral("sent"));
}

QString SentCopyName(const QString& bbs, const QString& title, const QDateTime& when) {
    return QStringLiteral("%1-%2-%3.txt")
        .arg(SafeFileNamePart(bbs), when.toString(QStringLiteral("yyyy-MM-dd_HHmmss")),
             SafeFileNamePart(title));
}

QString MessageTitle(std::string_view text, const QString& fallback) {
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) {
            line.remove_prefix(1);
        }
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) {
            line.remove_suffix(1);
        }
        if (!line.empty() && line.front() != '>') {
            return AnsiToQString(line);
        }
    }
    return fallback;
}

QString KeepSentCopy(const QString& folder, const QString& name, std::string_view bytes,
                     QString* failure) {
    const QString fault = MakePrivateFolder(folder);
    if (!fault.isEmpty()) {
        *failure = fault;
        return {};
    }
    const QDir dir(folder);
    QString path = dir.filePath(name);
    const QString stem = QFileInfo(name).completeBaseName();
    for (int n = 2; QFileInfo::exists(path); ++n) {
        path = dir.filePath(QStringLiteral("%1-%2.txt").arg(stem).arg(n));
    }
    *failure = WritePrivateFile(path, bytes);
    return failure->isEmpty() ? path : QString();
}

int PruneSentCopies(const QString& folder, const QDateTime& now, int maxAgeDays, int maxCount) {
    QDir dir(folder);
    const QFileInfoList copies =
        dir.entryInfoList({QStringLiteral("*.txt")}, QDir::Files | QDir::Hidden, QDir::Time);
    const QDateTime oldest = now.addDays(-maxAgeDays);
    int removed = 0;
    for (int i = 0; i < copies.size(); ++i) {  // newest first
        if ((i >= maxCount || copies[i].lastModified() < oldest) &&
            QFile::remove(copies[i].absoluteFilePath())) {
            ++removed;
        }
    }
    return removed;
}

}  // namespace brxw

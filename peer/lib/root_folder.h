// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The folder the BBS serves to the remote file browser: directory listings, fetches and
// uploads, never reaching outside it. Paths from the client are untrusted bytes; anything
// that could leave the root (".." components, absolute forms, backslashes, drive letters,
// symbolic links pointing out) is refused. Owned by PeerServer; server thread only.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace brxw::peer {

class RootFolder {
public:
    static constexpr qsizetype kMaxPathBytes = 255;
    static constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

    explicit RootFolder(const QString& root = {});

    bool IsValid() const { return !m_canonicalRoot.isEmpty(); }
    QString Path() const { return m_canonicalRoot; }

    // Listing lines "%c %s %s %s" (d or -, size, name, mon-dd-year or mon-dd-hh:mm) of a
    // directory given as the client names it: "" or "/" for the root, "mail/sub" or "/mail".
    std::optional<QByteArray> Listing(QByteArrayView remoteDir) const;

    // The bytes of a regular file inside the root, at most kMaxFileBytes.
    std::optional<QByteArray> ReadFile(QByteArrayView remotePath) const;

    // Writes a file whose every path component is a safe name, into a directory that already
    // exists inside the root. False when refused or when writing fails.
    bool StoreFile(QByteArrayView remotePath, const QByteArray& bytes) const;

    // Letters, digits, '.', '-', '_' and '+'; not starting with '.', at most 64 bytes, and
    // not a device name of the other platform (CON, NUL, COM1, ...).
    static bool IsSafeName(QByteArrayView name);

private:
    std::optional<QString> ResolveExisting(QByteArrayView remote) const;
    bool IsInside(const QString& canonical) const;

    QString m_canonicalRoot;
};

}  // namespace brxw::peer

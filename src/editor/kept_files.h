// SPDX-License-Identifier: GPL-3.0-or-later
// Where the editor keeps what must not be lost: a changed text the program could not hand back
// ("<name>.unsent"), the note that tells the next start where that text went, and a copy of
// every message sent and every file uploaded (the protocol acknowledges neither, so the sysop
// can send again what a BBS did not store). Every file is the owner's alone (0600) and written
// whole or not at all: a temporary file beside it is renamed over it only once it is complete.
//
// Plain functions over QtCore; user-interface thread only (the files have fixed names).
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <string_view>

namespace brxw {

// Writes bytes to path through a temporary file in the same folder, renamed over path only when
// every byte is on disk; the file is the owner's alone, whatever an older one allowed. Empty when
// written, otherwise "Cannot write <path>: <reason>." and path is as it was.
QString WritePrivateFile(const QString& path, std::string_view bytes);

// The user's state folder, "$XDG_STATE_HOME/brxw" (~/.local/state/brxw; on Windows
// %LOCALAPPDATA%\brxW).
QString StateFolder();

// A changed text kept when the program ends: tried in each folder in turn under fileName; a
// fallback folder is made (private) when missing. path: where it is, empty when no folder took
// it; failures: why each folder tried before refused it.
struct KeptText {
    QString path;
    QStringList failures;
};
KeptText KeepText(std::string_view bytes, const QString& fileName, const QStringList& folders);
// Where an ending program keeps a changed text: the folder of its file first, then the state
// folder, then "$XDG_RUNTIME_DIR/brxw" when that is set (not on Windows).
QStringList KeptTextFolders(const QString& first);

// What the next start tells the sysop of the text kept at the end: "brxw-kept.txt" in the state
// folder, or in the runtime folder when the state folder cannot take it. TakeEndNote reads and
// removes it; nothing when no note was left (or it cannot be read).
void LeaveEndNote(const KeptText& kept);
std::optional<KeptText> TakeEndNote();

// Copies of what was sent: "sent" in the state folder.
QString SentFolder();
// "<BBS>-<yyyy-MM-dd_HHmmss>-<title>.txt", the BBS and the title made safe file-name parts.
QString SentCopyName(const QString& bbs, const QString& title, const QDateTime& when);
// The title of a sent message: its first line that is neither empty nor quoted (">"), else
// fallback. text: Windows code page bytes, lines ended by CR LF.
QString MessageTitle(std::string_view text, const QString& fallback);
// Writes the copy into folder (made private when missing), never over an earlier copy. The path
// written, or empty with the reason in *failure.
QString KeepSentCopy(const QString& folder, const QString& name, std::string_view bytes,
                     QString* failure);
// Copies older than maxAgeDays go, then the oldest beyond maxCount. Only the folder's copies
// ("*.txt" files) are touched. Returns how many were removed.
inline constexpr int kSentKeepDays = 90;
inline constexpr int kSentKeepCount = 200;
int PruneSentCopies(const QString& folder, const QDateTime& now, int maxAgeDays = kSentKeepDays,
                    int maxCount = kSentKeepCount);

}  // namespace brxw

// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ini_store.h"

#include "resources/translate.h"
#include "text/charset.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace brxw {
namespace {

constexpr std::string_view kCrLf = "\r\n";

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Why the file cannot be replaced, in the system's words where it can tell: the file or its
// folder not writable, the folder missing. `fallback` is what the writer itself reported.
QString WriteReason([[maybe_unused]] const QString& path, const QString& fallback) {
#ifndef _WIN32
    const QByteArray file = QFile::encodeName(path);
    if (::access(file.constData(), F_OK) == 0 && ::access(file.constData(), W_OK) != 0) {
        return SystemReason(errno);
    }
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    if (::access(folder.constData(), W_OK | X_OK) != 0) {
        return SystemReason(errno);
    }
#endif
    return fallback;
}

// Windows strips spaces, tabs and vertical tabs around names and values; nothing else.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

std::string_view TrimLeft(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) {
        ++i;
    }
    return s.substr(i);
}

std::string_view Trim(std::string_view s) {
    s = TrimLeft(s);
    std::size_t n = s.size();
    while (n > 0 && IsBlank(s[n - 1])) {
        --n;
    }
    return s.substr(0, n);
}

// One line of the file: its text and its own line end ("\r\n" or "\n"; a last line may have
// none, or a stray "\r"; a lone "\r" before a section line ends the line, as on Windows).
struct Line {
    std::string_view text;
    std::string_view eol;

    bool Ended() const { return !eol.empty() && eol.back() == '\n'; }
};

// A section line starts at `pos`: blanks, then '['.
bool SectionFollows(std::string_view contents, std::size_t pos) {
    while (pos < contents.size() && IsBlank(contents[pos])) {
        ++pos;
    }
    return pos < contents.size() && contents[pos] == '[';
}

// The line starting at `pos`; moves `pos` past its line end.
Line NextLine(std::string_view contents, std::size_t& pos) {
    const std::size_t start = pos;
    for (std::size_t i = start; i < contents.size(); ++i) {
        if (contents[i] == '\n') {
            const std::size_t end = i > start && contents[i - 1] == '\r' ? i - 1 : i;
            pos = i + 1;
            return {contents.substr(start, end - start), contents.substr(end, pos - end)};
        }
        if (contents[i] == '\r' && i + 1 < contents.size() && contents[i + 1] != '\n' &&
            SectionFollows(contents, i + 1)) {
            pos = i + 1;
            return {contents.substr(start, i - start), contents.substr(i, 1)};
        }
    }
    // A last line may end in a stray CR; it is no part of the text.
    pos = contents.size();
    std::size_t end = contents.size();
    if (end > start && contents[end - 1] == '\r') {
        --end;
    }
    return {contents.substr(start, end - start), contents.substr(end)};
}

// The line end for a last line that has none. A text that itself ends in a carriage return
// (the last line "key=value\r\r", of which the last CR is stray) needs CR LF: a bare LF would
// join that CR to the line end and take it from the value.
std::string_view EndForUnended(const Line& line, std::string_view fileEol) {
    return !line.text.empty() && line.text.back() == '\r' ? kCrLf : fileEol;
}

std::vector<Line> SplitLines(std::string_view contents) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < contents.size()) {
        lines.push_back(NextLine(contents, pos));
    }
    return lines;
}

enum class LineKind { kBlank, kComment, kSection, kEntry };

// What a line means. An entry without '=' is a key without a value: it hides later keys of
// the same name, as on Windows, but reads as missing.
struct ParsedLine {
    LineKind kind = LineKind::kBlank;
    std::string_view name;
    std::optional<std::string_view> value;
};

ParsedLine ParseLine(std::string_view text) {
    const std::string_view t = TrimLeft(text);
    if (t.empty()) {
        return {LineKind::kBlank, {}, {}};
    }
    if (t.front() == ';') {
        return {LineKind::kComment, {}, {}};
    }
    if (t.front() == '[') {
        std::string_view inner = t.substr(1);
        const std::size_t close = inner.find(']');
        if (close != std::string_view::npos) {
            inner = inner.substr(0, close);
        }
        return {LineKind::kSection, Trim(inner), {}};
    }
    const std::size_t eq = t.find('=');
    if (eq == std::string_view::npos) {
        return {LineKind::kEntry, Trim(t), {}};
    }
    return {LineKind::kEntry, Trim(t.substr(0, eq)), Trim(t.substr(eq + 1))};
}

// One pair of matching outer quotes is removed; a lone or mixed quote stays.
std::string_view Unquote(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        return v.substr(1, v.size() - 2);
    }
    return v;
}

bool NeedsQuotes(std::string_view value) {
    return !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) ||
                              Unquote(value).size() != value.size());
}

bool HasLineBreakOrNul(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

}  // namespace

bool NamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldAnsiCase(static_cast<unsigned char>(a[i])) !=
            FoldAnsiCase(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

IniStore::IniStore(QString path) : m_path(std::move(path)) {}

std::string IniStore::StoredForm(std::string_view value) {
    if (!NeedsQuotes(value)) {
        return std::string(value);
    }
    std::string quoted;
    quoted.reserve(value.size() + 2);
    quoted.append("\"").append(value).append("\"");
    return quoted;
}

bool IniStore::CanStore(std::string_view value) {
    return !HasLineBreakOrNul(value);
}

std::optional<std::string_view> IniStore::FindValue(std::string_view contents,
                                                    std::string_view section,
                                                    std::string_view key) {
    section = Trim(section);
    key = Trim(key);
    bool inSection = false;
    std::size_t pos = 0;
    while (pos < contents.size()) {
        const ParsedLine line = ParseLine(NextLine(contents, pos).text);
        if (line.kind == LineKind::kSection) {
            if (inSection) {
                return std::nullopt;  // only the first section of that name is searched
            }
            inSection = NamesEqual(line.name, section);
        } else if (inSection && line.kind == LineKind::kEntry && NamesEqual(line.name, key)) {
            if (!line.value) {
                return std::nullopt;
            }
            return Unquote(*line.value);
        }
    }
    return std::nullopt;
}

std::optional<std::string> IniStore::SetValue(std::string_view contents, std::string_view section,
                                              std::string_view key, std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    // Anything that would not read back as this one key of this one section is refused: a line
    // break in a value would otherwise let it write keys and sections of its own.
    if (section.empty() || key.empty() || HasLineBreakOrNul(section) || HasLineBreakOrNul(key) ||
        !CanStore(value) || section.find(']') != std::string_view::npos ||
        key.find('=') != std::string_view::npos || key.front() == ';' || key.front() == '[') {
        return std::nullopt;
    }

    std::vector<Line> lines = SplitLines(contents);

    // The file's own line end, for lines that need one and have no neighbour to copy it from.
    std::string_view fileEol = kCrLf;
    for (const Line& line : lines) {
        if (line.Ended()) {
            fileEol = line.eol;
            break;
        }
    }

    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::size_t sectionLine = kNone;
    std::size_t lastEntry = kNone;
    std::size_t keyLine = kNone;
    std::string_view keySpelling;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ParsedLine parsed = ParseLine(lines[i].text);
        if (parsed.kind == LineKind::kSection) {
            if (sectionLine != kNone) {
                break;
            }
            if (NamesEqual(parsed.name, section)) {
                sectionLine = i;
                lastEntry = i;
            }
        } else if (sectionLine != kNone && parsed.kind == LineKind::kEntry) {
            lastEntry = i;
            if (NamesEqual(parsed.name, key)) {
                keyLine = i;
                keySpelling = parsed.name;
                break;
            }
        }
    }

    const std::string stored = StoredForm(value);
    std::string newLine;
    std::size_t insertAfter = kNone;
    if (keyLine != kNone) {
        // The key keeps its place and its spelling; the line is written afresh.
        newLine.append(keySpelling).append("=").append(stored);
    } else {
        newLine.append(key).append("=").append(stored);
        insertAfter = lastEntry;
    }

    std::string out;
    out.reserve(contents.size() + section.size() + newLine.size() + 8);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == keyLine) {
            // A rewritten last line that had no line end gets one, as Windows writes it.
            const bool unendedLast = i + 1 == lines.size() && !lines[i].Ended();
            out.append(newLine).append(unendedLast ? kCrLf : lines[i].eol);
            continue;
        }
        out.append(lines[i].text);
        if (i == insertAfter) {
            // The new key takes the line end of the line it follows; an unended last line
            // gets the file's, and the new key becomes the last line, unended like it was.
            out.append(lines[i].Ended() ? lines[i].eol : EndForUnended(lines[i], fileEol));
            out.append(newLine).append(lines[i].eol);
            continue;
        }
        out.append(lines[i].eol);
    }
    if (sectionLine == kNone) {
        if (!lines.empty() && !lines.back().Ended()) {
            out.resize(out.size() - lines.back().eol.size());
            out.append(EndForUnended(lines.back(), fileEol));
        }
        out.append("[").append(section).append("]").append(fileEol);
        out.append(newLine).append(fileEol);
    }
    return out;
}

std::optional<std::string> IniStore::Load(bool& readable, QString* reason) const {
    readable = true;
    const QFileInfo info(m_path);
    if (!info.exists()) {
        return std::nullopt;
    }
    const auto unreadable = [&](const QString& why) -> std::optional<std::string> {
        readable = false;
        if (reason != nullptr) {
            *reason = why;
        }
        return std::nullopt;
    };
    if (info.isDir()) {
        return unreadable(SystemReason(EISDIR));
    }
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        return unreadable(file.errorString());  // the system's reason for the failed open
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return unreadable(file.errorString());
    }
    return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}

std::string IniStore::Read(std::string_view section, std::string_view key, std::string_view def,
                           std::size_t bufferSize) const {
    if (bufferSize == 0) {
        return {};
    }
    bool readable = true;
    const std::optional<std::string> contents = Load(readable);
    std::optional<std::string_view> found;
    if (contents) {
        found = FindValue(*contents, section, key);
    }
    std::string_view result;
    if (found) {
        result = *found;
    } else {
        result = def;
        while (!result.empty() && result.back() == ' ') {
            result.remove_suffix(1);
        }
    }
    // What a C buffer of bufferSize bytes holds: up to a NUL, at most bufferSize - 1 bytes.
    result = result.substr(0, result.find('\0'));
    result = result.substr(0, bufferSize - 1);
    return std::string(result);
}

bool IniStore::Has(std::string_view section, std::string_view key) const {
    bool readable = true;
    const std::optional<std::string> contents = Load(readable);
    return contents && FindValue(*contents, section, key).has_value();
}

QString IniStore::ReadError() const {
    bool readable = true;
    QString reason;
    Load(readable, &reason);
    return readable ? QString() : Tr("brxw::IniStore", "Cannot read %1: %2.").arg(m_path, reason);
}

bool IniStore::Fail(const QString& reason) {
    m_lastWriteError = Tr("brxw::IniStore", "Cannot write %1: %2.").arg(m_path, reason);
    return false;
}

bool IniStore::Write(std::string_view section, std::string_view key, std::string_view value) {
    return WriteAll(section, {{key, value}});
}

bool IniStore::WriteAll(std::string_view section, const std::vector<KeyValue>& values) {
    m_lastWriteError.clear();
    if (values.empty()) {
        return true;
    }
    bool readable = true;
    QString unreadable;
    const std::optional<std::string> old = Load(readable, &unreadable);
    if (!readable) {
        // Rewriting a file we cannot read would throw its contents away.
        return Fail(Tr("brxw::IniStore", "it cannot be read (%1)").arg(unreadable));
    }
    std::optional<std::string> updated = old.value_or(std::string());
    for (const auto& [key, value] : values) {
        updated = SetValue(*updated, section, key, value);
        if (!updated) {
            return Fail(
                Tr("brxw::IniStore", "the value of %1 cannot be stored in one line")
                    .arg(QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()))));
        }
    }
    if (old && *old == *updated) {
        return true;
    }
    // Every replacement of the file waits for the disk (QSaveFile syncs before it renames), so
    // the keys written together cost one wait.

    // QSaveFile writes a temporary file beside the target and renames it over the target on
    // commit, so a crash or a full disk leaves the old file whole.
    QSaveFile file(m_path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        const int error = errno;
        return Fail(WriteReason(m_path, error != 0 ? SystemReason(error) : file.errorString()));
    }
    if (!old && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Fail(reason);  // the file holds passwords: never create it readable by others
    }
    const auto size = static_cast<qint64>(updated->size());
    // The write is buffered: a full disk may show only when the buffer is flushed, and
    // commit() does not report a failed flush in every Qt version.
    if (file.write(updated->data(), size) != size || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Fail(reason);
    }
    if (!file.commit()) {
        return Fail(WriteReason(m_path, file.errorString()));
    }
    return true;
}

}  // namespace brxw

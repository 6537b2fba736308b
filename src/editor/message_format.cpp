// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/message_format.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <vector>

#include "resources/translate.h"

namespace brxw {

namespace {
constexpr std::string_view kLineEnd{"\r\n"};
constexpr std::string_view kQuoteBreak{"\r\n>"};
constexpr std::size_t kDumpGroup = 16;
}  // namespace

std::string QuotePrefix(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    std::string out(kQuoteBreak);
    out.reserve(text.size() + text.size() / 8 + 8);
    std::size_t at = 0;
    for (;;) {
        const std::size_t brk = text.find(kLineEnd, at);
        if (brk == std::string_view::npos) {
            out.append(text.substr(at));
            return out;
        }
        out.append(text.substr(at, brk - at));
        out.append(kQuoteBreak);
        at = brk + kLineEnd.size();
    }
}

std::string PrepareMessage(std::string_view text, const MessageOptions& options) {
    std::string out = options.prefix ? QuotePrefix(text) : std::string(text);
    if (options.signature) {
        out.append(options.signatureText);
    }
    return out;
}

std::string JustifyLine(std::string_view line) {
    const std::size_t length = line.size();
    if (length >= kMessageLineWidth) {
        return std::string(line);
    }
    const std::size_t lead = line.find_first_not_of(' ');
    if (lead == std::string_view::npos) {
        return std::string(line);  // blanks only
    }
    std::size_t blanks = 0;
    std::size_t gaps = 0;
    for (std::size_t i = lead; i < length; ++i) {
        if (line[i] == ' ') {
            ++blanks;
            if (line[i - 1] != ' ') {
                ++gaps;
            }
        }
    }
    if (gaps == 0) {
        return std::string(line);
    }
    const std::size_t total = blanks + kMessageLineWidth - length;
    const std::size_t base = total / gaps;
    const std::size_t remainder = total % gaps;
    // Few extras are placed on every step-th gap; many are given to all gaps but every
    // step-th, whichever leaves fewer gaps special.
    const bool skip = remainder > gaps / 2;
    const std::size_t special = skip ? gaps - remainder : remainder;
    const std::size_t step =
        special == 0 ? 0 : (special % 2 == 0 ? gaps / special : gaps / (special + 1));

    std::string out(line.substr(0, lead));
    out.reserve(kMessageLineWidth);
    std::size_t gap = 0;
    std::size_t placed = 0;  // extras placed (add) or gaps skipped (skip)
    for (std::size_t i = lead; i < length;) {
        if (line[i] != ' ') {
            out.push_back(line[i++]);
            continue;
        }
        while (i < length && line[i] == ' ') {
            ++i;
        }
        ++gap;
        const bool marked = step != 0 && gap % step == 0 && placed < special;
        if (marked) {
            ++placed;
        }
        const bool extra = skip ? !marked : marked;
        out.append(base + (extra ? 1 : 0), ' ');
    }
    return out;
}

std::string BreakMessageLines(std::string_view text, bool justify) {
    std::string out;
    out.reserve(text.size() + text.size() / 32 + 8);
    std::string line;
    std::vector<std::size_t> from;  // where in text each character of line came from
    line.reserve(kMessageLineWidth);
    from.reserve(kMessageLineWidth);
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\n') {
            ++i;
            continue;
        }
        if (c == '\r') {
            out.append(line).append(kLineEnd);
            line.clear();
            from.clear();
            ++i;
            continue;
        }
        line.push_back(c);
        from.push_back(i);
        ++i;
        if (line.size() < kMessageLineWidth) {
            continue;
        }
        const std::size_t blank = line.rfind(' ');
        if (blank == std::string::npos) {
            out.append(line).append(kLineEnd);
        } else {
            const std::string_view kept(line.data(), blank);
            out.append(justify ? JustifyLine(kept) : std::string(kept)).append(kLineEnd);
            // What followed the blank starts the next line.
            i = from[blank] + 1;
        }
        line.clear();
        from.clear();
    }
    out.append(line);
    return out;
}

std::string DumpLines(std::string_view text) {
    std::string out;
    out.reserve((text.size() / kDumpGroup + 1) * 75);
    char cell[32];
    for (std::size_t at = 0; at < text.size(); at += kDumpGroup) {
        const std::string_view group = text.substr(at, kDumpGroup);
        std::snprintf(cell, sizeof cell, "%04zu", at);
        out.append(cell);
        for (const char c : group) {
            std::snprintf(cell, sizeof cell, " %02x", static_cast<unsigned char>(c));
            out.append(cell);
        }
        out.append(3 * (kDumpGroup - group.size()), ' ');
        out.push_back(' ');
        for (const char c : group) {
            const auto u = static_cast<unsigned char>(c);
            out.push_back(u >= 33 && u <= 127 ? c : '.');
        }
        out.push_back('\n');
    }
    return out;
}

int DumpCounter::Next() {
    return m_next.fetch_add(1);
}

DumpCounter& ProcessDumpCounter() {
    static DumpCounter counter;
    return counter;
}

QString WriteDiagnosticDump(const QString& directory, std::string_view text, QString* error) {
    const QString path =
        QDir(directory).filePath(QStringLiteral("debug_%1.txt").arg(ProcessDumpCounter().Next()));
    QFile file(path);
    // The dump holds the whole text, which may be private mail: the owner's alone.
    constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner |
                                                    QFileDevice::WriteOwner |
                                                    QFileDevice::ReadUser | QFileDevice::WriteUser;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text, kOwnerOnly)) {
        if (error != nullptr) {
            *error =
                Tr("brxw::CBrxWeditDoc", "Cannot create %1: %2.").arg(path, file.errorString());
        }
        return {};
    }
    // A dump left by an earlier run keeps its old permissions when overwritten: narrow them.
    file.setPermissions(file.permissions() & kOwnerOnly);
    const std::string lines = DumpLines(text);
    const bool written = file.write(lines.data(), static_cast<qint64>(lines.size())) ==
                         static_cast<qint64>(lines.size());
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        if (error != nullptr) {
            *error = Tr("brxw::CBrxWeditDoc", "Cannot write %1: %2.").arg(path, file.errorString());
        }
        return {};
    }
    return path;
}

}  // namespace brxw

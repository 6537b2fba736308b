// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings.h"

#include "config/app_config.h"
#include "text/text_scan.h"

#include <cstdio>
#include <deque>
#include <utility>
#include <vector>

namespace brxw {
namespace {

constexpr std::size_t kFontNumberCount = 13;
// Escapement and orientation are tenths of a degree.
constexpr long kMaxAngle = 3600;

bool IsByte(int v) {
    return v >= 0 && v <= 255;
}

// A "%d" value of the file as atol reads it ("off" is 0), or nothing when the key is absent or
// empty.
std::optional<int> ReadNumber(const AppConfig& config, std::string_view key) {
    std::string text;
    if (!config.ReadSetting(kSettingsSection, key, text)) {
        return std::nullopt;
    }
    return ScanLeadingInt(text);
}

int AsFlag(int value) {
    return value != 0 ? 1 : 0;
}

std::string ToText(int value) {
    return std::to_string(value);
}

}  // namespace

void PrintTo(const FontParams& f, std::ostream* os) {
    *os << "{\"" << f.faceName << "\" " << FormatFontParams(f) << "}";
}

bool IsUsable(const FontParams& f) {
    const bool heightOk =
        f.height != 0 && f.height >= -kMaxFontPixels && f.height <= kMaxFontPixels;
    const bool widthOk = f.width >= -kMaxFontPixels && f.width <= kMaxFontPixels;
    const bool anglesOk = f.escapement >= -kMaxAngle && f.escapement <= kMaxAngle &&
                          f.orientation >= -kMaxAngle && f.orientation <= kMaxAngle;
    const bool weightOk = f.weight >= 0 && f.weight <= 1000;
    const bool bytesOk = IsByte(f.italic) && IsByte(f.underline) && IsByte(f.strikeOut) &&
                         IsByte(f.charset) && IsByte(f.outPrecision) && IsByte(f.clipPrecision) &&
                         IsByte(f.quality) && IsByte(f.pitchAndFamily);
    return heightOk && widthOk && anglesOk && weightOk && bytesOk && !f.faceName.empty();
}

std::optional<FontParams> ParseFontParams(std::string_view faceName, std::string_view params) {
    if (faceName.empty() || params.empty()) {
        return std::nullopt;
    }
    const std::vector<long> n = ScanLongs(params, kFontNumberCount);
    if (n.size() != kFontNumberCount) {
        return std::nullopt;
    }
    // The last eight are "%d" conversions; a number beyond int cannot be a byte field anyway,
    // and IsUsable refuses it after this clamp.
    auto asInt = [](long v) { return v > 1000000 ? 1000000 : v < -1000000 ? -1000000 : int(v); };
    FontParams f;
    f.height = n[0];
    f.width = n[1];
    f.escapement = n[2];
    f.orientation = n[3];
    f.weight = n[4];
    f.italic = asInt(n[5]);
    f.underline = asInt(n[6]);
    f.strikeOut = asInt(n[7]);
    f.charset = asInt(n[8]);
    f.outPrecision = asInt(n[9]);
    f.clipPrecision = asInt(n[10]);
    f.quality = asInt(n[11]);
    f.pitchAndFamily = asInt(n[12]);
    f.faceName = std::string(faceName);
    if (!IsUsable(f)) {
        return std::nullopt;
    }
    return f;
}

std::string FormatFontParams(const FontParams& f) {
    char buffer[256];
    const int len = std::snprintf(
        buffer, sizeof buffer, "%ld %ld %ld %ld %ld %d %d %d %d %d %d %d %d", f.height, f.width,
        f.escapement, f.orientation, f.weight, f.italic, f.underline, f.strikeOut, f.charset,
        f.outPrecision, f.clipPrecision, f.quality, f.pitchAndFamily);
    return std::string(buffer, len > 0 ? static_cast<std::size_t>(len) : 0);
}

std::string StoredSignature(std::string_view text) {
    std::string stored;
    stored.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            stored += "\\r";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else if (c != '\0') {
            stored += c;
        }
    }
    return stored;
}

std::string SignatureFromStored(std::string_view stored) {
    std::string text;
    text.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] == '\\' && i + 1 < stored.size() && stored[i + 1] == 'r') {
            text += "\r\n";
            ++i;
        } else {
            text += stored[i];
        }
    }
    return text;
}

std::size_t SignatureExcess(std::string_view text) {
    // Quotes that the store may put around the value are not counted: reading removes them
    // before the value is cut.
    const std::size_t stored = StoredSignature(text).size();
    constexpr std::size_t kReadBack = IniStore::kValueBufferSize - 1;
    return stored > kReadBack ? stored - kReadBack : 0;
}

SignatureFault CheckSignature(std::string_view text) {
    // The stored form cannot tell a typed backslash-'r' from a line break; files written
    // elsewhere rely on that form, so it stays, and such a text is refused instead.
    // NUL bytes are dropped when the text is stored, so a backslash and an 'r' with NULs between
    // them meet there: judge the text without them.
    std::string plain(text);
    std::erase(plain, '\0');
    if (plain.find("\\r") != std::string::npos) {
        return SignatureFault::kBackslashR;
    }
    return SignatureExcess(text) > 0 ? SignatureFault::kTooLong : SignatureFault::kNone;
}

PanelSettings::PanelSettings(AppConfig& config) : m_config(config) {}

FontParams PanelSettings::ReadFont(const AppConfig& config) {
    std::string face;
    std::string params;
    if (config.ReadSetting(kSettingsSection, kFontNameKey, face) &&
        config.ReadSetting(kSettingsSection, kFontParamsKey, params)) {
        if (auto parsed = ParseFontParams(face, params)) {
            return *parsed;
        }
    }
    return FontParams{};
}

void PanelSettings::Load() {
    m_font = ReadFont(m_config);
    // The values become current and are written back together: on the first start every
    // default is absent, and one replacement of the file waits for the disk once, not six times.
    std::deque<std::string> texts;  // what `writes` points into: a deque never moves them
    std::vector<IniStore::KeyValue> writes;
    const auto load = [&](std::optional<int>& current, std::string_view key, int def) {
        current = AsFlag(ReadNumber(m_config, key).value_or(def));
        texts.push_back(ToText(*current));
        writes.emplace_back(key, texts.back());
    };
    load(m_breakLine, kBreakLineKey, kDefaultBreakLine);
    load(m_justification, kJustificationKey, kDefaultJustification);
    load(m_prefix, kPrefixKey, kDefaultPrefix);
    load(m_ansiChar, kAnsiCharKey, kDefaultAnsiChar);
    const int signature = ReadNumber(m_config, kSignatureKey).value_or(kDefaultSignature);
    std::string stored;
    m_config.ReadSetting(kSettingsSection, kSignatureTextKey, stored);
    if (std::optional<std::string> restored = AdoptSignatureText(SignatureFromStored(stored))) {
        texts.push_back(std::move(*restored));
        writes.emplace_back(kSignatureTextKey, texts.back());
    }
    load(m_signature, kSignatureKey, signature);
    m_config.WriteSettings(kSettingsSection, writes);
}

bool PanelSettings::SetFlag(std::optional<int>& current, std::string_view key, int value) {
    value = AsFlag(value);
    if (current == value) {
        return false;
    }
    current = value;
    // As everywhere in this program, a refused write leaves the value current for this run.
    m_config.WriteSetting(kSettingsSection, key, ToText(value));
    return true;
}

bool PanelSettings::SetAnsiChar(int value) {
    return SetFlag(m_ansiChar, kAnsiCharKey, value);
}

bool PanelSettings::SetBreakLine(int value) {
    return SetFlag(m_breakLine, kBreakLineKey, value);
}

bool PanelSettings::SetJustification(int value) {
    return SetFlag(m_justification, kJustificationKey, value);
}

bool PanelSettings::SetPrefix(int value) {
    return SetFlag(m_prefix, kPrefixKey, value);
}

std::optional<std::string> PanelSettings::AdoptSignatureText(std::string_view text) {
    // Through the stored form and back: every line break becomes CR LF, NULs go.
    std::string stored = StoredSignature(text);
    std::string normalised = SignatureFromStored(stored);
    if (normalised == m_signatureText) {
        return std::nullopt;
    }
    m_signatureText = std::move(normalised);
    return stored;
}

bool PanelSettings::SetSignature(int flag, std::string_view text) {
    const std::optional<std::string> stored = AdoptSignatureText(text);
    if (stored) {
        m_config.WriteSetting(kSettingsSection, kSignatureTextKey, *stored);
    }
    return SetFlag(m_signature, kSignatureKey, flag) || stored.has_value();
}

bool PanelSettings::SetFont(const FontParams& font) {
    if (!IsUsable(font)) {
        return false;
    }
    // The name first: a refused name (a line break in a face name) leaves the old pair whole.
    if (!m_config.WriteSetting(kSettingsSection, kFontNameKey, font.faceName) ||
        !m_config.WriteSetting(kSettingsSection, kFontParamsKey, FormatFontParams(font))) {
        return false;
    }
    m_font = font;
    return true;
}

}  // namespace brxw

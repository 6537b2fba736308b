// SPDX-License-Identifier: GPL-3.0-or-later
// The operator's preferences that belong to no connection profile: the charset of the text
// windows, the message editor's options, the signature and the text font, as stored in section
// "Settings" of BrxW.ini.
//
// PanelSettings holds the current values; the control panel owns the one instance, loads it at
// initialisation and changes it through the setters (the Settings dialog calls them). Every
// change reaches the file at once. UI thread only. The font is kept as the thirteen numbers and
// the face name of the stored record; turning them into a toolkit font is the widgets' business
// (settings/font_mapping.h).
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace brxw {

class AppConfig;

inline constexpr std::string_view kAnsiCharKey = "AnsiChar";
inline constexpr std::string_view kBreakLineKey = "BreakLine";
inline constexpr std::string_view kJustificationKey = "Justification";
inline constexpr std::string_view kPrefixKey = "Prefix";
inline constexpr std::string_view kSignatureKey = "Signature";
inline constexpr std::string_view kSignatureTextKey = "SignatureText";
inline constexpr std::string_view kFontNameKey = "Font_Name";
inline constexpr std::string_view kFontParamsKey = "Font_Params";

// The numbers of the stored font record, in the order "Font_Params" holds them.
struct FontParams {
    long height = 15;  // pixels; negative: character height, positive: cell height
    long width = 0;    // average character width in pixels, 0: the face's own
    long escapement = 0;
    long orientation = 0;
    long weight = 400;  // 0 (any) or 1..1000; 400 normal, 700 bold
    int italic = 0;
    int underline = 0;
    int strikeOut = 0;
    int charset = 1;  // 1: the default charset
    int outPrecision = 0;
    int clipPrecision = 0;
    int quality = 0;
    int pitchAndFamily = 0;  // low two bits pitch (1 fixed, 2 variable), high four bits family
    std::string faceName = "Courier new";

    friend bool operator==(const FontParams&, const FontParams&) = default;
};

void PrintTo(const FontParams& f, std::ostream* os);

// Whether a font can be made from the record: a height of 1 to kMaxFontPixels pixels either way,
// a width, escapement and orientation within reason, a weight of 0 to 1000, the one-byte fields
// within 0..255 and a face name. Anything else is a damaged or hand-mangled file.
inline constexpr long kMaxFontPixels = 512;
bool IsUsable(const FontParams& f);

// The record from the values of "Font_Name" and "Font_Params": nullopt unless both are present
// (non-empty), all thirteen numbers are read and the result is usable. Text after the thirteenth
// number is ignored, as the stored format's scanner ignores it.
std::optional<FontParams> ParseFontParams(std::string_view faceName, std::string_view params);
// "%ld %ld %ld %ld %ld %d %d %d %d %d %d %d %d" of the thirteen numbers.
std::string FormatFontParams(const FontParams& f);

// The signature as stored: one line, each line break (CR LF, or a lone CR or LF) written as the
// two characters backslash and 'r'.
std::string StoredSignature(std::string_view text);
// The reverse: each backslash-'r' becomes CR LF.
std::string SignatureFromStored(std::string_view stored);

// Why a signature (lines ending in CR LF) would not come back from BrxW.ini as it was typed.
enum class SignatureFault {
    kNone,
    kBackslashR,  // it holds the two characters backslash and 'r', which read back as a break
    kTooLong,     // its stored form is longer than a value that is read back (79 characters)
};
SignatureFault CheckSignature(std::string_view text);
// The stored form's length beyond what is read back; 0 when it fits.
std::size_t SignatureExcess(std::string_view text);

class PanelSettings {
public:
    static constexpr int kDefaultAnsiChar = 0;  // DOS charset
    static constexpr int kDefaultBreakLine = 0;
    static constexpr int kDefaultJustification = 1;
    static constexpr int kDefaultPrefix = 1;
    static constexpr int kDefaultSignature = 0;

    // The values are the defaults, and "not yet current", until Load.
    explicit PanelSettings(AppConfig& config);

    // Reads the six values and the font. Each value (its default when the key is absent or empty,
    // 0 when it holds no digits) becomes current as its setter would make it, and all are written
    // back in one replacement of the file, in the order BreakLine, Justification, Prefix,
    // AnsiChar, signature. An empty signature text is not written. The font is read only: "Font_Name" and
    // "Font_Params" together, defaults unless both give a usable record.
    void Load();

    // The font record stored in `config`, or the defaults.
    static FontParams ReadFont(const AppConfig& config);

    int AnsiChar() const { return m_ansiChar.value_or(kDefaultAnsiChar); }
    int BreakLine() const { return m_breakLine.value_or(kDefaultBreakLine); }
    int Justification() const { return m_justification.value_or(kDefaultJustification); }
    int Prefix() const { return m_prefix.value_or(kDefaultPrefix); }
    int Signature() const { return m_signature.value_or(kDefaultSignature); }
    // Bytes in the ANSI code page; lines end with CR LF.
    const std::string& SignatureText() const { return m_signatureText; }
    const FontParams& Font() const { return m_font; }

    // Each flag is kept as 0 or 1 (any other number means set). When the value equals the
    // current one nothing happens and false is returned; otherwise it becomes current, is written
    // with "%d" under its key and true is returned (the caller then applies it: the ANSI mode of
    // the text windows for AnsiChar).
    bool SetAnsiChar(int value);
    bool SetBreakLine(int value);
    bool SetJustification(int value);
    bool SetPrefix(int value);
    // The text first, then the flag, each compared and written on its own. Line breaks in the
    // text are kept as CR LF whatever they were; NUL bytes, which no line of the file can hold,
    // are dropped. True when either changed.
    bool SetSignature(int flag, std::string_view text);
    // Refuses (false, nothing written, font unchanged) a record no font can be made from;
    // otherwise writes "Font_Name" and "Font_Params" and makes it current, even when it equals
    // the current one (the operator confirmed a choice).
    bool SetFont(const FontParams& font);

private:
    bool SetFlag(std::optional<int>& current, std::string_view key, int value);
    // Makes `text` the current signature text, as it comes back from the file; its stored form
    // when that changed it (for the caller to write), nothing when it was current already.
    std::optional<std::string> AdoptSignatureText(std::string_view text);

    AppConfig& m_config;
    std::optional<int> m_ansiChar;
    std::optional<int> m_breakLine;
    std::optional<int> m_justification;
    std::optional<int> m_prefix;
    std::optional<int> m_signature;
    std::string m_signatureText;
    FontParams m_font;
};

}  // namespace brxw

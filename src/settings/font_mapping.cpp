// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/font_mapping.h"

#include "text/charset.h"
#include "text/code_page.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace brxw {
namespace {

// The pitch and family byte: pitch in the low two bits, family in the high four.
constexpr int kPitchMask = 0x03;
constexpr int kFixedPitch = 1;
constexpr int kVariablePitch = 2;
constexpr int kFamilyMask = 0xF0;
constexpr int kFamilyRoman = 0x10;
constexpr int kFamilySwiss = 0x20;
constexpr int kFamilyModern = 0x30;
constexpr int kFamilyScript = 0x40;
constexpr int kFamilyDecorative = 0x50;

// Quality: 3 no antialiasing, 4 antialiased, 5 antialiased with subpixels.
constexpr int kQualityNonAntialiased = 3;
constexpr int kQualityAntialiased = 4;
constexpr int kQualitySubpixel = 5;

constexpr int kNormalWeight = 400;

// Bounded adjustment steps when fitting a cell height; the first estimate is within a pixel or
// two for any sane face.
constexpr int kFitSteps = 16;

QFont::StyleHint HintFor(int family) {
    switch (family) {
        case kFamilyRoman:
            return QFont::Serif;
        case kFamilySwiss:
            return QFont::SansSerif;
        case kFamilyModern:
            return QFont::TypeWriter;
        case kFamilyScript:
            return QFont::Cursive;
        case kFamilyDecorative:
            return QFont::Decorative;
        default:
            return QFont::AnyStyle;
    }
}

int FamilyFor(QFont::StyleHint hint, bool monospaced) {
    switch (hint) {
        case QFont::Serif:
            return kFamilyRoman;
        case QFont::SansSerif:
            return kFamilySwiss;
        case QFont::TypeWriter:
        case QFont::Monospace:
            return kFamilyModern;
        case QFont::Cursive:
            return kFamilyScript;
        case QFont::Decorative:
        case QFont::Fantasy:
            return kFamilyDecorative;
        default:
            return monospaced ? kFamilyModern : 0;
    }
}

QFont::StyleStrategy StrategyFor(int quality) {
    switch (quality) {
        case kQualityNonAntialiased:
            return QFont::NoAntialias;
        case kQualityAntialiased:
        case kQualitySubpixel:
            return QFont::PreferAntialias;
        default:
            return QFont::PreferDefault;
    }
}

int CellHeight(QFont font, int pixelSize) {
    font.setPixelSize(pixelSize);
    return QFontMetrics(font).height();
}

// The largest pixel size whose cell (ascent + descent) is at most `cell`; at least 1.
int PixelSizeForCell(const QFont& font, int cell) {
    int pixels = cell;
    const int measured = CellHeight(font, pixels);
    if (measured > 0 && measured != cell) {
        pixels = std::max(
            1, static_cast<int>((static_cast<long long>(cell) * cell + measured / 2) / measured));
    }
    for (int i = 0; i < kFitSteps && pixels > 1 && CellHeight(font, pixels) > cell; ++i) {
        --pixels;
    }
    for (int i = 0; i < kFitSteps && CellHeight(font, pixels + 1) <= cell; ++i) {
        ++pixels;
    }
    return pixels;
}

// The characters that must all take one column: printable ASCII and the box-drawing and block
// characters of the DOS code pages (drawn by the font's fallback where the face lacks them).
const QString& ColumnCharacters() {
    static const QString characters = [] {
        QString text;
        for (char16_t c = 0x20; c < 0x7F; ++c) {
            text += QChar(c);
        }
        for (const CodePage page : kDosCodePages) {
            for (int byte = 0x80; byte < 0x100; ++byte) {
                const QChar c(CodePageToUnicode(page, static_cast<unsigned char>(byte)));
                if (c.unicode() >= 0x2500 && c.unicode() <= 0x259F && !text.contains(c)) {
                    text += c;
                }
            }
        }
        return text;
    }();
    return characters;
}

// Advances closer than this are one width: hinting may round a fallback face's differently.
constexpr qreal kAdvanceTolerance = 0.05;

// A stand-in for a font that is not monospaced: the system's fixed font, the "monospace" alias,
// then every face the database calls fixed, the first that measures monospaced at the size
// asked; the system's fixed font when none does.
QFont MonospacedStandIn(const QFont& font) {
    const auto withFamily = [&font](const QString& family) {
        QFont candidate = font;
        candidate.setFamilies({});
        candidate.setFamily(family);
        candidate.setStyleName(QString());
        candidate.setFixedPitch(true);
        candidate.setStyleHint(QFont::TypeWriter, font.styleStrategy());
        return candidate;
    };
    const QFont system = withFamily(QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    if (IsMonospaced(system)) {
        return system;
    }
    QStringList families = {QStringLiteral("monospace")};
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isFixedPitch(family)) {
            families.append(family);
        }
    }
    for (const QString& family : families) {
        const QFont candidate = withFamily(family);
        if (IsMonospaced(candidate)) {
            return candidate;
        }
    }
    return system;
}

bool SameFace(const std::string& a, const std::string& b) {
    return QString::fromLatin1(a.data(), static_cast<qsizetype>(a.size()))
               .compare(QString::fromLatin1(b.data(), static_cast<qsizetype>(b.size())),
                        Qt::CaseInsensitive) == 0;
}

}  // namespace

bool IsMonospaced(const QFont& font) {
    // Measured rather than asked: fontconfig calls some monospaced faces proportional (those
    // whose tables declare no fixed spacing, Noto Sans Mono among them).
    const QFontMetricsF metrics(font);
    const QString& characters = ColumnCharacters();
    const qreal advance = metrics.horizontalAdvance(characters.front());
    if (advance <= 0) {
        return false;
    }
    return std::all_of(characters.begin(), characters.end(), [&](QChar c) {
        return std::abs(metrics.horizontalAdvance(c) - advance) <= kAdvanceTolerance;
    });
}

QFont FixedPitchFont(const QFont& font) {
    return IsMonospaced(font) ? font : MonospacedStandIn(font);
}

QFont ChooserFont(const QFont& font) {
    const QFontInfo info(font);
    QFont offered(info.family());
    // Without the style name a chooser may open on another style of the face (an oblique one).
    offered.setStyleName(QFontDatabase::styleString(info));
    offered.setWeight(static_cast<QFont::Weight>(info.weight()));
    offered.setItalic(info.italic());
    offered.setPointSizeF(info.pointSizeF());
    offered.setUnderline(font.underline());
    offered.setStrikeOut(font.strikeOut());
    return offered;
}

bool SameChoice(const QFont& offered, const QFont& chosen) {
    const QFontInfo a(offered);
    const QFontInfo b(chosen);
    // The chooser offers whole points: 11.25 comes back as 11, 10.5 as 11.
    constexpr qreal kPointRounding = 0.5;
    auto points = [](const QFont& f, const QFontInfo& info) {
        return f.pointSizeF() > 0 ? f.pointSizeF() : info.pointSizeF();
    };
    return a.family().compare(b.family(), Qt::CaseInsensitive) == 0 &&
           a.styleName() == b.styleName() && a.weight() == b.weight() && a.italic() == b.italic() &&
           offered.underline() == chosen.underline() && offered.strikeOut() == chosen.strikeOut() &&
           std::abs(points(offered, a) - points(chosen, b)) <= kPointRounding + 1e-6;
}

QFont FontFromParams(const FontParams& given) {
    const FontParams p = IsUsable(given) ? given : FontParams{};
    QFont font(AnsiToQString(p.faceName));
    font.setWeight(static_cast<QFont::Weight>(p.weight == 0 ? kNormalWeight : p.weight));
    font.setItalic(p.italic != 0);
    font.setUnderline(p.underline != 0);
    font.setStrikeOut(p.strikeOut != 0);

    const int pitch = p.pitchAndFamily & kPitchMask;
    const int family = p.pitchAndFamily & kFamilyMask;
    const bool wantFixed = pitch == kFixedPitch || family == kFamilyModern ||
                           SameFace(p.faceName, FontParams{}.faceName);
    QFont::StyleHint hint = HintFor(family);
    if (wantFixed && hint == QFont::AnyStyle) {
        hint = QFont::TypeWriter;
    }
    font.setStyleHint(hint, StrategyFor(p.quality));
    font.setFixedPitch(wantFixed);

    // Size it first, so that the fixed-pitch check below matches the real candidate.
    font.setPixelSize(static_cast<int>(p.height < 0 ? -p.height : p.height));
    if (wantFixed) {
        // The face may be missing (or not monospaced) with a proportional stand-in matched.
        font = FixedPitchFont(font);
    }
    if (p.height > 0) {
        font.setPixelSize(PixelSizeForCell(font, static_cast<int>(p.height)));
    }
    return font;
}

FontParams ParamsFromFont(const QFont& font) {
    const QFontInfo info(font);
    FontParams p;
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : info.pixelSize();
    // Not clamped: a size beyond what IsUsable accepts is refused when stored, not changed.
    p.height = -std::max(pixels, 1);
    p.weight = std::clamp(static_cast<int>(font.weight()), 1, 1000);
    p.italic = font.italic() ? 1 : 0;
    p.underline = font.underline() ? 1 : 0;
    p.strikeOut = font.strikeOut() ? 1 : 0;
    const QFont::StyleStrategy strategy = font.styleStrategy();
    if (strategy & QFont::NoAntialias) {
        p.quality = kQualityNonAntialiased;
    } else if (strategy & QFont::PreferAntialias) {
        p.quality = kQualityAntialiased;
    } else {
        p.quality = 0;
    }
    const bool monospaced = IsMonospaced(font);
    p.pitchAndFamily =
        (monospaced ? kFixedPitch : kVariablePitch) | FamilyFor(font.styleHint(), monospaced);
    const QString family = font.family().isEmpty() ? info.family() : font.family();
    p.faceName = QStringToAnsi(family);
    return p;
}

}  // namespace brxw

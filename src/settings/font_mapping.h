// SPDX-License-Identifier: GPL-3.0-or-later
// The text font of the text windows, the editor's view and the signature box, between the
// toolkit's QFont and the stored record of thirteen numbers and a face name (FontParams).
//
// Height: the record's height is in pixels. A negative height is the character height, which is
// what QFont's pixel size means, so it maps to it exactly. A positive height is the cell height
// (ascent plus descent); it maps to the largest pixel size whose line height does not exceed it,
// measured with the matched font. A font goes back to the record as its negative character
// height in pixels, the form a font chooser writes.
//
// Weight 0 (any) is normal; 1..1000 map to QFont's weight scale, which is the same scale
// (400 QFont::Normal, 700 QFont::Bold). Italic, underline and strike-out map one to one.
// Quality 3 (no antialiasing) and 4 or 5 (antialiased) become the matching style strategy.
// The pitch and family byte becomes the fixed-pitch request and the style hint; a fixed pitch,
// the "modern" family or the default face "Courier new" ask for a monospaced font, and when the
// face is missing the system's fixed font stands in, so text columns always line up.
// Width, escapement, orientation, charset and the precisions have no QFont counterpart: they
// are ignored on the way in and written as their defaults on the way out.
//
// Free functions; they need a QGuiApplication (fonts are matched), UI thread only.
#pragma once

#include "settings/settings.h"

#include <QFont>

namespace brxw {

// The font for the record; a record IsUsable refuses gives the font of the default record.
QFont FontFromParams(const FontParams& params);

// The record for the font.
FontParams ParamsFromFont(const QFont& font);

// Whether the font matched for `font` draws in columns: every printable ASCII character and every
// box-drawing character of the DOS code pages advances by the same width.
bool IsMonospaced(const QFont& font);

// `font` when it is monospaced; otherwise, at the same size, weight and decorations, the system's
// fixed font or, when that does not measure monospaced either, the first face that does. For
// text whose columns are laid out by blanks.
QFont FixedPitchFont(const QFont& font);

// The font as a font chooser lists it: the face the text is really drawn with (a missing
// "Courier new" is drawn with a stand-in), that face's style name and the size in points, so
// that the chooser opens on the current font rather than on its first entry.
QFont ChooserFont(const QFont& font);
// Whether the chooser gave back `offered` unchanged: the same face, style and decorations, and
// the same size allowing for the chooser's whole points.
bool SameChoice(const QFont& offered, const QFont& chosen);

}  // namespace brxw

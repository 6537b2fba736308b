// SPDX-License-Identifier: GPL-3.0-or-later
// Colour schemes: the colours the text windows, the station list and the counter panels are
// painted in. Traffic keeps arriving, and is kept, in the classic colours of the traffic colour
// table (link/traffic_colour.h); a scheme says how each of them shows, so that switching schemes
// repaints everything already in the scrollback and nothing stored changes.
//
// "Classic" is the default and shows today's colours unchanged: black and the table's colours on
// white, the system's colours around them. "High contrast (light)" and "Dark" give every text
// colour at least 4.5:1 against the background it is drawn on (WCAG 2 contrast ratio), and give
// the whole program their own window colours.
//
// The scheme in use is one per program (the windows read it when they paint); the Colours tab of
// the Preferences sets it and stores it as "ColourScheme" in [Settings]. User-interface thread
// only.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "link/traffic_colour.h"

namespace brxw {

class AppConfig;

enum class ColourScheme { kClassic, kLightHighContrast, kDark };
inline constexpr std::array<ColourScheme, 3> kColourSchemes = {
    ColourScheme::kClassic, ColourScheme::kLightHighContrast, ColourScheme::kDark};

inline constexpr std::string_view kColourSchemeKey = "ColourScheme";

// The value stored in BrxW.ini: "classic", "light-high-contrast", "dark".
std::string_view ColourSchemeValue(ColourScheme scheme);
// The stored value back; anything unknown (or empty) is the classic scheme. Case is ignored.
ColourScheme ParseColourScheme(std::string_view value);

// "ColourScheme" in [Settings]; classic when absent or unknown.
ColourScheme LoadColourScheme(const AppConfig& config);
// Writes the key only when the scheme differs from what BrxW.ini holds now.
void SaveColourScheme(AppConfig& config, ColourScheme scheme);

// A text colour over the background it is drawn on (both 0x00BBGGRR).
struct ColourPair {
    std::uint32_t text = 0;
    std::uint32_t background = 0;
};

// Every colour of one scheme, 0x00BBGGRR.
struct SchemeColours {
    ColourScheme scheme = ColourScheme::kClassic;

    // ---- text windows ----
    std::uint32_t textBackground = 0;
    // How each classic colour a line can carry shows, in the order of kShownClassicColours;
    // a colour outside the list shows as defaultText.
    std::array<std::uint32_t, 11> traffic{};
    std::uint32_t defaultText = 0;
    // True: the selection inverts the cells (the classic look); false: selected cells are drawn
    // in selection.text over selection.background.
    bool invertSelection = false;
    ColourPair selection;
    ColourPair findMatch;  // "Highlight all"
    ColourPair scrolledBackBar;
    ColourPair findBar;

    // ---- station list ----
    // False: the list's rows lie on the system's base colour (classic).
    bool ownListBackground = false;
    std::uint32_t listBackground = 0;
    std::uint32_t stationNormal = 0;
    std::uint32_t stationAttention = 0;  // status "<"
    std::uint32_t stationOutgoing = 0;   // status ">"
    std::uint32_t stationSelectedFill = 0;

    // ---- counters and the rest of the program's windows ----
    // False: the system's window colours (classic); true: the program's windows take window,
    // windowText, base, baseText, highlight and highlightedText.
    bool ownPalette = false;
    std::uint32_t window = 0;
    std::uint32_t windowText = 0;
    std::uint32_t base = 0;
    std::uint32_t baseText = 0;
    std::uint32_t highlight = 0;
    std::uint32_t highlightedText = 0;
    // The windows' greyed hints (the palette's dark role), still readable on window.
    std::uint32_t hintText = 0;
    std::uint32_t counterNormal = 0;
    std::uint32_t counterAttention = 0;  // the counters' red
    // The Connection log's events on the base colour: logins, and ends that start a countdown.
    std::uint32_t logLogin = 0;
    std::uint32_t logLoss = 0;

    // How a line's stored (classic) colour shows in this scheme; a colour that would show as
    // the background shows as defaultText.
    std::uint32_t Traffic(std::uint32_t classic) const;
    // The colour of a station row, or of a pending-forward entry, from its classic colour
    // (station_list.h: StationRowColour).
    std::uint32_t Station(std::uint32_t classic) const;
    // The colour of a counter line from its classic colour (kPanelBlack or kPanelRed).
    std::uint32_t Counter(std::uint32_t classic) const;
};

// The classic colours a text line can carry: the traffic table's, the console's echo and
// link notice, in the order of SchemeColours::traffic.
inline constexpr std::array<std::uint32_t, 11> kShownClassicColours = {
    TrafficColour(0), TrafficColour(1), TrafficColour(2), TrafficColour(4),
    TrafficColour(5), TrafficColour(6), TrafficColour(7), TrafficColour(9),
    TrafficColour(8),  // white: every code without an entry of its own
    kEchoColour,      kLinkNoticeColour};

const SchemeColours& ColoursOf(ColourScheme scheme);

// The scheme the windows paint in, classic until set.
const SchemeColours& CurrentColours();
void SetCurrentColourScheme(ColourScheme scheme);

// The WCAG 2 contrast ratio of two colours (0x00BBGGRR), from 1 to 21.
double ContrastRatio(std::uint32_t a, std::uint32_t b);

}  // namespace brxw

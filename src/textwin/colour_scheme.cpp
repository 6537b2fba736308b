// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwin/colour_scheme.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "config/app_config.h"
#include "text/charset.h"

namespace brxw {

namespace {

constexpr std::uint32_t kWhite = Rgb(255, 255, 255);
constexpr std::uint32_t kBlack = Rgb(0, 0, 0);
// The classic rows and counters: red for what needs attention, blue for outgoing.
constexpr std::uint32_t kClassicRed = Rgb(255, 0, 0);
constexpr std::uint32_t kClassicBlue = Rgb(0, 0, 255);

SchemeColours MakeClassic() {
    SchemeColours c;
    c.scheme = ColourScheme::kClassic;
    c.textBackground = kWhite;
    c.traffic = kShownClassicColours;
    c.defaultText = TrafficColour(7);
    c.invertSelection = true;
    // Inverting white gives black: what a selection over blank cells shows.
    c.selection = {kWhite, kBlack};
    c.findMatch = {kBlack, Rgb(255, 200, 60)};
    c.scrolledBackBar = {Rgb(64, 48, 0), Rgb(255, 236, 170)};
    c.findBar = {kBlack, Rgb(236, 236, 236)};
    c.ownListBackground = false;
    c.listBackground = kWhite;
    c.stationNormal = kBlack;
    c.stationAttention = kClassicRed;
    c.stationOutgoing = kClassicBlue;
    c.stationSelectedFill = Rgb(192, 192, 192);
    c.ownPalette = false;
    c.counterNormal = kBlack;
    c.counterAttention = kClassicRed;
    c.logLogin = Rgb(0, 110, 0);
    c.logLoss = Rgb(170, 0, 0);
    return c;
}

// Dark text on white, every colour darkened until it reads at 6:1 or better.
SchemeColours MakeLightHighContrast() {
    SchemeColours c;
    c.scheme = ColourScheme::kLightHighContrast;
    c.textBackground = kWhite;
    c.traffic = {
        Rgb(0, 0, 128),    // navy
        Rgb(128, 0, 0),    // maroon
        Rgb(0, 100, 0),    // green
        Rgb(0, 0, 220),    // blue
        Rgb(0, 90, 100),   // teal
        Rgb(110, 80, 0),   // yellow: a dark amber
        kBlack,            // black
        Rgb(85, 85, 0),    // olive
        Rgb(64, 64, 64),   // white, the default code: a dark grey
        Rgb(120, 0, 120),  // the console's echo
        Rgb(150, 50, 0),   // the link notice
    };
    c.defaultText = kBlack;
    c.invertSelection = false;
    c.selection = {kWhite, Rgb(0, 60, 140)};
    c.findMatch = {kBlack, Rgb(255, 200, 60)};
    c.scrolledBackBar = {Rgb(64, 48, 0), Rgb(255, 236, 170)};
    c.findBar = {kBlack, Rgb(230, 230, 230)};
    c.ownListBackground = true;
    c.listBackground = kWhite;
    c.stationNormal = kBlack;
    c.stationAttention = Rgb(176, 0, 0);
    c.stationOutgoing = Rgb(0, 0, 200);
    c.stationSelectedFill = Rgb(210, 222, 240);
    c.ownPalette = true;
    c.window = Rgb(245, 245, 245);
    c.windowText = kBlack;
    c.base = kWhite;
    c.baseText = kBlack;
    // Light, so that the toolbar's icons still show on a checked button.
    c.highlight = Rgb(175, 200, 245);
    c.highlightedText = kBlack;
    c.hintText = Rgb(82, 82, 82);
    c.counterNormal = kBlack;
    c.counterAttention = Rgb(176, 0, 0);
    c.logLogin = Rgb(0, 110, 0);
    c.logLoss = Rgb(170, 0, 0);
    return c;
}

// Light text on near black, the table's colours lightened to 7:1 or better.
SchemeColours MakeDark() {
    SchemeColours c;
    c.scheme = ColourScheme::kDark;
    c.textBackground = Rgb(24, 24, 24);
    c.traffic = {
        Rgb(150, 160, 255),  // navy: a light blue
        Rgb(255, 135, 135),  // maroon: a light red
        Rgb(100, 215, 100),  // green
        Rgb(90, 190, 255),   // blue: sky blue
        Rgb(70, 215, 215),   // teal
        Rgb(255, 230, 80),   // yellow
        Rgb(225, 225, 225),  // black: the light grey of ordinary text
        Rgb(200, 200, 110),  // olive
        kWhite,              // white, the default code
        Rgb(230, 140, 230),  // the console's echo
        Rgb(255, 160, 70),   // the link notice
    };
    c.defaultText = Rgb(225, 225, 225);
    c.invertSelection = false;
    c.selection = {kBlack, Rgb(190, 210, 255)};
    c.findMatch = {kBlack, Rgb(255, 200, 60)};
    c.scrolledBackBar = {Rgb(255, 236, 170), Rgb(80, 64, 0)};
    c.findBar = {Rgb(225, 225, 225), Rgb(48, 48, 48)};
    c.ownListBackground = true;
    c.listBackground = Rgb(24, 24, 24);
    c.stationNormal = Rgb(225, 225, 225);
    c.stationAttention = Rgb(255, 125, 125);
    c.stationOutgoing = Rgb(120, 175, 255);
    c.stationSelectedFill = Rgb(40, 50, 80);
    c.ownPalette = true;
    c.window = Rgb(45, 45, 45);
    c.windowText = Rgb(225, 225, 225);
    c.base = Rgb(24, 24, 24);
    c.baseText = Rgb(225, 225, 225);
    c.highlight = Rgb(190, 210, 255);
    c.highlightedText = kBlack;
    c.hintText = Rgb(165, 165, 165);
    c.counterNormal = Rgb(225, 225, 225);
    c.counterAttention = Rgb(255, 125, 125);
    c.logLogin = Rgb(100, 215, 100);
    c.logLoss = Rgb(255, 125, 125);
    return c;
}

const std::array<SchemeColours, 3>& AllSchemes() {
    static const std::array<SchemeColours, 3> schemes = {MakeClassic(), MakeLightHighContrast(),
                                                         MakeDark()};
    return schemes;
}

ColourScheme g_current = ColourScheme::kClassic;

double Linear(std::uint32_t channel) {
    const double c = static_cast<double>(channel & 0xFF) / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(std::uint32_t colour) {
    return 0.2126 * Linear(colour) + 0.7152 * Linear(colour >> 8) + 0.0722 * Linear(colour >> 16);
}

}  // namespace

std::string_view ColourSchemeValue(ColourScheme scheme) {
    switch (scheme) {
        case ColourScheme::kLightHighContrast:
            return "light-high-contrast";
        case ColourScheme::kDark:
            return "dark";
        case ColourScheme::kClassic:
            break;
    }
    return "classic";
}

ColourScheme ParseColourScheme(std::string_view value) {
    for (const ColourScheme scheme : kColourSchemes) {
        const std::string_view name = ColourSchemeValue(scheme);
        if (name.size() == value.size() &&
            std::equal(name.begin(), name.end(), value.begin(),
                       [](char a, char b) { return UpperAscii(a) == UpperAscii(b); })) {
            return scheme;
        }
    }
    return ColourScheme::kClassic;
}

ColourScheme LoadColourScheme(const AppConfig& config) {
    std::string value;
    config.ReadSetting(kSettingsSection, kColourSchemeKey, value);
    return ParseColourScheme(value);
}

void SaveColourScheme(AppConfig& config, ColourScheme scheme) {
    if (LoadColourScheme(config) != scheme) {
        config.WriteSetting(kSettingsSection, kColourSchemeKey, ColourSchemeValue(scheme));
    }
}

std::uint32_t SchemeColours::Traffic(std::uint32_t classic) const {
    // A fresh slot's near black, and anything else no table gives.
    std::uint32_t shown = scheme == ColourScheme::kClassic ? classic : defaultText;
    for (std::size_t i = 0; i < kShownClassicColours.size(); ++i) {
        if (kShownClassicColours[i] == classic) {
            shown = traffic[i];
            break;
        }
    }
    // The table's white (every code it does not list) would vanish on a white ground.
    return shown == textBackground ? defaultText : shown;
}

std::uint32_t SchemeColours::Station(std::uint32_t classic) const {
    if (classic == kClassicRed) {
        return stationAttention;
    }
    return classic == kClassicBlue ? stationOutgoing : stationNormal;
}

std::uint32_t SchemeColours::Counter(std::uint32_t classic) const {
    return classic == kClassicRed ? counterAttention : counterNormal;
}

const SchemeColours& ColoursOf(ColourScheme scheme) {
    return AllSchemes()[static_cast<std::size_t>(scheme)];
}

const SchemeColours& CurrentColours() {
    return ColoursOf(g_current);
}

void SetCurrentColourScheme(ColourScheme scheme) {
    g_current = scheme;
}

double ContrastRatio(std::uint32_t a, std::uint32_t b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace brxw

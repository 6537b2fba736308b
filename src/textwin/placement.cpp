// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwin/placement.h"

#include "config/app_config.h"
#include "text/text_scan.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace brxw {
namespace {

int ClampLong(long value, int low, int high) {
    return static_cast<int>(std::clamp<long>(value, low, high));
}

std::optional<std::pair<long, long>> ReadPair(const AppConfig& config, const std::string& key) {
    std::string text;
    if (!config.ReadProfileText(key, text)) {
        return std::nullopt;
    }
    const std::vector<long> numbers = ScanLongs(text, 2);
    if (numbers.size() < 2) {
        return std::nullopt;
    }
    return std::pair{numbers[0], numbers[1]};
}

}  // namespace

char PlacementLetter(char letter) {
    const bool ascii = (letter >= 'a' && letter <= 'z') || (letter >= 'A' && letter <= 'Z');
    return ascii ? letter : 'o';
}

std::string SizeKey(char letter) {
    return std::string("Size_") + PlacementLetter(letter);
}

std::string PositionKey(char letter) {
    return std::string("Position_") + PlacementLetter(letter);
}

Placement ClampPlacement(Placement p) {
    p.x = std::clamp(p.x, -kMaxWindowCoordinate, kMaxWindowCoordinate);
    p.y = std::clamp(p.y, -kMaxWindowCoordinate, kMaxWindowCoordinate);
    p.width = std::clamp(p.width, kMinWindowWidth, kMaxWindowExtent);
    p.height = std::clamp(p.height, kMinWindowHeight, kMaxWindowExtent);
    return p;
}

Placement ReadPlacement(const AppConfig& config, char letter, Placement defaults) {
    const auto size = ReadPair(config, SizeKey(letter));
    if (!size || size->first <= 0 || size->second <= 0) {
        return defaults;
    }
    Placement p = defaults;
    p.width = ClampLong(size->first, kMinWindowWidth, kMaxWindowExtent);
    p.height = ClampLong(size->second, kMinWindowHeight, kMaxWindowExtent);
    if (const auto position = ReadPair(config, PositionKey(letter))) {
        p.x = ClampLong(position->first, -kMaxWindowCoordinate, kMaxWindowCoordinate);
        p.y = ClampLong(position->second, -kMaxWindowCoordinate, kMaxWindowCoordinate);
    }
    return p;
}

}  // namespace brxw

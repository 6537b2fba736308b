// SPDX-License-Identifier: GPL-3.0-or-later
// The program's colours (0x00BBGGRR, as the server and BrxW.ini give them) as Qt paints them.
#pragma once

#include <QColor>
#include <cstdint>

namespace brxw {

inline QColor ToQColor(std::uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

}  // namespace brxw

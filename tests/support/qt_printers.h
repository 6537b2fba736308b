// SPDX-License-Identifier: GPL-3.0-or-later
// GoogleTest printers for Qt types, so failures show text instead of bytes.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << '"' << bytes.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '{';
    for (const QString& text : list) {
        *os << " \"" << text.toStdString() << '"';
    }
    *os << " }";
}
QT_END_NAMESPACE

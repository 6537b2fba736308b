// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/editor_icons.h"

#include <QPainter>

#include "editor/main_frame.h"
#include "resources/toolbar_icons.h"

namespace brxw {

namespace {

QPen Pen(const QColor& colour, qreal width = 1.1) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

const QColor kInk(40, 40, 40);

// A sheet of paper with a few lines of text on it.
void Sheet(QPainter& p, const QRectF& r) {
    p.setPen(Pen(kInk));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(Pen(QColor(90, 90, 160), 0.9));
    for (qreal y = r.top() + 2.5; y < r.bottom() - 1; y += 2.2) {
        p.drawLine(QPointF(r.left() + 1.8, y), QPointF(r.right() - 1.8, y));
    }
}

}  // namespace

QIcon EditorIcon(int command) {
    switch (static_cast<CMainFrame::Command>(command)) {
        case CMainFrame::Command::Save:  // a diskette
            return DrawToolbarIcon([](QPainter& p) {
                p.setPen(Pen(kInk));
                p.setBrush(QColor(40, 70, 150));
                p.drawRect(QRectF(1.5, 1.5, 13, 12));
                p.setBrush(Qt::white);
                p.drawRect(QRectF(4, 1.5, 8, 5));
                p.setBrush(QColor(200, 200, 200));
                p.drawRect(QRectF(4.5, 9, 7, 4.5));
            });
        case CMainFrame::Command::Cut:  // scissors
            return DrawToolbarIcon([](QPainter& p) {
                p.setPen(Pen(kInk, 1.3));
                p.drawLine(QPointF(5, 1.5), QPointF(10, 9.5));
                p.drawLine(QPointF(11, 1.5), QPointF(6, 9.5));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(QRectF(2.5, 9.5, 4, 4));
                p.drawEllipse(QRectF(9.5, 9.5, 4, 4));
            });
        case CMainFrame::Command::Copy:  // two sheets
            return DrawToolbarIcon([](QPainter& p) {
                Sheet(p, QRectF(1.5, 1.5, 8, 9));
                Sheet(p, QRectF(6.5, 4.5, 8, 9.5));
            });
        case CMainFrame::Command::Paste:  // a clipboard with a sheet
            return DrawToolbarIcon([](QPainter& p) {
                p.setPen(Pen(kInk));
                p.setBrush(QColor(170, 120, 60));
                p.drawRect(QRectF(1.5, 2.5, 9, 11));
                p.setBrush(QColor(200, 200, 200));
                p.drawRect(QRectF(4, 1, 4, 3));
                Sheet(p, QRectF(6.5, 5.5, 8, 8.5));
            });
        case CMainFrame::Command::Print:  // a printer with paper
            return DrawToolbarIcon([](QPainter& p) {
                Sheet(p, QRectF(4, 1.5, 8, 6));
                p.setPen(Pen(kInk));
                p.setBrush(QColor(160, 160, 160));
                p.drawRoundedRect(QRectF(1.5, 6.5, 13, 5.5), 1, 1);
                p.setBrush(Qt::white);
                p.drawRect(QRectF(4, 10.5, 8, 3.5));
                p.setPen(Pen(QColor(0, 160, 0), 1.4));
                p.drawPoint(QPointF(12.5, 8.5));
            });
        default:
            return {};
    }
}

}  // namespace brxw

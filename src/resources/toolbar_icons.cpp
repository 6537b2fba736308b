// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/toolbar_icons.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <cmath>
#include <utility>

#include "resources/command_ids.h"

namespace brxw {

namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 15;
constexpr int kScale = 2;  // drawn at twice the size for high-density screens

// The colours of one picture's lines for the ground it lies on: the toolbar's button colour,
// light in the classic and high-contrast schemes and dark in the dark one, or a checked button's
// fill.
struct Ink {
    bool dark = false;
    QColor outline;  // frames, masts, plugs: near black on light, light grey on dark
    // A colour as drawn on this ground: `onLight` on a light ground, `onDark` on a dark one.
    QColor Pick(const QColor& onLight, const QColor& onDark) const {
        return dark ? onDark : onLight;
    }
};

Ink InkFor(bool darkGround) {
    return {darkGround, darkGround ? QColor(215, 215, 215) : QColor(40, 40, 40)};
}

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Whether the ground a toolbar button shows its picture on is dark, as the application's palette
// has it now: the button's colour, or the highlight that a checked button is filled with.
bool DarkGround(QIcon::State state) {
    const QColor ground = QGuiApplication::palette().color(state == QIcon::On ? QPalette::Highlight
                                                                              : QPalette::Button);
    // Relative luminance (WCAG 2); below this, dark lines show less than light ones.
    constexpr double kDarkBelow = 0.18;
    return 0.2126 * Linear(ground.red()) + 0.7152 * Linear(ground.green()) +
               0.0722 * Linear(ground.blue()) <
           kDarkBelow;
}

using DrawOnGround = std::function<void(QPainter&, const Ink&)>;

QPixmap Render(const DrawOnGround& draw, const Ink& ink, const QSize& size, qreal scale) {
    QPixmap pixmap(size * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(static_cast<qreal>(size.width()) / kWidth, static_cast<qreal>(size.height()) / kHeight);
    draw(p, ink);
    p.end();
    return pixmap;
}

// A toolbar picture drawn when it is shown, in the colours of the ground it is shown on, so that
// it reads after a switch between a light and the dark scheme as well.
class CGroundIconEngine : public QIconEngine {
public:
    explicit CGroundIconEngine(DrawOnGround draw) : m_draw(std::move(draw)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal scale =
            painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1;
        painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, scale));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        // A button repaints on every hover and toggle: each picture is drawn once per size, mode
        // and state, and drawn anew after a switch of scheme changes the palette.
        const qint64 palette = QGuiApplication::palette().cacheKey();
        if (palette != m_drawnFor) {
            m_drawn.clear();
            m_drawnFor = palette;
        }
        const QString key = QStringLiteral("%1x%2@%3/%4/%5")
                                .arg(size.width())
                                .arg(size.height())
                                .arg(scale)
                                .arg(int(mode))
                                .arg(int(state));
        if (const auto found = m_drawn.constFind(key); found != m_drawn.constEnd()) {
            return *found;
        }
        QPixmap pixmap =
            Render(m_draw, InkFor(DarkGround(state)), Fitted(size), std::max<qreal>(scale, kScale));
        if (mode == QIcon::Disabled && QApplication::style() != nullptr) {
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        m_drawn.insert(key, pixmap);
        return pixmap;
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return Fitted(size); }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(kWidth, kHeight)};
    }
    QIconEngine* clone() const override { return new CGroundIconEngine(m_draw); }
    QString key() const override { return QStringLiteral("brxw-toolbar"); }

private:
    QHash<QString, QPixmap> m_drawn;
    qint64 m_drawnFor = 0;
    // The picture's own size, or smaller to fit a smaller request.
    static QSize Fitted(const QSize& size) {
        return QSize(kWidth, kHeight)
            .scaled(size.boundedTo(QSize(kWidth, kHeight)), Qt::KeepAspectRatio);
    }

    DrawOnGround m_draw;
};

QIcon Paint(DrawOnGround draw) {
    return QIcon(new CGroundIconEngine(std::move(draw)));
}

template <typename Draw>
QIcon PaintFixed(Draw draw) {
    QPixmap pixmap(kWidth * kScale, kHeight * kScale);
    pixmap.setDevicePixelRatio(kScale);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.end();
    return QIcon(pixmap);
}

QPen Pen(const QColor& colour, qreal width = 1.2) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Screen(QPainter& p, const Ink& ink, const QColor& body) {
    p.setPen(Pen(ink.outline));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 10), 1.5, 1.5);
}

void Lines(QPainter& p, int count, const QColor& colour) {
    p.setPen(Pen(colour, 1.0));
    for (int i = 0; i < count; ++i) {
        const qreal y = 4 + i * 2.2;
        p.drawLine(QPointF(4, y), QPointF(12 - (i % 2) * 2, y));
    }
}

void Cross(QPainter& p, const QColor& colour, qreal width) {
    p.setPen(Pen(colour, width));
    p.drawLine(QPointF(9, 8), QPointF(14, 13));
    p.drawLine(QPointF(14, 8), QPointF(9, 13));
}

// A plug with a cross: the disconnect buttons, the immediate one in a brighter, bolder red.
void Unplug(QPainter& p, const Ink& ink, const QColor& cross, qreal width) {
    p.setPen(Pen(ink.outline, 1.4));
    p.drawLine(QPointF(1.5, 5), QPointF(6, 5));
    p.setBrush(QColor(160, 160, 160));
    p.drawRect(QRectF(6, 2.5, 4, 5));
    Cross(p, cross, width);
}

}  // namespace

QIcon DrawToolbarIcon(const std::function<void(QPainter&)>& draw) {
    return PaintFixed(draw);
}

namespace {

constexpr int kProgramIconSizes[] = {16, 32, 48, 64, 128, 256};

QString ProgramIconFile(int size) {
    return QStringLiteral(":/brxw/brxw-%1.png").arg(size);
}

// The program's icon, read from its PNGs only when a pixmap of it is first wanted: adding the
// files to a QIcon reads and decodes them at once (and looks for image plugins), which cost a
// few milliseconds before the first paint, again for every window given the icon, though a
// window hidden until later, or the offscreen platform, never shows it.
class CProgramIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Loaded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return Loaded().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Loaded().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int size : kProgramIconSizes) {
            sizes.append(QSize(size, size));
        }
        return sizes;
    }
    bool isNull() override { return !QFile::exists(ProgramIconFile(kProgramIconSizes[0])); }
    QIconEngine* clone() const override { return new CProgramIconEngine; }
    QString key() const override { return QStringLiteral("brxw-program"); }

private:
    const QIcon& Loaded() {
        if (m_loaded.isNull()) {
            for (const int size : kProgramIconSizes) {
                m_loaded.addFile(ProgramIconFile(size), QSize(size, size));
            }
        }
        return m_loaded;
    }

    QIcon m_loaded;
};

}  // namespace

QIcon ProgramIcon() {
    return QIcon(new CProgramIconEngine);
}

QIcon ToolbarIcon(int command) {
    switch (command) {
        case cmd::kConsoleWindow:
            return Paint([](QPainter& p, const Ink& ink) {
                Screen(p, ink, ink.Pick(QColor(0, 0, 128), QColor(70, 120, 230)));
                p.setPen(Pen(Qt::white, 1.2));
                p.drawLine(QPointF(4, 4.5), QPointF(6.5, 6.5));
                p.drawLine(QPointF(6.5, 6.5), QPointF(4, 8.5));
                p.drawLine(QPointF(8, 8.5), QPointF(11.5, 8.5));
                p.setPen(Pen(ink.outline));
                p.drawLine(QPointF(5, 13.5), QPointF(11, 13.5));
            });
        case cmd::kMonitoringWindow:
            return Paint([](QPainter& p, const Ink& ink) {
                p.setPen(Pen(ink.outline, 1.4));
                p.drawLine(QPointF(8, 14), QPointF(8, 6));
                p.drawLine(QPointF(5, 14), QPointF(11, 14));
                p.setPen(Pen(ink.Pick(QColor(0, 128, 0), QColor(110, 220, 110)), 1.2));
                p.setBrush(Qt::NoBrush);
                p.drawArc(QRectF(4, 2, 8, 8), 20 * 16, 140 * 16);
                p.drawArc(QRectF(1, -1, 14, 14), 30 * 16, 120 * 16);
            });
        case cmd::kAllChannelsWindow:
            return Paint([](QPainter& p, const Ink& ink) {
                Screen(p, ink, Qt::white);
                Lines(p, 4, QColor(0, 0, 128));
            });
        case cmd::kOneChannelWindow:
            return Paint([](QPainter& p, const Ink& ink) {
                Screen(p, ink, Qt::white);
                p.setPen(Pen(QColor(128, 0, 0), 1.6));
                p.drawLine(QPointF(4, 6.5), QPointF(12, 6.5));
            });
        case cmd::kDisconnectChannel:
            return Paint([](QPainter& p, const Ink& ink) {
                Unplug(p, ink, ink.Pick(QColor(128, 0, 0), QColor(255, 120, 120)), 1.5);
            });
        case cmd::kImmediateDisconnect:
            return Paint([](QPainter& p, const Ink& ink) {
                Unplug(p, ink, ink.Pick(QColor(230, 0, 0), QColor(255, 70, 70)), 2.2);
            });
        case cmd::kEditMessageProperties:
            return Paint([](QPainter& p, const Ink& ink) {
                // A light envelope: its edge in the ground's outline, its flap dark on it.
                p.setPen(Pen(ink.outline));
                p.setBrush(QColor(255, 255, 220));
                p.drawRect(QRectF(1.5, 3.5, 13, 9));
                p.setPen(Pen(QColor(40, 40, 40)));
                p.drawLine(QPointF(1.5, 3.5), QPointF(8, 8.5));
                p.drawLine(QPointF(14.5, 3.5), QPointF(8, 8.5));
            });
        case cmd::kEditUserProperties:
            return Paint([](QPainter& p, const Ink& ink) {
                p.setPen(Pen(ink.outline));
                p.setBrush(ink.Pick(QColor(0, 128, 128), QColor(70, 200, 200)));
                p.drawEllipse(QRectF(5, 1.5, 6, 6));
                p.drawChord(QRectF(2, 8, 12, 12), 0, 180 * 16);
            });
        case cmd::kPendingForward:
            return Paint([](QPainter& p, const Ink& ink) {
                p.setPen(Pen(ink.Pick(QColor(0, 100, 0), QColor(110, 220, 110)), 1.8));
                p.drawLine(QPointF(2, 7.5), QPointF(13, 7.5));
                p.drawLine(QPointF(9, 3.5), QPointF(13, 7.5));
                p.drawLine(QPointF(9, 11.5), QPointF(13, 7.5));
            });
        case cmd::kOpenConfigFile:
            return Paint([](QPainter& p, const Ink& ink) {
                p.setPen(Pen(ink.Pick(QColor(120, 90, 0), QColor(255, 230, 150))));
                p.setBrush(QColor(240, 200, 80));
                QPainterPath folder;
                folder.moveTo(1.5, 12.5);
                folder.lineTo(1.5, 3.5);
                folder.lineTo(6, 3.5);
                folder.lineTo(7.5, 5);
                folder.lineTo(14.5, 5);
                folder.lineTo(14.5, 12.5);
                folder.closeSubpath();
                p.drawPath(folder);
            });
        case cmd::kPactorScan:
        case cmd::kPactorReceive:
        case cmd::kPactorSend:
            return Paint([command](QPainter& p, const Ink& ink) {
                p.setPen(Pen(ink.Pick(QColor(0, 0, 128), QColor(160, 170, 255)), 1.3));
                QFont font = p.font();
                font.setPixelSize(9);
                font.setBold(true);
                p.setFont(font);
                const char* letter = command == cmd::kPactorScan      ? "PS"
                                     : command == cmd::kPactorReceive ? "PR"
                                                                      : "PT";
                p.drawText(QRectF(0, 0, kWidth, kHeight), Qt::AlignCenter,
                           QString::fromLatin1(letter));
            });
        default:
            return {};
    }
}

}  // namespace brxw

// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/colours_page.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QtGlobal>
#include <optional>
#include <utility>

#include "resources/translate.h"
#include "textwin/qt_colour.h"
#include "textwin/text_view_state.h"

namespace brxw {

namespace {

// What each classic colour of kShownClassicColours is shown with in the sample.
constexpr const char* kSampleTexts[] = {
    QT_TRANSLATE_NOOP("brxw::CColoursPage", "Colour code 0 (navy): console text"),
    QT_TRANSLATE_NOOP("brxw::CColoursPage", "Colour code 1 (maroon)"),
    QT_TRANSLATE_NOOP("brxw::CColoursPage",
                      "Colour code 2 and 3 (green): [ -- Channel changed to 3 -- ]"),
    QT_TRANSLATE_NOOP("brxw::CColoursPage", "Colour code 4 (blue)"),
    QT_TRANSLATE_NOOP("brxw::CColoursPage", "Colour code 5 (teal)"),
    QT_TRANSLATE_NOOP("brxw::CColoursPage", "Colour code 6 (yellow)"),
    QT_TRANSLATE_NOOP("brxw::CColoursPage", "Colour code 7 (black)"),
    QT_TRANSLATE_NOOP("brxw::CColoursPage", "Colour code 9 (olive)"),
    QT_TRANSLATE_NOOP("brxw::CColoursPage", "Any other code (white)"),
    QT_TRANSLATE_NOOP("brxw::CColoursPage", "A command you typed, echoed"),
    QT_TRANSLATE_NOOP("brxw::CColoursPage", "Why the link went down"),
};

// The text window's look in one scheme: every traffic colour on its background, then a
// selection and a match of "Highlight all" as the window draws them.
class CSchemeSample : public QWidget {
public:
    explicit CSchemeSample(QWidget* parent) : QWidget(parent) {
        setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        setAccessibleName(Tr("brxw::CColoursPage", "Sample of the colours"));
    }

    void SetScheme(ColourScheme scheme) {
        m_scheme = scheme;
        update();
    }

    // Every line shown whole, whatever the font's size.
    QSize minimumSizeHint() const override { return sizeHint(); }

    QSize sizeHint() const override {
        const QFontMetrics metrics(font());
        int width = 0;
        for (const char* text : kSampleTexts) {
            width = std::max(width, metrics.horizontalAdvance(Tr("brxw::CColoursPage", text)));
        }
        return QSize(width + 4 * TextViewState::kLeftMargin,
                     metrics.lineSpacing() * (static_cast<int>(std::size(kSampleTexts)) + 1) + 4);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        const SchemeColours& colours = ColoursOf(m_scheme);
        QPainter painter(this);
        painter.fillRect(rect(), ToQColor(colours.textBackground));
        const QFontMetrics metrics(font());
        const int left = TextViewState::kLeftMargin;
        int y = 2 + metrics.ascent();
        for (std::size_t i = 0; i < std::size(kSampleTexts); ++i) {
            painter.setPen(ToQColor(colours.Traffic(kShownClassicColours[i])));
            painter.drawText(left, y, Tr("brxw::CColoursPage", kSampleTexts[i]));
            y += metrics.lineSpacing();
        }
        // "Selected" as the selection shows it, then a match of the find bar.
        const QString selected = Tr("brxw::CColoursPage", "Selected text");
        const QString match = QStringLiteral("Q4BBS");
        const QRect selRect(left, y - metrics.ascent(), metrics.horizontalAdvance(selected),
                            metrics.height());
        if (colours.invertSelection) {
            painter.setPen(ToQColor(colours.defaultText));
            painter.drawText(left, y, selected);
            painter.setCompositionMode(QPainter::CompositionMode_Difference);
            painter.fillRect(selRect, Qt::white);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        } else {
            painter.fillRect(selRect, ToQColor(colours.selection.background));
            painter.setPen(ToQColor(colours.selection.text));
            painter.drawText(left, y, selected);
        }
        const int matchLeft = selRect.right() + 1 + metrics.horizontalAdvance(QLatin1Char(' '));
        painter.fillRect(
            QRect(matchLeft, selRect.top(), metrics.horizontalAdvance(match), metrics.height()),
            ToQColor(colours.findMatch.background));
        painter.setPen(ToQColor(colours.findMatch.text));
        painter.drawText(matchLeft, y, match);
    }

private:
    ColourScheme m_scheme = ColourScheme::kClassic;
};

QPalette SchemePalette(const SchemeColours& c) {
    QPalette palette(ToQColor(c.window), ToQColor(c.window));
    const QColor windowText = ToQColor(c.windowText);
    const QColor baseText = ToQColor(c.baseText);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, windowText);
        palette.setColor(group, QPalette::ButtonText, windowText);
        palette.setColor(group, QPalette::Text, baseText);
        palette.setColor(group, QPalette::Base, ToQColor(c.base));
        palette.setColor(group, QPalette::AlternateBase, ToQColor(c.window));
        palette.setColor(group, QPalette::ToolTipBase, ToQColor(c.base));
        palette.setColor(group, QPalette::ToolTipText, baseText);
        palette.setColor(group, QPalette::Highlight, ToQColor(c.highlight));
        palette.setColor(group, QPalette::HighlightedText, ToQColor(c.highlightedText));
        palette.setColor(group, QPalette::BrightText, ToQColor(c.counterAttention));
        palette.setColor(group, QPalette::Link, ToQColor(c.stationOutgoing));
        palette.setColor(group, QPalette::Dark, ToQColor(c.hintText));
        // Hints that are drawn in these read as text too.
        palette.setColor(group, QPalette::PlaceholderText, ToQColor(c.traffic[8]));
    }
    // Greyed text halfway between the text and its background.
    const auto mix = [](QColor a, QColor b) {
        return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2,
                      (a.blue() + b.blue()) / 2);
    };
    palette.setColor(QPalette::Disabled, QPalette::WindowText, mix(windowText, ToQColor(c.window)));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, mix(windowText, ToQColor(c.window)));
    palette.setColor(QPalette::Disabled, QPalette::Text, mix(baseText, ToQColor(c.base)));
    palette.setColor(QPalette::Disabled, QPalette::Base, ToQColor(c.window));
    return palette;
}

// The system's palette, kept when a scheme first replaces it.
std::optional<QPalette>& SystemPalette() {
    static std::optional<QPalette> palette;
    return palette;
}

}  // namespace

void ApplyColourScheme(ColourScheme scheme) {
    SetCurrentColourScheme(scheme);
    const SchemeColours& colours = ColoursOf(scheme);
    std::optional<QPalette>& system = SystemPalette();
    if (colours.ownPalette) {
        if (!system) {
            system = QApplication::palette();
        }
        QApplication::setPalette(SchemePalette(colours));
    } else if (system) {
        QApplication::setPalette(*system);
    }
}

CColoursPage::CColoursPage(AppConfig& config, std::function<void(ColourScheme)> apply,
                           QWidget* parent)
    : CPreferencesPage(parent),
      m_config(config),
      m_apply(std::move(apply)),
      m_sample(new CSchemeSample(this)) {
    setObjectName(QStringLiteral("colours"));
    auto* schemes = new QGroupBox(tr("Colour scheme"), this);
    auto* schemesLayout = new QVBoxLayout(schemes);
    const ColourScheme stored = LoadColourScheme(config);
    const char* const labels[] = {QT_TRANSLATE_NOOP("brxw::CColoursPage", "C&lassic"),
                                  QT_TRANSLATE_NOOP("brxw::CColoursPage", "&High contrast (light)"),
                                  QT_TRANSLATE_NOOP("brxw::CColoursPage", "&Dark")};
    for (const ColourScheme scheme : kColourSchemes) {
        auto* button = new QRadioButton(tr(labels[static_cast<std::size_t>(scheme)]), schemes);
        button->setChecked(scheme == stored);
        schemesLayout->addWidget(button);
        m_buttons[static_cast<std::size_t>(scheme)] = button;
        connect(button, &QRadioButton::toggled, this, [this, scheme](bool on) {
            if (on) {
                static_cast<CSchemeSample*>(m_sample)->SetScheme(scheme);
            }
        });
    }
    auto* note =
        new QLabel(tr("Classic shows the traffic in the server's own colours on white. The "
                      "other two give every colour at least 4.5:1 contrast against its "
                      "background, and colour the station list, the counters and the "
                      "program's windows to match."),
                   schemes);
    note->setWordWrap(true);
    schemesLayout->addWidget(note);

    auto* sampleBox = new QGroupBox(tr("Text windows"), this);
    auto* sampleLayout = new QVBoxLayout(sampleBox);
    sampleLayout->addWidget(m_sample);
    static_cast<CSchemeSample*>(m_sample)->SetScheme(stored);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(schemes);
    layout->addWidget(sampleBox);
    layout->addStretch(1);
    setFocusProxy(SchemeButton(stored));
}

ColourScheme CColoursPage::Chosen() const {
    for (const ColourScheme scheme : kColourSchemes) {
        if (SchemeButton(scheme)->isChecked()) {
            return scheme;
        }
    }
    return ColourScheme::kClassic;
}

void CColoursPage::Apply() {
    const ColourScheme chosen = Chosen();
    SaveColourScheme(m_config, chosen);
    if (chosen != CurrentColours().scheme && m_apply) {
        m_apply(chosen);
    }
}

}  // namespace brxw

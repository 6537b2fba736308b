// SPDX-License-Identifier: GPL-3.0-or-later
#include "alerts/alerts_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <iterator>

#include "alerts/alerts_notifier.h"
#include "config/app_config.h"
#include "text/charset.h"
#include "textwin/colour_scheme.h"
#include "textwin/qt_colour.h"

namespace brxw {

namespace {

QString StoredText(const std::string& ansi) {
    return AnsiToQString(ansi);
}

// The text in the ANSI page, or nothing when the page lacks one of its characters (it would be
// stored as '?', which means something else in a pattern).
std::optional<std::string> Storable(const QString& text) {
    std::string ansi = QStringToAnsi(text);
    if (AnsiToQString(ansi) != text) {
        return std::nullopt;
    }
    return ansi;
}

}  // namespace

CAlertsPage::CAlertsPage(AppConfig& config, CAlertsNotifier& notifier, QWidget* parent)
    : CPreferencesPage(parent),
      m_config(config),
      m_notifier(notifier),
      m_stations(new QCheckBox(tr("&Any station connects"), this)),
      m_chosen(new QCheckBox(tr("One of these &stations connects:"), this)),
      m_callsigns(new QLineEdit(this)),
      m_sound(new QCheckBox(tr("Ring the &bell"), this)),
      m_desktop(new QCheckBox(tr("Desktop &notification"), this)),
      m_test(new QPushButton(tr("&Test"), this)) {
    setObjectName(QStringLiteral("alerts"));
    const AlertSettings stored = LoadAlertSettings(config);
    m_stations->setChecked(stored.stations);
    m_chosen->setChecked(stored.chosen);
    m_callsigns->setMaxLength(static_cast<int>(kAlertValueLimit));
    m_callsigns->setText(StoredText(stored.callsigns));
    m_callsigns->setPlaceholderText(QStringLiteral("Q1ABC, Q4BBS-7"));
    m_traffic = MakePattern(stored.traffic);
    m_traffic.on->setText(tr("&Monitoring or channel traffic contains:"));
    m_traffic.text->setPlaceholderText(QStringLiteral("QST, SYSOP"));
    m_console = MakePattern(stored.console);
    m_console.on->setText(tr("A console &line contains:"));
    m_console.text->setPlaceholderText(QStringLiteral("new mail for SYSOP"));
    // Each box is named after what it alerts on; on the screen its check box says so.
    m_callsigns->setAccessibleName(tr("Stations whose connection raises an alert"));
    m_traffic.text->setAccessibleName(
        tr("Text in monitoring or channel traffic that raises an alert"));
    m_console.text->setAccessibleName(tr("Text in a console line that raises an alert"));
    m_sound->setChecked(stored.sound);
    m_desktop->setChecked(stored.desktop);

    auto* callsHint = new QLabel(tr("Calls separated by blanks or commas; Q1ABC stands "
                                    "for all its SSIDs, Q1ABC-7 for that one only."),
                                 this);
    callsHint->setWordWrap(true);
    callsHint->setStyleSheet(QStringLiteral("color: palette(dark)"));

    auto* when = new QGroupBox(tr("Alert when"), this);
    auto* grid = new QGridLayout(when);
    grid->setColumnStretch(1, 1);
    int row = 0;
    grid->addWidget(m_stations, row++, 0, 1, 2);
    grid->addWidget(m_chosen, row, 0);
    grid->addWidget(m_callsigns, row++, 1);
    grid->addWidget(callsHint, row++, 1);
    for (const PatternFields* fields : {&m_traffic, &m_console}) {
        grid->addWidget(fields->on, row, 0);
        grid->addWidget(fields->text, row++, 1);
        auto* switches = new QHBoxLayout;
        switches->addWidget(fields->regex);
        switches->addWidget(fields->matchCase);
        switches->addStretch(1);
        grid->addLayout(switches, row++, 1);
        grid->addWidget(fields->hint, row++, 1);
    }

    auto* how = new QGroupBox(tr("Besides a line in the status bar"), this);
    auto* howLayout = new QGridLayout(how);
    howLayout->addWidget(m_sound, 0, 0);
    howLayout->addWidget(m_desktop, 0, 1);
    howLayout->addWidget(m_test, 0, 3);
    howLayout->setColumnStretch(2, 1);
    auto* rate = new QLabel(tr("Of each kind at most one alert in %1 seconds; what "
                               "matches meanwhile is summed up when they are over. "
                               "Stations listed at login raise none.")
                                .arg(kAlertQuietPeriod.count() / 1000),
                            this);
    rate->setWordWrap(true);
    howLayout->addWidget(rate, 1, 0, 1, 4);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(when);
    layout->addWidget(how);
    layout->addStretch(1);

    // The first switch takes the focus when the tab is shown; Tab goes down the page.
    setFocusProxy(m_stations);
    QWidget* order[] = {m_stations,     m_chosen,        m_callsigns,         m_traffic.on,
                        m_traffic.text, m_traffic.regex, m_traffic.matchCase, m_console.on,
                        m_console.text, m_console.regex, m_console.matchCase, m_sound,
                        m_desktop,      m_test};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    connect(m_test, &QPushButton::clicked, this,
            [this] { m_notifier.FireTest(m_sound->isChecked(), m_desktop->isChecked()); });
    UpdateHints();
}

CAlertsPage::PatternFields CAlertsPage::MakePattern(const AlertPattern& stored) {
    PatternFields fields{new QCheckBox(this), new QLineEdit(this),
                         new QCheckBox(tr("Regular expression"), this),
                         new QCheckBox(tr("Match case"), this), new QLabel(this)};
    fields.on->setChecked(stored.on);
    fields.text->setMaxLength(static_cast<int>(kAlertValueLimit));
    fields.text->setText(StoredText(stored.text));
    fields.regex->setChecked(stored.regex);
    fields.matchCase->setChecked(stored.matchCase);
    fields.hint->setWordWrap(true);
    connect(fields.text, &QLineEdit::textChanged, this, &CAlertsPage::UpdateHints);
    connect(fields.regex, &QCheckBox::toggled, this, &CAlertsPage::UpdateHints);
    connect(fields.on, &QCheckBox::toggled, this, &CAlertsPage::UpdateHints);
    return fields;
}

AlertPattern CAlertsPage::Read(const PatternFields& fields) {
    return AlertPattern{fields.on->isChecked(), fields.regex->isChecked(),
                        fields.matchCase->isChecked(), QStringToAnsi(fields.text->text())};
}

AlertSettings CAlertsPage::Edited() const {
    AlertSettings s;
    s.sound = m_sound->isChecked();
    s.desktop = m_desktop->isChecked();
    s.stations = m_stations->isChecked();
    s.chosen = m_chosen->isChecked();
    s.callsigns = QStringToAnsi(m_callsigns->text().trimmed());
    s.traffic = Read(m_traffic);
    s.console = Read(m_console);
    return s;
}

void CAlertsPage::UpdateHints() {
    // A fault in red: the colour scheme's own, which reads on its window colour.
    const SchemeColours& colours = CurrentColours();
    const QString faultStyle =
        QStringLiteral("color: ") + (colours.ownPalette ? ToQColor(colours.counterAttention).name()
                                                        : QStringLiteral("#c00000"));
    for (const PatternFields* fields : {&m_traffic, &m_console}) {
        AlertPattern pattern = Read(*fields);
        QString hint;
        bool fault = false;
        if (!Storable(fields->text->text())) {
            hint = tr("It holds characters that the Windows code page lacks.");
            fault = true;
        } else if (pattern.text.empty() && !pattern.on) {
            hint = pattern.regex ? tr("A regular expression.")
                                 : tr("Words separated by commas: any of them.");
        } else {
            pattern.on = true;
            const CompiledPattern compiled = CompilePattern(pattern);
            fault = !compiled.error.isEmpty();
            hint = fault           ? compiled.error
                   : pattern.regex ? tr("A valid regular expression.")
                                   : tr("Any of these words (separated by commas) raises it.");
        }
        fields->hint->setText(hint);
        fields->hint->setStyleSheet(fault ? faultStyle : QStringLiteral("color: palette(dark)"));
    }
}

bool CAlertsPage::Refuse(QWidget* field, const QString& why) {
    QMessageBox::warning(this, tr("Preferences"), why);
    field->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->selectAll();
    }
    return false;
}

bool CAlertsPage::Validate() {
    if (m_chosen->isChecked()) {
        const std::string calls = QStringToAnsi(m_callsigns->text());
        if (SplitCallsignList(calls).empty()) {
            return Refuse(m_callsigns, tr("Enter the callsigns of the stations to "
                                          "watch for."));
        }
        if (const auto bad = FirstBadCallsign(calls); bad || !Storable(m_callsigns->text())) {
            return Refuse(m_callsigns, tr("\"%1\" is not a callsign: letters and digits, "
                                          "optionally followed by - and an SSID of 0 to 15.")
                                           .arg(bad ? AnsiToQString(*bad) : m_callsigns->text()));
        }
    }
    for (const PatternFields* fields : {&m_traffic, &m_console}) {
        if (!fields->on->isChecked()) {
            continue;
        }
        if (!Storable(fields->text->text())) {
            return Refuse(fields->text, tr("The pattern holds characters that the Windows code "
                                           "page lacks."));
        }
        const QString error = CompilePattern(Read(*fields)).error;
        if (!error.isEmpty()) {
            return Refuse(fields->text, error);
        }
    }
    return true;
}

void CAlertsPage::Apply() {
    const AlertSettings edited = Edited();
    SaveAlertSettings(m_config, LoadAlertSettings(m_config), edited);
    m_notifier.Configure(edited);
}

}  // namespace brxw

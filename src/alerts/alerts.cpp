// SPDX-License-Identifier: GPL-3.0-or-later
#include "alerts/alerts.h"

#include <QStringList>
#include <cstdlib>
#include <utility>

#include "config/app_config.h"
#include "link/station_line.h"
#include "resources/translate.h"
#include "text/charset.h"

namespace brxw {

namespace {

bool ReadFlag(const AppConfig& config, std::string_view key) {
    std::string value;
    return config.ReadSetting(kSettingsSection, key, value) && std::atoi(value.c_str()) != 0;
}

std::string ReadLong(const AppConfig& config, std::string_view key) {
    return config.Store().Read(kSettingsSection, key, {}, kAlertValueLimit + 1);
}

AlertPattern ReadPattern(const AppConfig& config, std::string_view onKey, std::string_view regexKey,
                         std::string_view caseKey, std::string_view textKey) {
    return AlertPattern{ReadFlag(config, onKey), ReadFlag(config, regexKey),
                        ReadFlag(config, caseKey), ReadLong(config, textKey)};
}

class Writer {
public:
    explicit Writer(AppConfig& config) : m_config(config) {}
    void Flag(std::string_view key, bool before, bool after) {
        if (before != after) {
            m_ok = m_config.WriteSetting(kSettingsSection, key, after ? "1" : "0") && m_ok;
        }
    }
    void Text(std::string_view key, const std::string& before, const std::string& after) {
        if (before != after) {
            m_ok = m_config.WriteSetting(kSettingsSection, key, after) && m_ok;
        }
    }
    void Pattern(std::string_view onKey, std::string_view regexKey, std::string_view caseKey,
                 std::string_view textKey, const AlertPattern& before, const AlertPattern& after) {
        Flag(onKey, before.on, after.on);
        Flag(regexKey, before.regex, after.regex);
        Flag(caseKey, before.matchCase, after.matchCase);
        Text(textKey, before.text, after.text);
    }
    bool Ok() const { return m_ok; }

private:
    AppConfig& m_config;
    bool m_ok = true;
};

bool IsAsciiAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// "-0" is written as no SSID at all on the air.
int SsidOrZero(const std::optional<int>& ssid) {
    return ssid.value_or(0);
}

QString Quote(QString line) {
    line = line.simplified();
    if (line.size() > kAlertQuoteLength) {
        line = line.left(kAlertQuoteLength) + QStringLiteral("...");
    }
    return line;
}

}  // namespace

AlertSettings LoadAlertSettings(const AppConfig& config) {
    AlertSettings s;
    s.sound = ReadFlag(config, kAlertSoundKey);
    s.desktop = ReadFlag(config, kAlertDesktopKey);
    s.stations = ReadFlag(config, kAlertStationsKey);
    s.chosen = ReadFlag(config, kAlertChosenKey);
    s.callsigns = ReadLong(config, kAlertCallsignsKey);
    s.traffic = ReadPattern(config, kAlertTrafficKey, kAlertTrafficRegexKey, kAlertTrafficCaseKey,
                            kAlertTrafficPatternKey);
    s.console = ReadPattern(config, kAlertConsoleKey, kAlertConsoleRegexKey, kAlertConsoleCaseKey,
                            kAlertConsolePatternKey);
    return s;
}

bool SaveAlertSettings(AppConfig& config, const AlertSettings& before, const AlertSettings& after) {
    Writer w(config);
    w.Flag(kAlertSoundKey, before.sound, after.sound);
    w.Flag(kAlertDesktopKey, before.desktop, after.desktop);
    w.Flag(kAlertStationsKey, before.stations, after.stations);
    w.Flag(kAlertChosenKey, before.chosen, after.chosen);
    w.Text(kAlertCallsignsKey, before.callsigns, after.callsigns);
    w.Pattern(kAlertTrafficKey, kAlertTrafficRegexKey, kAlertTrafficCaseKey,
              kAlertTrafficPatternKey, before.traffic, after.traffic);
    w.Pattern(kAlertConsoleKey, kAlertConsoleRegexKey, kAlertConsoleCaseKey,
              kAlertConsolePatternKey, before.console, after.console);
    return w.Ok();
}

CompiledPattern CompilePattern(const AlertPattern& pattern) {
    CompiledPattern result;
    if (!pattern.on) {
        return result;
    }
    QString source;
    const QString text = AnsiToQString(pattern.text);
    if (pattern.regex) {
        source = text;
    } else {
        QStringList words;
        for (const QString& word : text.split(QLatin1Char(','))) {
            if (!word.trimmed().isEmpty()) {
                words << QRegularExpression::escape(word.trimmed());
            }
        }
        source = words.join(QLatin1Char('|'));
    }
    if (source.isEmpty()) {
        result.error = pattern.regex ? Tr("brxw::Alerts", "The regular expression is empty.")
                                     : Tr("brxw::Alerts", "There is no word to look for.");
        return result;
    }
    QRegularExpression expression(source, pattern.matchCase
                                              ? QRegularExpression::NoPatternOption
                                              : QRegularExpression::CaseInsensitiveOption);
    if (!expression.isValid()) {
        result.error = Tr("brxw::Alerts", "Not a valid regular expression: %1 (at character %2).")
                           .arg(expression.errorString())
                           .arg(expression.patternErrorOffset() + 1);
        return result;
    }
    if (expression.match(QString()).hasMatch()) {
        result.error = Tr("brxw::Alerts",
                          "The regular expression matches an empty text, so every line would "
                          "raise an alert.");
        return result;
    }
    result.expression = std::move(expression);
    return result;
}

std::optional<ListedCallsign> ParseListedCallsign(std::string_view text) {
    ListedCallsign call;
    const std::size_t dash = text.find('-');
    const std::string_view base = text.substr(0, dash);
    if (base.empty() || base.size() > 9) {
        return std::nullopt;
    }
    for (char c : base) {
        if (!IsAsciiAlnum(c)) {
            return std::nullopt;
        }
        call.base.push_back(UpperAscii(c));
    }
    if (dash != std::string_view::npos) {
        const std::string_view ssid = text.substr(dash + 1);
        if (ssid.empty() || ssid.size() > 2) {
            return std::nullopt;
        }
        int value = 0;
        for (char c : ssid) {
            if (c < '0' || c > '9') {
                return std::nullopt;
            }
            value = value * 10 + (c - '0');
        }
        if (value > 15) {
            return std::nullopt;
        }
        call.ssid = value;
    }
    return call;
}

std::vector<std::string> SplitCallsignList(std::string_view list) {
    std::vector<std::string> words;
    std::string word;
    for (char c : list) {
        if (c == ' ' || c == '\t' || c == ',' || c == ';') {
            if (!word.empty()) {
                words.push_back(std::move(word));
                word.clear();
            }
        } else {
            word.push_back(c);
        }
    }
    if (!word.empty()) {
        words.push_back(std::move(word));
    }
    return words;
}

std::optional<std::string> FirstBadCallsign(std::string_view list) {
    for (const std::string& word : SplitCallsignList(list)) {
        if (!ParseListedCallsign(word)) {
            return word;
        }
    }
    return std::nullopt;
}

bool CallsignMatches(const ListedCallsign& listed, std::string_view station) {
    const auto heard = ParseListedCallsign(station);
    if (!heard || heard->base != listed.base) {
        return false;
    }
    return !listed.ssid || SsidOrZero(listed.ssid) == SsidOrZero(heard->ssid);
}

QString AlertNotice::Text() const {
    if (more == 0) {
        return Tr("brxw::Alerts", "Alert: %1").arg(detail);
    }
    return Tr("brxw::Alerts", "Alert: %1 more, the last: %2").arg(more).arg(detail);
}

std::optional<AlertNotice> AlertLimiter::Offer(AlertKind kind, const QString& detail, Clock now) {
    State& state = m_states[static_cast<std::size_t>(kind)];
    if (state.quietUntil && now < *state.quietUntil) {
        ++state.counted;
        state.last = detail;
        return std::nullopt;
    }
    if (state.quietUntil && state.counted > 0) {
        // The period ended and its summary has not been asked for yet: the summary goes now,
        // and this match opens the next period's count.
        const AlertNotice summary{kind, state.last, state.counted};
        state = State{now + m_quiet, 1, detail};
        return summary;
    }
    state = State{now + m_quiet, 0, {}};
    return AlertNotice{kind, detail, 0};
}

std::vector<AlertNotice> AlertLimiter::Due(Clock now) {
    std::vector<AlertNotice> due;
    for (std::size_t k = 0; k < kAlertKindCount; ++k) {
        State& state = m_states[k];
        if (!state.quietUntil || now < *state.quietUntil) {
            continue;
        }
        if (state.counted == 0) {
            state = State{};  // the period passed quietly: the next match alerts at once
            continue;
        }
        due.push_back(AlertNotice{static_cast<AlertKind>(k), state.last, state.counted});
        state = State{now + m_quiet, 0, {}};
    }
    return due;
}

std::optional<AlertLimiter::Clock> AlertLimiter::NextDue() const {
    std::optional<Clock> next;
    for (const State& state : m_states) {
        if (state.quietUntil && state.counted > 0 && (!next || *state.quietUntil < *next)) {
            next = state.quietUntil;
        }
    }
    return next;
}

void AlertLimiter::Reset() {
    for (State& state : m_states) {
        state = State{};
    }
}

Alerts::Alerts(Deliver deliver, std::function<Clock()> now)
    : m_deliver(std::move(deliver)), m_now(std::move(now)) {
    if (!m_now) {
        m_now = [] {
            return std::chrono::duration_cast<Clock>(
                std::chrono::steady_clock::now().time_since_epoch());
        };
    }
}

void Alerts::Configure(const AlertSettings& settings) {
    m_settings = settings;
    m_traffic = CompilePattern(settings.traffic);
    m_console = CompilePattern(settings.console);
    m_callsigns.clear();
    for (const std::string& word : SplitCallsignList(settings.callsigns)) {
        if (auto call = ParseListedCallsign(word)) {
            m_callsigns.push_back(std::move(*call));
        }
    }
    ForgetPartialLines();
}

void Alerts::SessionStarted() {
    m_settleUntil = m_now() + kAlertLoginSettle;
    m_stationCalls.clear();
    ForgetPartialLines();
}

void Alerts::ForgetPartialLines() {
    m_monitoringLine = {};
    m_consoleLine = {};
    m_channelLines.clear();
}

void Alerts::StationLine(std::string_view payload) {
    const auto line = ParseStationLine(payload);
    if (!line) {
        return;
    }
    if (line->status == kStatusRemove || line->callsign.empty()) {
        m_stationCalls.erase(line->channel);
        return;
    }
    std::string& known = m_stationCalls[line->channel];
    if (known == line->callsign) {
        return;  // the row of a station already there, with new figures
    }
    known = line->callsign;
    if (m_settleUntil && m_now() < *m_settleUntil) {
        return;
    }
    const QString detail = Tr("brxw::Alerts", "%1 connected on channel %2")
                               .arg(Decode(line->callsign))
                               .arg(line->channel);
    const auto listed = [&](const ListedCallsign& call) {
        return CallsignMatches(call, line->callsign);
    };
    if (m_settings.chosen && std::any_of(m_callsigns.begin(), m_callsigns.end(), listed)) {
        Offer(AlertKind::kChosen, detail);
    } else if (m_settings.stations) {
        Offer(AlertKind::kStation, detail);
    }
}

void Alerts::MonitoringText(std::string_view text) {
    if (!m_traffic.expression) {
        return;  // nothing to look for: not even the line is kept
    }
    m_monitoringLine.Feed(text, [this](std::string_view line) {
        MatchLine(AlertKind::kTraffic, m_traffic, Tr("brxw::Alerts", "monitoring"), line);
    });
}

void Alerts::ConsoleText(std::string_view text) {
    if (!m_console.expression) {
        return;
    }
    m_consoleLine.Feed(text, [this](std::string_view line) {
        MatchLine(AlertKind::kConsole, m_console, Tr("brxw::Alerts", "console"), line);
    });
}

void Alerts::ChannelText(int channel, std::string_view text) {
    if (!m_traffic.expression) {
        return;
    }
    m_channelLines[channel].Feed(text, [this, channel](std::string_view line) {
        MatchLine(AlertKind::kTraffic, m_traffic, Tr("brxw::Alerts", "channel %1").arg(channel),
                  line);
    });
}

void Alerts::MatchLine(AlertKind kind, const CompiledPattern& pattern, const QString& where,
                       std::string_view line) {
    if (!pattern.expression || line.empty()) {
        return;
    }
    const QString text = Decode(line);
    if (pattern.expression->match(text).hasMatch()) {
        Offer(kind, QStringLiteral("%1: %2").arg(where, Quote(text)));
    }
}

QString Alerts::Decode(std::string_view bytes) const {
    return m_ansi() ? AnsiToQString(bytes) : AnsiToQString(OemToAnsi(bytes));
}

void Alerts::Offer(AlertKind kind, const QString& detail) {
    if (auto notice = m_limiter.Offer(kind, detail, m_now())) {
        m_deliver(*notice);
    }
}

void Alerts::Tick() {
    for (const AlertNotice& notice : m_limiter.Due(m_now())) {
        m_deliver(notice);
    }
}

void Alerts::FireTest() {
    m_deliver(AlertNotice{AlertKind::kStation, Tr("brxw::Alerts", "a test of the alerts"), 0});
}

}  // namespace brxw

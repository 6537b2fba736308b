// SPDX-License-Identifier: GPL-3.0-or-later
// Alerts: the operator asks to be told when a station connects, when one of a list of callsigns
// connects, when a word or regular expression turns up in monitoring or channel traffic, or when
// a console line matches a pattern. This is the logic: the settings as stored in section
// "Settings" of BrxW.ini, the matching, the assembly of whole lines from the frames of each
// source, the rate limit and the text of an alert. The control panel feeds it what the server
// sends and CAlertsNotifier delivers what comes out (status bar, bell, desktop notification).
//
// Everything it reads is untrusted: a stored pattern that is not a valid regular expression or
// that would match every line counts as off, and the Preferences page says why.
//
// Owned by the control panel; user-interface thread only. The clock is injected so that tests
// can run the quiet period without waiting.
#pragma once

#include <QRegularExpression>
#include <QString>
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace brxw {

class AppConfig;

inline constexpr std::string_view kAlertSoundKey = "AlertSound";
inline constexpr std::string_view kAlertDesktopKey = "AlertDesktop";
inline constexpr std::string_view kAlertStationsKey = "AlertStations";
inline constexpr std::string_view kAlertChosenKey = "AlertChosen";
inline constexpr std::string_view kAlertCallsignsKey = "AlertCallsigns";
inline constexpr std::string_view kAlertTrafficKey = "AlertTraffic";
inline constexpr std::string_view kAlertTrafficRegexKey = "AlertTrafficRegex";
inline constexpr std::string_view kAlertTrafficCaseKey = "AlertTrafficCase";
inline constexpr std::string_view kAlertTrafficPatternKey = "AlertTrafficPattern";
inline constexpr std::string_view kAlertConsoleKey = "AlertConsole";
inline constexpr std::string_view kAlertConsoleRegexKey = "AlertConsoleRegex";
inline constexpr std::string_view kAlertConsoleCaseKey = "AlertConsoleCase";
inline constexpr std::string_view kAlertConsolePatternKey = "AlertConsolePattern";

// The callsign list and the patterns are read with a buffer of their own, longer than the 79
// bytes of the program's other values: a regular expression or a list of calls needs the room.
inline constexpr std::size_t kAlertValueLimit = 511;

// At most one alert of a kind in this period; what matches meanwhile is counted and summed up
// in one alert when it ends.
inline constexpr std::chrono::milliseconds kAlertQuietPeriod{30'000};
// Station lines that arrive this soon after a login describe the stations the BBS already had,
// not stations connecting.
inline constexpr std::chrono::milliseconds kAlertLoginSettle{5'000};
// A line without a line feed is matched once it reaches this length.
inline constexpr std::size_t kAlertMaxLine = 1020;
// The matched line as an alert quotes it, at most.
inline constexpr int kAlertQuoteLength = 100;

// A word list or regular expression, as stored.
struct AlertPattern {
    bool on = false;
    bool regex = false;      // false: words separated by commas, any of them
    bool matchCase = false;  // false: letter case is ignored
    std::string text;        // ANSI bytes

    bool operator==(const AlertPattern&) const = default;
};

struct AlertSettings {
    bool sound = false;
    bool desktop = false;
    bool stations = false;  // any station connecting
    bool chosen = false;    // a station of the callsign list connecting
    std::string callsigns;  // calls separated by blanks or commas (ANSI bytes)
    AlertPattern traffic;   // monitoring and channel traffic
    AlertPattern console;   // console lines

    bool operator==(const AlertSettings&) const = default;
};

// Every key absent gives the defaults: everything off and empty.
AlertSettings LoadAlertSettings(const AppConfig& config);
// Writes the keys whose value differs from `before`, so a file that never had an alert
// preference gains none until one is changed. False when a write failed.
bool SaveAlertSettings(AppConfig& config, const AlertSettings& before, const AlertSettings& after);

// A pattern made ready for matching. `error` says why it cannot be used (it is then off).
struct CompiledPattern {
    std::optional<QRegularExpression> expression;
    QString error;
};
// An empty error and no expression: the pattern is switched off.
CompiledPattern CompilePattern(const AlertPattern& pattern);

// A callsign of the list: letters and digits, optionally "-" and an SSID of 0 to 15.
struct ListedCallsign {
    std::string base;  // upper case
    std::optional<int> ssid;

    bool operator==(const ListedCallsign&) const = default;
};
std::optional<ListedCallsign> ParseListedCallsign(std::string_view text);
// The words of a callsign list, separated by blanks, commas or semicolons.
std::vector<std::string> SplitCallsignList(std::string_view list);
// The first word of the list that is no callsign, or nothing when all are.
std::optional<std::string> FirstBadCallsign(std::string_view list);
// Whether a station's callsign is the listed one: letter case is ignored; a listed call without
// SSID stands for every SSID of that call, one with an SSID for that SSID only (no SSID and
// "-0" are the same station).
bool CallsignMatches(const ListedCallsign& listed, std::string_view station);

// Whole lines out of the pieces that arrive: a line ends at a line feed (a carriage return
// before it is dropped), or at kAlertMaxLine bytes.
class LineAssembler {
public:
    template <typename F>
    void Feed(std::string_view bytes, F&& onLine);

private:
    std::string m_partial;
};

enum class AlertKind { kStation, kChosen, kTraffic, kConsole };
inline constexpr std::size_t kAlertKindCount = 4;

// One alert to deliver: the first of its kind at once (more == 0), or the summary at the end of
// a quiet period (more: how many matched meanwhile, detail: the last of them).
struct AlertNotice {
    AlertKind kind = AlertKind::kStation;
    QString detail;  // e.g. "Q1ABC connected on channel 5"
    int more = 0;

    // "Alert: Q1ABC connected on channel 5", or "Alert: 12 more, the last: ..." for a summary.
    QString Text() const;
    bool operator==(const AlertNotice&) const = default;
};

// The rate limit, per kind: the first match passes at once and opens a quiet period; matches in
// the period are counted, and when it ends one summary passes (opening the next period) if any
// were counted.
class AlertLimiter {
public:
    using Clock = std::chrono::milliseconds;
    explicit AlertLimiter(Clock quiet = kAlertQuietPeriod) : m_quiet(quiet) {}

    std::optional<AlertNotice> Offer(AlertKind kind, const QString& detail, Clock now);
    // The summaries whose period has ended by `now`.
    std::vector<AlertNotice> Due(Clock now);
    // When the next summary is due; nothing when none is waiting.
    std::optional<Clock> NextDue() const;
    void Reset();

private:
    struct State {
        std::optional<Clock> quietUntil;
        int counted = 0;
        QString last;
    };
    Clock m_quiet;
    State m_states[kAlertKindCount];
};

class Alerts {
public:
    using Clock = AlertLimiter::Clock;
    using Deliver = std::function<void(const AlertNotice&)>;

    // `now` gives a monotonic time; the default is the steady clock.
    explicit Alerts(Deliver deliver, std::function<Clock()> now = {});

    // New settings; patterns are compiled here, once.
    void Configure(const AlertSettings& settings);
    const AlertSettings& Settings() const { return m_settings; }
    const QString& TrafficError() const { return m_traffic.error; }
    const QString& ConsoleError() const { return m_console.error; }
    // Whether the server's text is in the Windows character set; otherwise it is converted from
    // the DOS one, as the text windows convert it, before the patterns see it.
    void SetAnsiMode(std::function<bool()> ansi) { m_ansi = std::move(ansi); }
    void SetAnsiMode(bool ansi) {
        m_ansi = [ansi] { return ansi; };
    }

    // A session logged in: the stations it lists first are not announced, partial lines go.
    void SessionStarted();

    // What the server sends: station lines (category 8), monitoring, console and channel text.
    void StationLine(std::string_view payload);
    void MonitoringText(std::string_view text);
    void ConsoleText(std::string_view text);
    void ChannelText(int channel, std::string_view text);

    // Delivers the summaries now due; the panel calls it at NextDue().
    void Tick();
    std::optional<Clock> NextDue() const { return m_limiter.NextDue(); }
    Clock Now() const { return m_now(); }
    void SetClock(std::function<Clock()> now) { m_now = std::move(now); }

    // A sample alert for the Preferences page's Test button, past the rate limit.
    void FireTest();

private:
    void Offer(AlertKind kind, const QString& detail);
    void ForgetPartialLines();
    void MatchLine(AlertKind kind, const CompiledPattern& pattern, const QString& where,
                   std::string_view line);
    QString Decode(std::string_view bytes) const;

    Deliver m_deliver;
    std::function<Clock()> m_now;
    AlertSettings m_settings;
    CompiledPattern m_traffic;
    CompiledPattern m_console;
    std::vector<ListedCallsign> m_callsigns;
    AlertLimiter m_limiter;
    std::function<bool()> m_ansi = [] { return false; };
    std::optional<Clock> m_settleUntil;
    std::map<int, std::string> m_stationCalls;  // channel -> callsign, as last seen
    LineAssembler m_monitoringLine;
    LineAssembler m_consoleLine;
    std::map<int, LineAssembler> m_channelLines;
};

template <typename F>
void LineAssembler::Feed(std::string_view bytes, F&& onLine) {
    while (!bytes.empty()) {
        const std::size_t room = kAlertMaxLine - m_partial.size();
        const std::size_t feed = bytes.substr(0, room).find('\n');
        const std::size_t take =
            feed == std::string_view::npos ? std::min(room, bytes.size()) : feed;
        m_partial.append(bytes.substr(0, take));
        bytes.remove_prefix(take);
        const bool ended = feed != std::string_view::npos;
        if (ended) {
            bytes.remove_prefix(1);
        }
        if (ended || m_partial.size() >= kAlertMaxLine) {
            if (!m_partial.empty() && m_partial.back() == '\r') {
                m_partial.pop_back();
            }
            onLine(std::string_view(m_partial));
            m_partial.clear();
        }
    }
}

}  // namespace brxw

// SPDX-License-Identifier: GPL-3.0-or-later
#include "peer/lib/bbs_store.h"

#include "peer/lib/peer_wire.h"

#include <QByteArrayList>
#include <QFile>

#include <algorithm>
#include <random>

namespace brxw::peer {

namespace {

constexpr qsizetype kMaxValue = 79;
constexpr qsizetype kMaxText = 256 * 1024;

QByteArray Upper(QByteArrayView key) {
    return key.toByteArray().trimmed().toUpper();
}

bool IsCallsign(const QByteArray& call) {
    if (call.isEmpty() || call.size() > 12) {
        return false;
    }
    return std::all_of(call.begin(), call.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
    });
}

std::optional<qint64> Number(QByteArrayView text) {
    bool ok = false;
    const qint64 n = text.toByteArray().trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(n) : std::nullopt;
}

constexpr std::initializer_list<int> kMessageFields = {1, 2, 4, 5, 7, 8, 9, 10, 11, 12, 15};
constexpr std::initializer_list<int> kUserFields = {14, 17, 22, 27, 29, 31, 32};
constexpr qint64 kMaxDataFile = 4 * 1024 * 1024;

std::optional<QByteArrayList> DataLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArrayList lines;
    for (QByteArray line : file.read(kMaxDataFile).split('\n')) {
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        if (!line.isEmpty() && !line.startsWith('#')) {
            lines.append(line);
        }
    }
    return lines;
}

// "[key]" lines, each followed by "number value" field lines.
template <typename Key>
std::optional<std::map<Key, FieldMap>> RecordFile(const QString& path, Key (*key)(QByteArrayView)) {
    const auto lines = DataLines(path);
    if (!lines) {
        return std::nullopt;
    }
    std::map<Key, FieldMap> records;
    FieldMap* current = nullptr;
    for (const QByteArray& line : *lines) {
        if (line.startsWith('[') && line.endsWith(']')) {
            const QByteArray name = line.mid(1, line.size() - 2);
            current = name.isEmpty() || name.size() > BbsStore::kMaxKey ||
                              static_cast<int>(records.size()) >= BbsStore::kMaxRecords
                          ? nullptr
                          : &records[key(name)];
            continue;
        }
        const qsizetype blank = line.indexOf(' ');
        bool ok = false;
        const int number = line.left(blank < 0 ? line.size() : blank).toInt(&ok);
        if (current != nullptr && ok && number > 0) {
            (*current)[number] = blank < 0 ? QByteArray() : line.mid(blank + 1, kMaxValue);
        }
    }
    return records;
}

QByteArray CallsignKey(QByteArrayView name) {
    return Upper(name);
}

qint64 MessageKey(QByteArrayView name) {
    return Number(name).value_or(0);
}

QByteArray MessageTextFor(const FieldMap& fields) {
    const auto field = [&](int n) {
        const auto it = fields.find(n);
        return it == fields.end() ? QByteArray() : it->second;
    };
    return "Hello,\n\n" + field(11) + ".\n\nBest regards\n" + field(8) + "\n";
}

// One 64-bit draw per (seed, number, what): the generated BBS needs no stored state per message.
std::uint64_t Mix(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15u;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9u;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebu;
    return x ^ (x >> 31);
}

std::uint64_t Draw(std::uint64_t seed, qint64 number, int what) {
    return Mix(seed ^ Mix(static_cast<std::uint64_t>(number) * 16 + static_cast<unsigned>(what)));
}

// Shared texts: a generated field's value refers to one of these rather than holding a copy.
const QByteArrayList& Titles() {
    static const QByteArrayList titles = {
        "Meeting on Saturday",  "Antenna for sale",        "Node outage tonight",
        "Keplerian elements",   "Weekly DX bulletin",      "New firmware for the TNC",
        "Contest results",      "Wanted: 2m amplifier",    "Club newsletter",
        "Weather warning",      "Re: Meeting on Saturday", "Digipeater moved",
        "Propagation forecast", "Lost and found",          "Forwarding schedule",
        "Test message",         "Field day plans",         "QSL cards arrived"};
    return titles;
}

const QByteArrayList& Boards() {
    static const QByteArrayList boards = {"ALL", "PACKET", "SALE", "WX",
                                          "DX",  "NEWS",   "KEPS", "TECH"};
    return boards;
}

const QByteArrayList& Names() {
    static const QByteArrayList names = {"Anna", "Bert", "Carla", "Dieter", "Eva",    "Frank",
                                         "Gina", "Hans", "Ilse",  "Jan",    "Karl",   "Lena",
                                         "Max",  "Nina", "Otto",  "Petra",  "Rolf",   "Sara",
                                         "Tom",  "Ulla", "Vera",  "Walter", "Yvonne", "Zoe"};
    return names;
}

// "Q", a digit and two or three letters, from the draw: distinct draws may give the same call.
QByteArray GeneratedCall(std::uint64_t draw) {
    QByteArray call = "Q" + QByteArray::number(static_cast<int>(draw % 10));
    draw /= 10;
    const int letters = 2 + static_cast<int>(draw % 2);
    draw /= 2;
    for (int i = 0; i < letters; ++i) {
        call += static_cast<char>('A' + draw % 26);
        draw /= 26;
    }
    return call;
}

// What a generated message's key-list line shows: type, status, sender and recipient.
struct GeneratedHead {
    char type = 'P';
    char status = 'N';
    const QByteArray* from = nullptr;
    const QByteArray* to = nullptr;
};

GeneratedHead DrawHead(std::uint64_t seed, qint64 number, const std::vector<QByteArray>& calls) {
    const auto draw = [&](int what) { return Draw(seed, number, what); };
    const bool personal = draw(0) % 3 != 0;
    static constexpr char kStatuses[] = "$NYFXKA";
    GeneratedHead head;
    head.type = personal ? 'P' : 'B';
    head.status = personal ? "NYFK"[draw(4) % 4] : kStatuses[draw(4) % 7];
    head.from = &calls[draw(1) % calls.size()];
    head.to = personal ? &calls[draw(2) % calls.size()]
                       : &Boards()[static_cast<int>(draw(2) % Boards().size())];
    return head;
}

}  // namespace

void BbsStore::Load(const QString& dataDir) {
    const QString folder = dataDir + QStringLiteral("/records/");
    if (auto users = RecordFile<QByteArray>(folder + QStringLiteral("users.txt"), CallsignKey)) {
        m_users = std::move(*users);
        for (auto& [call, fields] : m_users) {
            fields[1] = call;
        }
    }
    if (auto messages = RecordFile<qint64>(folder + QStringLiteral("messages.txt"), MessageKey)) {
        m_messages = std::move(*messages);
        m_messages.erase(0);  // a key that is no number
        m_generated = 0;
        m_texts.clear();
        for (const auto& [number, fields] : m_messages) {
            m_texts[number] = MessageTextFor(fields);
        }
    }
    if (const auto lines = DataLines(folder + QStringLiteral("choices.txt"))) {
        m_choices.clear();
        for (const QByteArray& line : *lines) {
            const QByteArrayList words = line.simplified().split(' ');
            bool ok = false;
            const int value = words.value(0).toInt(&ok);
            if (ok && words.size() >= 2) {
                m_choices.emplace_back(value, words[1].left(kMaxValue));
            }
        }
    }
    if (const auto lines = DataLines(folder + QStringLiteral("forward.txt"))) {
        m_forward.clear();
        for (const QByteArray& line : *lines) {
            const QByteArrayList words = line.simplified().split(' ');
            if (words.size() == 4 && m_forward.size() < static_cast<std::size_t>(kMaxRecords)) {
                m_forward.push_back({words[0].left(kMaxKey), words[1].toInt(), words[2].toInt(),
                                     words[3].toInt(), false});
            }
        }
    }
}

void BbsStore::Generate(int messages, std::uint64_t seed) {
    messages = std::max(messages, 1);
    m_generator = seed;
    m_generated = messages;
    m_maxRecords = kMaxRecords + messages;
    m_messages.clear();
    m_texts.clear();

    std::mt19937_64 random(seed);
    const int users = std::max(messages / 10, 1);
    m_users.clear();
    m_generatedCalls.clear();
    while (static_cast<int>(m_users.size()) < users) {
        const QByteArray call = GeneratedCall(random());
        if (m_users.count(call) != 0) {
            continue;
        }
        const std::uint64_t draw = random();
        m_users[call] = FieldMap{{1, call},
                                 {14, QByteArray::number(static_cast<int>(draw % 4096))},
                                 {17, QByteArray::number(static_cast<int>(draw / 4096 % 4))},
                                 {22, Names()[static_cast<int>(draw / 16384 % Names().size())]},
                                 {27, "Q4BBS"},
                                 {29, "/usr/" + call.toLower()},
                                 {31, ""},
                                 {32, QByteArray::number(10000 + static_cast<int>(draw % 89999))}};
        m_generatedCalls.push_back(call);
    }

    m_forward.clear();
    const int partners = std::max(messages / 500, 1);
    for (int i = 0; i < partners; ++i) {
        const std::uint64_t draw = random();
        const int first = draw % 3 == 0 ? static_cast<int>(draw / 3 % 40) : 0;
        const int second = draw % 5 == 0 ? static_cast<int>(draw / 5 % 20) : 0;
        m_forward.push_back({GeneratedCall(random()) + "BBS", first, second,
                             (first + second) * static_cast<int>(1 + draw / 100 % 9), false});
    }
}

FieldMap BbsStore::GeneratedMessage(qint64 number) const {
    const GeneratedHead head = DrawHead(m_generator, number, m_generatedCalls);
    const auto draw = [&](int what) { return Draw(m_generator, number, what); };
    const QByteArray& title = Titles()[static_cast<int>(draw(3) % Titles().size())];
    const qint64 sent = 946684800 + static_cast<qint64>(draw(5) % (20LL * 365 * 86400));
    return FieldMap{{1, QByteArray(1, head.type)},
                    {2, QByteArray(1, head.status)},
                    {4, QByteArray::number(200 + static_cast<int>(draw(6) % 8000))},
                    {5, QByteArray::number(sent + 600)},
                    {7, "Q4BBS"},
                    {8, *head.from},
                    {9, *head.to},
                    {10, QByteArray::number(number) + "_Q4BBS"},
                    {11, title},
                    {12, "0"},
                    {15, QByteArray::number(sent)}};
}

std::optional<FieldMap> BbsStore::MessageFields(qint64 number) const {
    const auto it = m_messages.find(number);
    if (it != m_messages.end()) {
        return it->second;
    }
    return IsGenerated(number) ? std::optional(GeneratedMessage(number)) : std::nullopt;
}

FieldMap* BbsStore::WrittenMessage(qint64 number) {
    auto it = m_messages.find(number);
    if (it == m_messages.end() && IsGenerated(number)) {
        it = m_messages.emplace(number, GeneratedMessage(number)).first;
    }
    return it == m_messages.end() ? nullptr : &it->second;
}

int BbsStore::MessageCount() const {
    // The stored ones beyond the generated range are the messages written since.
    return static_cast<int>(m_generated +
                            std::distance(m_messages.upper_bound(m_generated), m_messages.end()));
}

BbsStore::BbsStore() {
    const struct {
        const char* call;
        const char* name;
        unsigned flags;
        int choice;
    } users[] = {
        {"Q0QQQ", "Sysop", 2u, 2}, {"Q1ABC", "Anna", 0u, 1},       {"Q2XYZ", "Bert", 8u, 1},
        {"Q3DEF", "Carla", 1u, 0}, {"Q4BBS", "Relay BBS", 16u, 3},
    };
    for (const auto& u : users) {
        m_users[u.call] = FieldMap{{1, u.call},
                                   {14, QByteArray::number(u.flags)},
                                   {17, QByteArray::number(u.choice)},
                                   {22, u.name},
                                   {27, "Q4BBS"},
                                   {29, QByteArray("/usr/") + QByteArray(u.call).toLower()},
                                   {31, ""},
                                   {32, "12345"}};
    }

    const struct {
        qint64 number;
        char type;
        char status;
        const char* from;
        const char* to;
        const char* title;
    } messages[] = {
        {4711, 'P', 'N', "Q1ABC", "Q0QQQ", "Meeting on Saturday"},
        {4712, 'B', '$', "Q2XYZ", "ALL", "Antenna for sale"},
        {4713, 'B', 'F', "Q3DEF", "PACKET", "Node outage tonight"},
        {4714, 'P', 'Y', "Q0QQQ", "Q1ABC", "Re: Meeting on Saturday"},
    };
    for (const auto& m : messages) {
        const QByteArray text =
            QByteArray("Hello,\n\n") + m.title + ".\n\nBest regards\n" + m.from + "\n";
        m_messages[m.number] = FieldMap{{1, QByteArray(1, m.type)},
                                        {2, QByteArray(1, m.status)},
                                        {4, QByteArray::number(text.size())},
                                        {5, QByteArray::number(983800000 + m.number)},
                                        {7, "Q4BBS"},
                                        {8, m.from},
                                        {9, m.to},
                                        {10, QByteArray::number(m.number) + "_Q0QQQ"},
                                        {11, m.title},
                                        {12, "0"},
                                        {15, QByteArray::number(983790000 + m.number)}};
        m_texts[m.number] = text;
    }

    m_forward = {{"Q4BBS", 3, 0, 12, false}, {"Q5BBS", 0, 2, 4, false}, {"Q6BBS", 0, 0, 0, false}};
    m_choices = {{0, "USER"}, {1, "MEMBER"}, {2, "SYSOP"}, {3, "BBS"}};
    m_options = {{'A', 1, "Accept new users"},
                 {'B', 0, "Bulletins held for review"},
                 {'C', 1, "Forwarding enabled"},
                 {'G', 1, "Guest logins (read only)"},
                 {'M', 0, "Mail beacon every 30 minutes"},
                 {'P', 1, "Pactor mailbox access"},
                 {'W', 0, "White pages updates to neighbours"},
                 // The 27th letter, the character after 'Z', which a client must not drop.
                 {'[', 0, "Extended log of forwarding sessions"}};
}

QByteArray BbsStore::Reply(const FieldMap& fields) {
    QByteArray reply;
    for (const auto& [number, value] : fields) {
        QByteArray line = QByteArray::number(number) + ' ' + value + '\n';
        if (reply.size() + line.size() > kMaxPayload) {
            break;
        }
        reply += line;
    }
    return reply;
}

QByteArray BbsStore::UserKeyList() const {
    QByteArray list;
    for (const auto& [call, fields] : m_users) {
        list += call + '\n';
    }
    for (const auto& [value, text] : m_choices) {
        list += QByteArray::number(value) + ' ' + text + '\n';
    }
    return list;
}

QByteArray BbsStore::MessageKeyList() const {
    QByteArray list;
    const auto line = [&](qint64 number, const FieldMap& fields) {
        const auto field = [&](int n) {
            const auto it = fields.find(n);
            return it == fields.end() ? QByteArray("-") : it->second;
        };
        list += QByteArray::number(number) + ' ' + field(1) + field(2) + ' ' + field(8) + ' ' +
                field(9) + '\n';
    };
    // A generated message's line is drawn directly: the list is asked for whole, and making
    // every message's fields for it would take longer than sending it.
    list.reserve(static_cast<qsizetype>(m_generated) * 26);
    for (qint64 number = 1; number <= m_generated; ++number) {
        const auto it = m_messages.find(number);
        if (it != m_messages.end()) {
            line(number, it->second);
            continue;
        }
        const GeneratedHead head = DrawHead(m_generator, number, m_generatedCalls);
        list += QByteArray::number(number);
        list += ' ';
        list += head.type;
        list += head.status;
        list += ' ';
        list += *head.from;
        list += ' ';
        list += *head.to;
        list += '\n';
    }
    for (auto it = m_messages.upper_bound(m_generated); it != m_messages.end(); ++it) {
        line(it->first, it->second);
    }
    return list;
}

std::optional<QByteArray> BbsStore::UserReply(QByteArrayView key) const {
    const auto it = m_users.find(Upper(key));
    return it == m_users.end() ? std::nullopt : std::optional(Reply(it->second));
}

std::optional<QByteArray> BbsStore::MessageReply(QByteArrayView key) const {
    const auto number = Number(key);
    if (!number) {
        return std::nullopt;
    }
    const auto fields = MessageFields(*number);
    return fields ? std::optional(Reply(*fields)) : std::nullopt;
}

std::optional<std::pair<QByteArray, FieldMap>> BbsStore::ParsePut(
    QByteArrayView request, std::initializer_list<int> known) {
    const qsizetype newline = request.indexOf('\n');
    if (newline < 0) {
        return std::nullopt;
    }
    const QByteArrayList header = request.first(newline).toByteArray().simplified().split(' ');
    const QByteArrayView body = request.sliced(newline + 1);
    bool ok = false;
    const qsizetype length = header.value(2).toLongLong(&ok);
    // A body that is not as long as its header says was cut or run together: not stored.
    if (header.size() != 3 || header[0] != "PUT" || header[1].size() > kMaxKey || !ok ||
        length != body.size()) {
        return std::nullopt;
    }
    FieldMap fields;
    for (const QByteArray& line : body.toByteArray().split('\n')) {
        qsizetype digits = 0;
        while (digits < line.size() && digits < 4 && line[digits] >= '0' && line[digits] <= '9') {
            ++digits;
        }
        if (digits == 0) {
            continue;
        }
        qsizetype at = digits;
        if (at < line.size() && line[at] == ' ') {
            ++at;
        }
        const int number = line.left(digits).toInt();
        if (std::find(known.begin(), known.end(), number) != known.end()) {
            fields[number] = line.mid(at, kMaxValue);
        }
    }
    return std::pair{header[1], std::move(fields)};
}

bool BbsStore::PutUser(QByteArrayView request) {
    const auto put = ParsePut(request, kUserFields);
    if (!put) {
        return false;
    }
    const auto it = m_users.find(put->first.toUpper());
    if (it == m_users.end()) {
        return false;
    }
    for (const auto& [number, value] : put->second) {
        it->second[number] = value;
    }
    return true;
}

bool BbsStore::PutMessage(QByteArrayView request) {
    const auto put = ParsePut(request, kMessageFields);
    if (!put) {
        return false;
    }
    const auto number = Number(put->first);
    FieldMap* fields = number ? WrittenMessage(*number) : nullptr;
    if (fields == nullptr) {
        return false;
    }
    for (const auto& [field, value] : put->second) {
        (*fields)[field] = value;
    }
    return true;
}

bool BbsStore::NewUser(QByteArrayView callsign) {
    const QByteArray call = Upper(callsign);
    if (!IsCallsign(call) || m_users.count(call) || UserCount() >= m_maxRecords) {
        return false;
    }
    m_users[call] =
        FieldMap{{1, call}, {14, "0"}, {17, "0"}, {22, ""}, {27, ""}, {29, ""}, {31, ""}, {32, ""}};
    return true;
}

bool BbsStore::DeleteUser(QByteArrayView callsign) {
    return m_users.erase(Upper(callsign)) > 0;
}

QByteArray BbsStore::ForwardList() const {
    QByteArray list;
    int index = 0;
    for (const ForwardEntry& e : m_forward) {
        list += QByteArray::number(index++) + ' ' + e.name + ' ' + QByteArray::number(e.first) +
                ' ' + QByteArray::number(e.second) + ' ' + QByteArray::number(e.kilobytes) + "K\n";
    }
    return list;
}

bool BbsStore::StartForward(int index) {
    if (index < 0 || index >= static_cast<int>(m_forward.size())) {
        return false;
    }
    m_forward[index].active = true;
    return true;
}

bool BbsStore::ForwardActive(int index) const {
    return index >= 0 && index < static_cast<int>(m_forward.size()) && m_forward[index].active;
}

bool BbsStore::StopForward(int index) {
    if (index < 0 || index >= static_cast<int>(m_forward.size())) {
        return false;
    }
    m_forward[index].active = false;
    return true;
}

QByteArray BbsStore::OptionList() const {
    QByteArray list = "Server options\n";
    for (const ServerOption& o : m_options) {
        list += QByteArray(1, o.letter) + ' ' + QByteArray::number(o.value) + ' ' + o.label + '\n';
    }
    return list;
}

bool BbsStore::SetOption(char letter, int value) {
    for (ServerOption& o : m_options) {
        if (o.letter == letter) {
            const int before = o.value;
            o.value = value != 0 ? 1 : 0;
            return o.value != before;
        }
    }
    return false;
}

QByteArray BbsStore::PactorReport(int port) const {
    return QByteArray::number(port) + ' ' + QByteArray::number(m_pactorState);
}

bool BbsStore::ChangePactor(PactorChange change) {
    const int before = m_pactorState;
    const bool link = (m_pactorState & kPactorLink) != 0;
    switch (change) {
        case PactorChange::ScanOn:
        case PactorChange::ScanOff:
            if (!link) {
                m_pactorState = change == PactorChange::ScanOn ? kPactorScanning : 0;
            }
            break;
        case PactorChange::BreakIn:
            if (link) {
                m_pactorState = kPactorLink | kPactorSending;
            }
            break;
        case PactorChange::ChangeOver:
            if (link) {
                m_pactorState = kPactorLink;
            }
            break;
        case PactorChange::LinkUp:
            if (!link) {
                m_scanBeforeLink = (m_pactorState & kPactorScanning) != 0;
                m_pactorState = kPactorLink;  // the caller sends first
            }
            break;
        case PactorChange::LinkDown:
            if (link) {
                m_pactorState = m_scanBeforeLink ? kPactorScanning : 0;
            }
            break;
    }
    return m_pactorState != before;
}

std::optional<QByteArray> BbsStore::MessageText(qint64 number) const {
    const auto it = m_texts.find(number);
    if (it != m_texts.end()) {
        return it->second;
    }
    const auto fields = IsGenerated(number) ? MessageFields(number) : std::nullopt;
    return fields ? std::optional(MessageTextFor(*fields)) : std::nullopt;
}

qint64 BbsStore::StoreMessageText(qint64 number, const QByteArray& text) {
    const QByteArray kept = text.left(kMaxText);
    if (FieldMap* fields = number >= 0 ? WrittenMessage(number) : nullptr) {
        m_texts[number] = kept;
        (*fields)[4] = QByteArray::number(kept.size());
        return number;
    }
    if (MessageCount() >= m_maxRecords) {
        return -1;
    }
    const qint64 next =
        std::max(m_generated, m_messages.empty() ? 0 : m_messages.rbegin()->first) + 1;
    m_messages[next] = FieldMap{{1, "P"},     {2, "N"},   {4, QByteArray::number(kept.size())},
                                {8, "Q0QQQ"}, {9, "ALL"}, {11, "New message"},
                                {12, "0"}};
    m_texts[next] = kept;
    return next;
}

}  // namespace brxw::peer

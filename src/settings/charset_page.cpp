// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/charset_page.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QtGlobal>

#include "resources/translate.h"
#include "text/charset.h"
#include "text/code_page.h"

namespace brxw {

namespace {

const char* PageRegion(CodePage page) {
    switch (page) {
        case CodePage::k437:
            return QT_TRANSLATE_NOOP("brxw::CCharsetPage", "United States");
        case CodePage::k850:
        case CodePage::k1252:
            return QT_TRANSLATE_NOOP("brxw::CCharsetPage", "Western Europe");
        case CodePage::k852:
        case CodePage::k1250:
            return QT_TRANSLATE_NOOP("brxw::CCharsetPage", "Central Europe");
        case CodePage::k866:
        case CodePage::k1251:
            return QT_TRANSLATE_NOOP("brxw::CCharsetPage", "Cyrillic");
    }
    return "";
}

template <std::size_t N>
void FillPages(QComboBox& box, const std::array<CodePage, N>& pages) {
    for (const CodePage page : pages) {
        box.addItem(QStringLiteral("%1  %2")
                        .arg(CodePageNumber(page))
                        .arg(Tr("brxw::CCharsetPage", PageRegion(page))),
                    CodePageNumber(page));
    }
}

CodePage ChosenPage(const QComboBox& box) {
    return CodePageFromNumber(box.currentData().toInt()).value_or(CodePage::k437);
}

void ChoosePage(QComboBox& box, CodePage page) {
    box.setCurrentIndex(box.findData(CodePageNumber(page)));
}

}  // namespace

CCharsetPage::CCharsetPage(AppConfig& config, int current, bool ansiCharset,
                           std::function<void(int, ProfileCodePages)> applied, QWidget* parent)
    : CPreferencesPage(parent),
      m_config(config),
      m_ansiCharset(ansiCharset),
      m_applied(std::move(applied)),
      m_profile(new QComboBox(this)),
      m_dos(new QComboBox(this)),
      m_windows(new QComboBox(this)),
      m_serverPage(new QLabel(this)),
      m_sample(new QLabel(this)) {
    setObjectName(QStringLiteral("charset"));
    setFocusProxy(m_profile);
    for (int n = 0; n < kRemoteConfigCount; ++n) {
        m_stored[static_cast<std::size_t>(n)] = m_edited[static_cast<std::size_t>(n)] =
            config.LoadCodePages(n);
        m_profile->addItem(AnsiToQString(config.LoadProfile(n).name));
    }
    FillPages(*m_dos, kDosCodePages);
    FillPages(*m_windows, kWindowsCodePages);

    auto* explanation =
        new QLabel(tr("With \"DOS charset\" chosen in Settings, the server's text is read in the "
                      "DOS code page and shown in the Windows code page. With \"ANSI charset\" "
                      "it is read and shown in the Windows code page."),
                   this);
    explanation->setWordWrap(true);
    m_sample->setWordWrap(true);
    m_sample->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* form = new QFormLayout;
    form->addRow(tr("Connection &profile:"), m_profile);
    form->addRow(tr("&DOS code page:"), m_dos);
    form->addRow(tr("&Windows code page:"), m_windows);
    form->addRow(tr("Server's text:"), m_serverPage);
    form->addRow(tr("Its letters:"), m_sample);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(explanation);
    layout->addStretch(1);

    connect(m_profile, &QComboBox::currentIndexChanged, this, &CCharsetPage::ShowProfile);
    connect(m_dos, &QComboBox::currentIndexChanged, this, &CCharsetPage::OnDosChosen);
    connect(m_windows, &QComboBox::currentIndexChanged, this, &CCharsetPage::OnWindowsChosen);
    const int first = AppConfig::IsProfileNumber(current) ? current : 0;
    m_profile->setCurrentIndex(first);
    ShowProfile(first);
}

void CCharsetPage::ShowProfile(int profile) {
    if (!AppConfig::IsProfileNumber(profile)) {
        return;
    }
    m_shown = profile;
    const QSignalBlocker dos(m_dos);
    const QSignalBlocker windows(m_windows);
    ChoosePage(*m_dos, Edited().oem);
    ChoosePage(*m_windows, Edited().ansi);
    UpdateSample();
}

void CCharsetPage::OnDosChosen() {
    Edited().oem = ChosenPage(*m_dos);
    // A DOS page goes with the Windows page of its language; the operator may still pick
    // another.
    Edited().ansi = WindowsPartner(Edited().oem);
    const QSignalBlocker windows(m_windows);
    ChoosePage(*m_windows, Edited().ansi);
    UpdateSample();
}

void CCharsetPage::OnWindowsChosen() {
    Edited().ansi = ChosenPage(*m_windows);
    UpdateSample();
}

QString CCharsetPage::SampleText() const {
    const ProfileCodePages pages = m_edited[static_cast<std::size_t>(m_shown)];
    const CodePage server = m_ansiCharset ? pages.ansi : pages.oem;
    // The letters the server can send, after they went the way received text goes: to the
    // Windows page (where it lacks one, a look-alike), then to the screen.
    const auto toWindows = RecodeTable(server, pages.ansi);
    QString text;
    for (int b = 128; b < 256; ++b) {
        if (!QChar(CodePageToUnicode(server, static_cast<unsigned char>(b))).isLetter()) {
            continue;
        }
        text.append(QChar(CodePageToUnicode(pages.ansi, toWindows[static_cast<std::size_t>(b)])));
    }
    return text;
}

void CCharsetPage::UpdateSample() {
    const ProfileCodePages& pages = Edited();
    const CodePage server = m_ansiCharset ? pages.ansi : pages.oem;
    m_serverPage->setText(tr("code page %1 (%2 charset chosen in Settings)")
                              .arg(CodePageNumber(server))
                              .arg(m_ansiCharset ? QStringLiteral("ANSI") : QStringLiteral("DOS")));
    const QString sample = SampleText();
    qsizetype lost = 0;
    for (const QChar c : sample) {
        lost += c.unicode() < 0x80 ? 1 : 0;
    }
    m_sample->setText(lost == 0 ? sample
                                : sample + QLatin1Char('\n') +
                                      tr("(%1 of them the Windows code page lacks: shown as "
                                         "look-alikes)")
                                          .arg(lost));
}

void CCharsetPage::Apply() {
    for (int n = 0; n < kRemoteConfigCount; ++n) {
        const auto i = static_cast<std::size_t>(n);
        if (m_edited[i] == m_stored[i]) {
            continue;
        }
        if (m_config.SaveCodePages(n, m_edited[i])) {
            m_stored[i] = m_edited[i];
        }
        if (m_applied) {
            m_applied(n, m_edited[i]);
        }
    }
}

}  // namespace brxw

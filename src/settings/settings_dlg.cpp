// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_dlg.h"

#include "resources/dialog_fit.h"
#include "settings/font_mapping.h"
#include "settings/settings.h"
#include "text/charset.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <QVBoxLayout>

namespace brxw {
namespace {

std::optional<QFont> AskForFont(const QFont& current, QWidget* parent) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, current, parent);
    return ok ? std::optional<QFont>(font) : std::nullopt;
}

// The wait cursor for as long as storing and applying a font takes.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QString ToEditText(const std::string& crlfText) {
    QString text = AnsiToQString(crlfText);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace

CSettingsDlg::CSettingsDlg(PanelSettings& settings, const QFont& textFont, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_textFont(textFont), m_chooseFont(AskForFont) {
    setWindowTitle(tr("Settings"));
    BuildControls();

    if (m_settings.AnsiChar() != 0) {
        m_ansi->setChecked(true);
    } else {
        m_dos->setChecked(true);
    }
    m_breakLine->setChecked(m_settings.BreakLine() == 1);
    m_prefix->setChecked(m_settings.Prefix() == 1);
    m_justify->setChecked(m_settings.Justification() == 1);
    m_signature->setChecked(m_settings.Signature() == 1);
    m_signatureText->setPlainText(ToEditText(m_settings.SignatureText()));
    m_signatureText->setFont(m_textFont);
}

void CSettingsDlg::BuildControls() {
    // The groups scroll, the buttons stay, when a large font makes them taller than the screen.
    auto* body = new QWidget(this);
    auto* fonts = new QGroupBox(tr("Fonts"), body);
    m_ansi = new QRadioButton(tr("ANSI charset"), fonts);
    m_dos = new QRadioButton(tr("DOS charset"), fonts);
    m_select = new QPushButton(tr("Select"), fonts);
    m_select->setAutoDefault(false);
    connect(m_select, &QPushButton::clicked, this, &CSettingsDlg::SelectFont);
    auto* selectRow = new QHBoxLayout;
    selectRow->addWidget(m_select);
    selectRow->addStretch();
    auto* fontsLayout = new QVBoxLayout(fonts);
    fontsLayout->addWidget(m_ansi);
    fontsLayout->addWidget(m_dos);
    fontsLayout->addLayout(selectRow);

    auto* editor = new QGroupBox(tr("Message text editor"), body);
    m_breakLine = new QCheckBox(tr("Break long lines"), editor);
    m_prefix = new QCheckBox(tr("Prefix replies with >"), editor);
    m_justify = new QCheckBox(tr("Justify lines"), editor);
    auto* editorLayout = new QVBoxLayout(editor);
    editorLayout->addWidget(m_breakLine);
    editorLayout->addWidget(m_prefix);
    editorLayout->addWidget(m_justify);

    auto* signature = new QGroupBox(tr("Signature"), body);
    m_signature = new QCheckBox(tr("Signature"), signature);
    m_signatureText = new QPlainTextEdit(signature);
    m_signatureText->setAccessibleName(tr("Signature text"));
    m_signatureText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Enter makes a new line; Tab moves on, as in every other box of the dialog.
    m_signatureText->setTabChangesFocus(true);
    auto* signatureLayout = new QVBoxLayout(signature);
    signatureLayout->addWidget(m_signature);
    signatureLayout->addWidget(m_signatureText);

    m_ok = new QPushButton(tr("OK"), this);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CSettingsDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CSettingsDlg::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    buttons->addStretch();

    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    bodyLayout->addWidget(fonts);
    bodyLayout->addWidget(editor);
    bodyLayout->addWidget(signature, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new CFittingScrollArea(body, this), 1);
    layout->addLayout(buttons);
    FitToScreen(this);

    // Tab goes the way the dialog reads, top to bottom: the font controls, the editor's check
    // boxes, the signature's switch and its box, then the buttons. The focus starts on OK, the
    // default button.
    QWidget* order[] = {m_ansi,    m_dos,       m_select,        m_breakLine, m_prefix,
                        m_justify, m_signature, m_signatureText, m_ok,        m_cancel};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    m_ok->setFocus();
    resize(280, 390);
}

QString CSettingsDlg::SignatureString() const {
    // The raw text keeps a no-break space (0xA0 in the ANSI code page) that the plain text
    // would turn into a blank; its paragraph and line separators become line breaks here.
    QString text = m_signatureText->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

std::string CSettingsDlg::SignatureBytes() const {
    std::string bytes;
    for (char c : QStringToAnsi(SignatureString())) {
        if (c == '\n') {
            bytes += "\r\n";
        } else {
            bytes += c;
        }
    }
    return bytes;
}

QString CSettingsDlg::SignatureRefusal() const {
    const QString typed = SignatureString();
    const std::string bytes = SignatureBytes();
    if (bytes == m_settings.SignatureText()) {
        return {};  // unchanged: nothing is written
    }
    QString lost;
    for (const char32_t codePoint : typed.toUcs4()) {
        const QString c = QString::fromUcs4(&codePoint, 1);
        if (AnsiToQString(QStringToAnsi(c)) != c && !lost.contains(c)) {
            lost += c;
        }
    }
    if (!lost.isEmpty()) {
        return tr("The signature cannot be stored as typed: BrxW.ini holds only the "
                  "Windows character set, without %1.")
            .arg(lost);
    }
    switch (CheckSignature(bytes)) {
        case SignatureFault::kBackslashR:
            return tr(
                "The signature cannot be stored as typed: BrxW.ini stores each line break as "
                "\\r, so the \\r in the signature would come back as a line break. Write it "
                "another way, for example with a blank between \\ and r.");
        case SignatureFault::kTooLong:
            return tr("The signature is too long: BrxW.ini gives back 79 characters of it, each "
                      "line break counting as two. Shorten it by %1 characters.")
                .arg(SignatureExcess(bytes));
        case SignatureFault::kNone:
            break;
    }
    return {};
}

void CSettingsDlg::accept() {
    // A signature that would not come back as typed is not stored in some other form: the
    // operator is told why and the dialog stays open, nothing stored.
    const QString refusal = SignatureRefusal();
    if (!refusal.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), refusal);
        m_signatureText->setFocus();
        return;
    }
    if (m_settings.SetAnsiChar(m_ansi->isChecked() ? 1 : 0)) {
        emit ansiCharChanged(m_settings.AnsiChar());
    }
    m_settings.SetPrefix(m_prefix->isChecked() ? 1 : 0);
    m_settings.SetJustification(m_justify->isChecked() ? 1 : 0);
    m_settings.SetBreakLine(m_breakLine->isChecked() ? 1 : 0);
    m_settings.SetSignature(m_signature->isChecked() ? 1 : 0, SignatureBytes());
    QDialog::accept();
}

void CSettingsDlg::SelectFont() {
    const QFont offered = ChooserFont(m_textFont);
    const std::optional<QFont> chosen = m_chooseFont ? m_chooseFont(offered, this) : std::nullopt;
    if (chosen) {
        // Confirming the offered font keeps the current record, face name and numbers as they
        // are (a "Courier new" drawn with a stand-in stays "Courier new").
        const FontParams params =
            SameChoice(offered, *chosen) ? m_settings.Font() : ParamsFromFont(*chosen);
        WaitCursor wait;
        // The font of the stored record, so that this run shows what the next start will.
        if (m_settings.SetFont(params)) {
            m_textFont = FontFromParams(params);
            emit fontChanged(m_textFont);
        }
    }
    m_signatureText->setFont(m_textFont);
}

}  // namespace brxw

// SPDX-License-Identifier: GPL-3.0-or-later
// CSettingsDlg: the modal "Settings" dialog (Options > Settings) in which the operator chooses
// the charset and the font of the text windows, the message editor's options and the signature.
//
// The control panel creates it on the stack with its PanelSettings and its current text font,
// connects the two signals and runs it; it lives only while shown. UI thread only.
// OK hands the controls to the settings' setters (AnsiChar, Prefix, Justification, BreakLine,
// then the signature), which store what changed; a changed signature that would not come back
// from the file as typed is refused with a message instead, and the dialog stays open. A font
// chosen with "Select" is stored and reported at once, so it stays even when the dialog is then
// cancelled.
#pragma once

#include <QDialog>
#include <QFont>
#include <functional>
#include <optional>
#include <string>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace brxw {

class PanelSettings;

class CSettingsDlg : public QDialog {
    Q_OBJECT
public:
    // Asks the operator for a font, starting from `current` (the text font as ChooserFont lists
    // it); nullopt when cancelled. The default is the toolkit's font dialog; tests replace it.
    using FontChooser = std::function<std::optional<QFont>(const QFont& current, QWidget* parent)>;

    CSettingsDlg(PanelSettings& settings, const QFont& textFont, QWidget* parent = nullptr);

    void SetFontChooser(FontChooser chooser) { m_chooseFont = std::move(chooser); }

    // The text font, changed by "Select".
    const QFont& TextFont() const { return m_textFont; }

    QRadioButton* AnsiRadio() const { return m_ansi; }
    QRadioButton* DosRadio() const { return m_dos; }
    QCheckBox* BreakLineBox() const { return m_breakLine; }
    QCheckBox* PrefixBox() const { return m_prefix; }
    QCheckBox* JustifyBox() const { return m_justify; }
    QCheckBox* SignatureBox() const { return m_signature; }
    QPlainTextEdit* SignatureEdit() const { return m_signatureText; }
    QPushButton* SelectButton() const { return m_select; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

    // The signature box's text as the settings keep it: ANSI bytes, lines ending in CR LF.
    std::string SignatureBytes() const;
    // Why OK would not store the signature box's text as typed (characters outside the ANSI
    // code page, a backslash-'r', a stored form too long to read back); empty when it can.
    QString SignatureRefusal() const;

signals:
    // A font was chosen and stored; the panel gives it to the text windows and the editor.
    void fontChanged(const QFont& font);
    // OK changed the charset (1 ANSI, 0 DOS); the panel gives it to the text windows.
    void ansiCharChanged(int ansiChar);

public slots:
    void accept() override;
    // "Select": the font chooser, then storing the chosen font.
    void SelectFont();

private:
    void BuildControls();
    QString SignatureString() const;

    PanelSettings& m_settings;
    QFont m_textFont;
    FontChooser m_chooseFont;

    QRadioButton* m_ansi = nullptr;
    QRadioButton* m_dos = nullptr;
    QPushButton* m_select = nullptr;
    QCheckBox* m_breakLine = nullptr;
    QCheckBox* m_prefix = nullptr;
    QCheckBox* m_justify = nullptr;
    QCheckBox* m_signature = nullptr;
    QPlainTextEdit* m_signatureText = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace brxw

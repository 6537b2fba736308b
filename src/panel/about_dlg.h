// SPDX-License-Identifier: GPL-3.0-or-later
// The About box and the Copyright dialog of the Help menu: small modal dialogs with an OK button.
#pragma once

#include <QDialog>

namespace brxw {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

class CCopyrightDlg : public QDialog {
    Q_OBJECT
public:
    explicit CCopyrightDlg(QWidget* parent = nullptr);
};

}  // namespace brxw

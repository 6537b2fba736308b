// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/about_dlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "brxw_version.h"
#include "resources/toolbar_icons.h"

namespace brxw {

namespace {
constexpr const char* kVersion = BRXW_VERSION;

QDialogButtonBox* OkButton(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    return buttons;
}
}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About brxW"));
    auto* layout = new QGridLayout(this);
    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(48, 48));
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(new QLabel(tr("<b>brxW</b> version %1").arg(QLatin1String(kVersion)), this),
                      0, 1);
    layout->addWidget(new QLabel(tr("Remote console for a packet-radio BBS"), this), 1, 1);
    layout->addWidget(new QLabel(tr("Copyright \u00A9 2026 the brxW authors"), this), 2, 1);
    layout->addWidget(OkButton(this), 3, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

CCopyrightDlg::CCopyrightDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Copyright"));
    auto* layout = new QVBoxLayout(this);
    // The licence in plain words; LICENSE beside the program holds its full text.
    const QString paragraphs[] = {
        tr("brxW \u00A9 2026 the brxW authors."),
        tr("brxW is free software: you may use it for any purpose, study and change it, and pass "
           "it on, changed or not, under the terms of the GNU General Public License as "
           "published by the Free Software Foundation, version 3 of the License or (at your "
           "choice) any later version. Whoever passes it on must pass on its source code under "
           "the same terms."),
        tr("brxW comes with no warranty at all, not even that it is fit for sale or for a "
           "particular purpose. The full licence is in /usr/share/common-licenses/GPL-3 on "
           "Debian, and at https://www.gnu.org/licenses/."),
    };
    for (const QString& text : paragraphs) {
        auto* label = new QLabel(text, this);
        label->setWordWrap(true);
        // About 55 characters a line, whatever the font's size.
        label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 55);
        layout->addWidget(label);
    }
    layout->addWidget(OkButton(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace brxw

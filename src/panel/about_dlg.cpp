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
    setWindowTitle(QStringLiteral("About brxW"));
    auto* layout = new QGridLayout(this);
    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(48, 48));
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(
        new QLabel(QStringLiteral("<b>brxW</b> version %1").arg(QLatin1String(kVersion)), this), 0,
        1);
    layout->addWidget(new QLabel(QStringLiteral("Remote console for a packet-radio BBS"), this), 1,
                      1);
    layout->addWidget(new QLabel(QStringLiteral("Copyright \u00A9 2026 the brxW authors"), this), 2,
                      1);
    layout->addWidget(OkButton(this), 3, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

CCopyrightDlg::CCopyrightDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Copyright"));
    auto* layout = new QVBoxLayout(this);
    const char* paragraphs[] = {
        "brxW \u00A9 2026 the brxW authors.",
        "You may use, copy and pass on this program for the operation of amateur radio "
        "bulletin-board systems, free of charge, provided this notice stays with it.",
        "This program is provided as it is, without warranty of any kind, express or implied. "
        "The authors are not liable for any damage arising from its use.",
    };
    for (const char* text : paragraphs) {
        auto* label = new QLabel(QString::fromUtf8(text), this);
        label->setWordWrap(true);
        label->setMinimumWidth(360);
        layout->addWidget(label);
    }
    layout->addWidget(OkButton(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace brxw

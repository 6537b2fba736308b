// SPDX-License-Identifier: GPL-3.0-or-later
#include "admin/pending_forward_dlg.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTextOption>
#include <QVBoxLayout>
#include <algorithm>

#include "admin/admin_texts.h"
#include "admin/forward_list.h"
#include "link/dispatcher.h"
#include "resources/dialog_fit.h"
#include "text/charset.h"
#include "textwin/colour_scheme.h"
#include "textwin/qt_colour.h"

namespace brxw::admin {

namespace {
constexpr int kEntryRole = Qt::UserRole;  // the entry text's bytes, status digit first

// The column width and the tab stop were laid out for a font of 5.5 pixels average character
// width; a wider font gets them widened alike, so that names and counts do not run together.
int Scaled(int pixels, const QFontMetrics& metrics) {
    return std::max(pixels, pixels * metrics.averageCharWidth() * 2 / 11);
}
}  // namespace

int CForwardEntryDelegate::TabStop(const QFontMetrics& metrics) const {
    return std::max(Scaled(kTabStop, metrics), m_names + metrics.averageCharWidth());
}

void CForwardEntryDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    const std::string entry = index.data(kEntryRole).toByteArray().toStdString();
    painter->save();
    painter->setClipRect(option.rect);  // nothing runs into the next column
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    // Red and blue as in the station list, in the colour scheme's shades.
    const SchemeColours& colours = CurrentColours();
    const QColor base = colours.ownListBackground ? ToQColor(colours.listBackground)
                                                  : option.palette.color(QPalette::Base);
    painter->fillRect(option.rect, selected ? ToQColor(colours.stationSelectedFill) : base);
    painter->setPen(ToQColor(colours.Station(ForwardColour(entry))));
    painter->setFont(option.font);
    // The status digit is not shown: the text starts at the blank after it.
    const QString text =
        AnsiToQString(std::string_view(entry).substr(std::min<std::size_t>(1, entry.size())));
    QTextOption layout;
    layout.setWrapMode(QTextOption::NoWrap);
    const QRect area = option.rect.adjusted(1, 1, 0, 0);
    const int tabStop = TabStop(option.fontMetrics);
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    if (tab < 0) {
        painter->drawText(QRectF(area), text, layout);
    } else {
        // The counts stay in their column: the stop leaves room for the longest name, and a
        // name drawn in another font than measured is cut short with an ellipsis rather than
        // pushing them to the next stop.
        const int nameRoom = std::max(0, tabStop - option.fontMetrics.averageCharWidth() / 2);
        const QString name = option.fontMetrics.elidedText(text.left(tab), Qt::ElideRight, nameRoom,
                                                           Qt::TextSingleLine);
        painter->drawText(QRectF(area.adjusted(0, 0, nameRoom - area.width(), 0)), name, layout);
        painter->drawText(QRectF(area.adjusted(tabStop, 0, 0, 0)), text.mid(tab + 1), layout);
    }
    if ((option.state & QStyle::State_HasFocus) != 0) {
        painter->setPen(QPen(ToQColor(colours.stationNormal), 1, Qt::DotLine));
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

QSize CForwardEntryDelegate::sizeHint(const QStyleOptionViewItem& option,
                                      const QModelIndex&) const {
    // 140 by 15 pixels, or what the font and the longest name and counts need so that nothing
    // is cut.
    const QFontMetrics& metrics = option.fontMetrics;
    return {std::max(Scaled(kColumnWidth, metrics),
                     TabStop(metrics) + m_counts + metrics.averageCharWidth()),
            std::max(kItemHeight, metrics.height() + 2)};
}

CPendingForwardDlg::CPendingForwardDlg(const std::vector<std::string>& entries, SendRequestFn send,
                                       QWidget* parent)
    : QDialog(parent), m_send(std::move(send)) {
    setWindowTitle(Tr(text::kContext, text::kPendingForward));
    m_list = new QListWidget(this);
    m_list->setAccessibleName(Tr(text::kContext, text::kPendingForward));
    auto* delegate = new CForwardEntryDelegate(m_list);
    m_list->setItemDelegate(delegate);
    m_list->setFlow(QListView::TopToBottom);
    m_list->setWrapping(true);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    const QFontMetrics metrics(m_list->font());
    int names = 0;
    int counts = 0;
    for (const std::string& entry : entries) {
        auto* item = new QListWidgetItem(m_list);
        item->setData(kEntryRole, QByteArray(entry.data(), static_cast<qsizetype>(entry.size())));
        // What the keyboard search finds: the text as drawn; a screen reader and the tooltip
        // have the whole entry with a blank for the tab.
        const QString text =
            AnsiToQString(std::string_view(entry).substr(std::min<std::size_t>(2, entry.size())));
        item->setText(text);
        const qsizetype tab = text.indexOf(QLatin1Char('\t'));
        QString whole = text;
        if (tab >= 0) {
            whole.replace(tab, 1, QLatin1Char(' '));
            names = std::max(names, metrics.horizontalAdvance(text.left(tab)));
            counts = std::max(counts, metrics.horizontalAdvance(text.mid(tab + 1)));
        }
        item->setToolTip(whole);
        item->setData(Qt::AccessibleTextRole, whole);
    }
    delegate->SetWidths(names, counts);
    m_start = new QPushButton(tr("&Start"), this);
    m_start->setDefault(true);
    m_stop = new QPushButton(tr("S&top"), this);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {m_start, m_stop, cancel}) {
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    if (entries.empty()) {
        layout->addWidget(new QLabel(Tr(text::kContext, text::kNoForwards), this));
    }
    layout->addLayout(buttons);
    connect(m_start, &QPushButton::clicked, this, [this] { Request(true); });
    connect(m_stop, &QPushButton::clicked, this, [this] { Request(false); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { Request(true); });
    ResizeInDialogUnits(*this, 392, 223);
    FitToScreen(this);
    // Start is the default button: nothing is chosen until the operator moves, and the first
    // Down chooses the first entry.
    NoCurrentRow(*m_list);
    m_list->setFocus();
}

void CPendingForwardDlg::Request(bool start) {
    const int row =
        m_list->selectedItems().isEmpty() ? -1 : m_list->row(m_list->selectedItems().front());
    if (row < 0) {
        return;
    }
    // Unsent, the dialog stays: the operator learns it and may try again or cancel.
    if (SendOrWarn(m_send, m_warning, this, text::kPendingForward, kind::kForward,
                   ForwardRequest(start, row))) {
        accept();
    }
}

}  // namespace brxw::admin

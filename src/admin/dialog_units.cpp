// SPDX-License-Identifier: GPL-3.0-or-later
#include "admin/dialog_units.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QButtonGroup>
#include <QFile>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QWidget>
#include <algorithm>
#include <cstring>
#include <ranges>

#include "admin/admin_texts.h"
#include "admin/record_exchange.h"
#include "resources/strings.h"
#include "text/charset.h"

namespace brxw::admin {

void WarningBox(QWidget* dialog, const std::string& caption, const std::string& text) {
    QString shown = AnsiToQString(text);
    shown.remove(QLatin1Char('\r'));
    QMessageBox box(QMessageBox::Warning, AnsiToQString(caption), shown, QMessageBox::Ok, dialog);
    box.exec();
}

bool SendOrWarn(const SendRequestFn& send, const WarningFn& warning, QWidget* dialog,
                const char* caption, std::uint8_t kind, std::string_view request) {
    if (send(kind, request)) {
        return true;
    }
    // The request's first line names it ("PUT 4711 97", "DEL Q1ABC").
    const std::string_view name = request.substr(0, request.find('\n'));
    warning(dialog, text::Shown(caption),
            TrPrintf(text::kContext, text::kNotSent, std::string(name).c_str()));
    return false;
}

void SendAndKeep(const SendRequestFn& send, const WarningFn& warning, const KeepWrittenFn& keep,
                 QWidget* dialog, const char* caption, std::uint8_t kind,
                 std::string_view request) {
    if (!SendOrWarn(send, warning, dialog, caption, kind, request) || !keep) {
        return;
    }
    const std::string failure = keep(kind, request);
    if (!failure.empty()) {
        warning(dialog, text::Shown(caption), failure);
    }
}

QLineEdit* LabelledEdits::Add(QGridLayout& grid, QWidget* parent, const char* name,
                              const QString& label, int row, int column, int span) {
    auto* edit = new QLineEdit(parent);
    auto* shown = new QLabel(label, parent);
    shown->setBuddy(edit);
    grid.addWidget(shown, row, column);
    grid.addWidget(edit, row, column + 1, 1, span);
    m_edits.emplace_back(name, edit);
    return edit;
}

QLineEdit* LabelledEdits::Find(const char* name) const {
    for (const auto& [key, edit] : m_edits) {
        if (std::strcmp(key, name) == 0) {
            return edit;
        }
    }
    return nullptr;
}

void LabelledEdits::Show(const char* name, const std::string& ansi) const {
    QLineEdit* edit = Find(name);
    edit->setText(AnsiToQString(ansi));
    edit->setCursorPosition(0);  // a long value shows its beginning
}

std::string LabelledEdits::Text(const char* name) const {
    return QStringToAnsi(Find(name)->text());
}

namespace {

// Bytes 1..127 only: such a key reads the same in every code page, so the text shown is the key
// and an entry need not keep the bytes as well.
bool IsPlainAscii(std::string_view key) {
    return std::all_of(key.begin(), key.end(), [](char c) {
        return static_cast<unsigned char>(c) >= 1 && static_cast<unsigned char>(c) < 128;
    });
}

// Only a key that is not plain ASCII keeps its bytes beside its text (a list of a hundred
// thousand keys holds a fifth less).
void KeepKeyBytes(QListWidgetItem& item, const std::string& key) {
    if (!IsPlainAscii(key)) {
        item.setData(Qt::UserRole, QByteArray(key.data(), static_cast<qsizetype>(key.size())));
    }
}

// The first row in [0, count) for which before(row) is false; the rows are ordered so that
// before holds for a leading run.
template <typename Before>
int PartitionRow(int count, Before before) {
    const auto rows = std::views::iota(0, count);
    return static_cast<int>(std::ranges::partition_point(rows, before) - rows.begin());
}

}  // namespace

QListWidgetItem* AddKeyItem(QListWidget& list, const std::string& key, int row) {
    auto* item = new QListWidgetItem(AnsiToQString(key));
    KeepKeyBytes(*item, key);
    list.insertItem(row < 0 ? list.count() : row, item);
    return item;
}

void AddKeyItems(QListWidget& list, const std::vector<std::string>& keys) {
    // One insertion for them all: the list model and its view hear of one block of rows, where
    // an insertion per key has each of them update its bookkeeping a hundred thousand times.
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(keys.size()));
    for (const std::string& key : keys) {
        texts.append(AnsiToQString(key));
    }
    const int first = list.count();
    list.addItems(texts);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        KeepKeyBytes(*list.item(first + static_cast<int>(i)), keys[i]);
    }
}

std::string KeyOf(const QListWidgetItem& item) {
    const QVariant bytes = item.data(Qt::UserRole);
    if (bytes.isValid()) {
        return bytes.toByteArray().toStdString();
    }
    return item.text().toLatin1().toStdString();  // plain ASCII: the text is the key
}

std::optional<int> FindKeyRow(const QListWidget& list, std::string_view key) {
    // Keys equal without regard to case stand together in ListOrder; the first of them is
    // where the caseless search lands.
    const int row =
        PartitionRow(list.count(), [&](int r) { return CaselessLess(KeyOf(*list.item(r)), key); });
    if (row < list.count() && !CaselessLess(key, KeyOf(*list.item(row)))) {
        return row;
    }
    return std::nullopt;
}

int KeyInsertRow(const QListWidget& list, std::string_view key) {
    return PartitionRow(list.count(), [&](int r) { return ListOrder(KeyOf(*list.item(r)), key); });
}

namespace {

// Without a current row the view takes every move to the first row; End goes to the last.
class EndKeyWithoutCurrent : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* view = qobject_cast<QAbstractItemView*>(watched);
        if (view != nullptr && event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_End &&
            static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier &&
            !view->currentIndex().isValid() && view->model() != nullptr &&
            view->model()->rowCount(view->rootIndex()) > 0) {
            const int last = view->model()->rowCount(view->rootIndex()) - 1;
            view->setCurrentIndex(view->model()->index(last, 0, view->rootIndex()));
            return true;
        }
        return false;
    }
};

}  // namespace

void NoCurrentRow(QAbstractItemView& view) {
    // An invalid index set on purpose: the view then leaves the current row alone on focus-in.
    view.setCurrentIndex(QModelIndex());
    const QString filterName = QStringLiteral("EndKeyWithoutCurrent");
    if (view.findChild<QObject*>(filterName, Qt::FindDirectChildrenOnly) == nullptr) {
        auto* filter = new EndKeyWithoutCurrent(&view);
        filter->setObjectName(filterName);
        view.installEventFilter(filter);
    }
}

void TabToChecked(QButtonGroup& group) {
    const QList<QAbstractButton*> buttons = group.buttons();
    QAbstractButton* target = group.checkedButton();
    if (target == nullptr && !buttons.isEmpty()) {
        target = buttons.front();
    }
    // The buttons of a group are one stop in the tab chain; the arrow keys move within it.
    for (QAbstractButton* button : buttons) {
        button->setFocusPolicy(button == target ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

QSize DialogUnitsToPixels(const QWidget& dialog, int x, int y) {
    const QFontMetrics metrics(dialog.font());
    return {x * metrics.averageCharWidth() / 4, y * metrics.height() / 8};
}

void ResizeInDialogUnits(QWidget& dialog, int x, int y) {
    const QSize wanted = DialogUnitsToPixels(dialog, x, y);
    const QSize needed = dialog.sizeHint();
    dialog.resize(std::max(wanted.width(), needed.width()),
                  std::max(wanted.height(), needed.height()));
}

std::string ReadAndDelete(const QString& path, qint64 limit) {
    std::string bytes;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray data = file.read(limit);
        bytes.assign(data.constData(), static_cast<std::size_t>(data.size()));
        file.close();
        file.remove();
    }
    return bytes;
}

bool CanRead(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

}  // namespace brxw::admin

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

#include "admin/admin_texts.h"
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
    warning(dialog, caption, StrPrintf(text::kNotSent, std::string(name).c_str()));
    return false;
}

QLineEdit* LabelledEdits::Add(QGridLayout& grid, QWidget* parent, const char* name,
                              const char* mnemonic, int row, int column, int span) {
    auto* edit = new QLineEdit(parent);
    auto* label = new QLabel(QString::fromLatin1(mnemonic), parent);
    label->setBuddy(edit);
    grid.addWidget(label, row, column);
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

QListWidgetItem* AddKeyItem(QListWidget& list, const std::string& key, int row) {
    auto* item = new QListWidgetItem(AnsiToQString(key));
    item->setData(Qt::UserRole, QByteArray(key.data(), static_cast<qsizetype>(key.size())));
    list.insertItem(row < 0 ? list.count() : row, item);
    return item;
}

std::string KeyOf(const QListWidgetItem& item) {
    return item.data(Qt::UserRole).toByteArray().toStdString();
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

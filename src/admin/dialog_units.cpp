#include "admin/dialog_units.h"

#include <QFile>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QWidget>
#include <algorithm>
#include <cstring>

#include "text/charset.h"

namespace brxw::admin {

void WarningBox(QWidget* dialog, const std::string& caption, const std::string& text) {
    QString shown = AnsiToQString(text);
    shown.remove(QLatin1Char('\r'));
    QMessageBox box(QMessageBox::Warning, AnsiToQString(caption), shown, QMessageBox::Ok, dialog);
    box.exec();
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

#include "admin/dialog_units.h"

#include <QFile>
#include <QFontMetrics>
#include <QMessageBox>
#include <QWidget>
#include <algorithm>

#include "text/charset.h"

namespace brxw::admin {

void WarningBox(QWidget* dialog, const std::string& caption, const std::string& text) {
    QString shown = AnsiToQString(text);
    shown.remove(QLatin1Char('\r'));
    QMessageBox box(QMessageBox::Warning, AnsiToQString(caption), shown, QMessageBox::Ok, dialog);
    box.exec();
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

#include "editor/main_frame.h"

#include "config/app_config.h"
#include "text/text_scan.h"
#include "text/charset.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <climits>

namespace brxw {

namespace {
int ToInt(long v) {
    return static_cast<int>(std::clamp<long>(v, INT_MIN / 2, INT_MAX / 2));
}
}  // namespace

CBrxWeditView::CBrxWeditView(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
}

CMainFrame::CMainFrame(AppConfig& config, QWidget* parent)
    : QMainWindow(parent), m_config(config), m_view(new CBrxWeditView(this)) {
    setWindowTitle(QStringLiteral("brxWedit"));
    setCentralWidget(m_view);
}

void CMainFrame::RestorePlacement() {
    int x = 0;
    int y = 0;
    int width = 600;
    int height = 400;
    std::string value;
    if (m_config.ReadSetting(kSettingsSection, "Size_e", value)) {
        const auto size = ScanLongs(value, 2);
        if (size.size() == 2 && size[0] > 0 && size[1] > 0) {
            width = std::min(ToInt(size[0]), 8192);
            height = std::min(ToInt(size[1]), 8192);
        }
        if (m_config.ReadSetting(kSettingsSection, "Position_e", value)) {
            const auto position = ScanLongs(value, 2);
            if (position.size() == 2) {
                x = ToInt(position[0]);
                y = ToInt(position[1]);
            }
        }
    }
    move(x, y);
    resize(width, height);
}

}  // namespace brxw

namespace brxw {

bool CMainFrame::OpenDocument(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    m_view->setPlainText(
        AnsiToQString(std::string_view(bytes.constData(), std::size_t(bytes.size()))));
    m_documentPath = path;
    setWindowTitle(QFileInfo(path).fileName() + QStringLiteral(" - brxWedit"));
    return true;
}

}  // namespace brxw

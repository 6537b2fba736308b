// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/user_guide.h"

#include <QDir>
#include <QFileInfo>

namespace brxw {

GuideSearch FindUserGuide(const QString& programDir, const QString& installedFromProgram,
                          const QString& buildTreeGuide) {
    GuideSearch search;
    const QString installed = QDir::cleanPath(QDir(programDir).filePath(installedFromProgram));
    for (const QString& path : {installed, QDir::cleanPath(buildTreeGuide)}) {
        if (path.isEmpty() || search.tried.contains(path)) {
            continue;
        }
        search.tried.append(path);
        if (QFileInfo(path).isFile()) {
            search.found = QFileInfo(path).absoluteFilePath();
            break;
        }
    }
    return search;
}

}  // namespace brxw

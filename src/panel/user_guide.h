// SPDX-License-Identifier: GPL-3.0-or-later
// Where Help > User guide finds the sysop's guide: installed beside the program
// (<prefix>/bin/brxw reads <prefix>/share/doc/brxw/guide.html), or, for a program run from the
// build tree, the copy the build rendered there.
#pragma once

#include <QString>
#include <QStringList>

namespace brxw {

struct GuideSearch {
    QString found;      // the guide's absolute path; empty when none was found
    QStringList tried;  // every path looked at, in order, to name when none was found
};

// installedFromProgram: the guide's path relative to the program's folder; buildTreeGuide: the
// build's own copy, looked at only when the installed one is absent.
GuideSearch FindUserGuide(const QString& programDir, const QString& installedFromProgram,
                          const QString& buildTreeGuide);

}  // namespace brxw

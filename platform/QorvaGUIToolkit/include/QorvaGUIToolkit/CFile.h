#pragma once
// Reads style-sheet files and joins them into one text.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QString>
#include <QStringList>

namespace QorvaGUIToolkit {

class QORVAGUITOOLKIT_EXPORT CFile
{
public:
    /// Concatenates the files (names relative to dir, which may be a resource
    /// directory such as ":/QorvaGUIToolKit/Qss/Qss/QorvaGUIToolkit/") in list order,
    /// each followed by a newline. Missing or unreadable files are skipped with a
    /// warning in the log; an empty list gives an empty text.
    static QString ReadAll(const QStringList &fileNames, const QString &dir);
    /// The right-to-left variant: like ReadAll, but a file "<name>_Hb.qss" beside
    /// "<name>.qss" is read instead of it when it exists; in the other files the left
    /// and right border sides are swapped (Qt mirrors alignment and padding itself).
    static QString ReadAllHb(const QStringList &fileNames, const QString &dir);

    /// Swaps left and right border sides in a style-sheet text (ReadAllHb's rule).
    static QString mirrorStyleSheet(const QString &styleSheet);
};

} // namespace QorvaGUIToolkit

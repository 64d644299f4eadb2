#pragma once
// Writing spreadsheets (.xlsx) for exports.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

namespace QorvaGUIToolkit {

/// Spreadsheet export. Safe to call from worker threads (each call has its own workbook).
class QORVAGUITOOLKIT_EXPORT QXlsxMgr
{
public:
    /// Writes rows (first row first, cells left to right) as text cells of one worksheet
    /// into the .xlsx file path, replacing an existing file. Every cell is text, so
    /// digit strings such as identity numbers keep all their digits and leading zeros;
    /// empty texts leave the cell blank; a text longer than a cell can hold (32767
    /// characters) is cut with a warning. Returns false, leaving no file behind and any
    /// existing file at path untouched, when the folder is missing or not writable,
    /// there are more rows or columns than a worksheet has, or writing fails; the
    /// reason is logged.
    static bool WriteExcel(const QString &path, const QList<QStringList> &rows);
    static bool WriteExcel(const QString &path, const QVector<QStringList> &rows);
};

} // namespace QorvaGUIToolkit

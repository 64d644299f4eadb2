#pragma once
// Writing spreadsheets (.xlsx) for exports and workbooks built in memory.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

namespace QorvaGUIToolkit {

/// Spreadsheet export. Safe to call from worker threads (each call has its own workbook).
class QORVAGUITOOLKIT_EXPORT QXlsxMgr
{
public:
    /// One cell of WriteWorkbook; row and column are 0-based.
    struct Cell
    {
        enum Kind { Text, Number, Boolean, DateTime };
        int row = 0;
        int column = 0;
        Kind kind = Text;
        QString text;      // Text: the text; every kind: the display text of a link
        double number = 0; // Number; DateTime: serial day number (1900 system); Boolean: 0 or 1
        bool textFormat = false; // Text: the cell keeps the text format, so edits stay text
        QString linkAddress;     // a hyperlink when address or sub-address is set:
        QString linkSubAddress;  // a URL or file path, and a place ("Sheet2!A1") in it
        QString linkTip;
    };
    struct Sheet
    {
        QString name; // empty: "Sheet<n>"
        QVector<Cell> cells;
        QVector<int> textColumns; // 0-based columns whose empty cells take the text format
    };

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

    /// Gives WriteExcelRows the next rows: fills rows (empty at each call); leaving it
    /// empty ends the sheet; false abandons the file.
    using RowSource = std::function<bool(QVector<QStringList> &rows)>;
    /// WriteExcel with the rows taken from source batch by batch, so that the next ones
    /// can be produced while these are written. columns: the most cells a row has.
    /// False as WriteExcel, also when source fails or a row is wider than columns.
    static bool WriteExcelRows(const QString &path, int columns, const RowSource &source);

    /// Writes sheets in order (at least one) with the same guarantees as WriteExcel.
    /// Cells may come in any order; of two cells at one place the later one wins.
    /// Date-time cells show as "yyyy-mm-dd hh:mm:ss" (as "yyyy-mm-dd" when whole days).
    /// Fails also for a sheet name a spreadsheet refuses (longer than 31 characters,
    /// one of []:*?/\, or twice in the workbook). On failure errorText, when given,
    /// receives the reason.
    static bool WriteWorkbook(const QString &path, const QVector<Sheet> &sheets,
                              QString *errorText = nullptr);
    /// Whether a spreadsheet accepts name for a sheet (1 to 31 characters, none of
    /// []:*?/\, no apostrophe at either end).
    static bool IsValidSheetName(const QString &name);
};

} // namespace QorvaGUIToolkit

#pragma once
// One spreadsheet workbook (.xlsx), opened or created on the calling thread: the sheet
// and cell operations of the appointment import and of the template download.
// Values read back as text whoever wrote the file: numbers as their value text, dates as
// "yyyy-MM-ddTHH:mm:ss", shared and inline strings alike. Changes are kept in memory
// until save(), which rewrites the whole file.
// Not thread-safe: create, use and destroy it on one thread (a worker or the GUI thread).

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>

namespace visitorclient {

class QExcel : public QObject
{
    Q_OBJECT
public:
    /// Opens the .xlsx file at filePath, or, when there is none, creates it with one
    /// empty sheet "Sheet1". isOpened() tells whether that worked, errorText() why not:
    /// "NULL == m_pWorkBook: ..." for a file that cannot be read as a workbook,
    /// "NULL == m_pSheets: ..." for a workbook without readable worksheets,
    /// "m_bCreateFailed" for a new file that cannot be written.
    explicit QExcel(const QString &filePath, QObject *parent = nullptr);
    /// Closes without saving.
    ~QExcel() override;

    bool isOpened() const { return m_bOpened; }
    /// The last failure, with its reason; empty when nothing failed.
    QString errorText() const { return m_strError; }

    /// Makes a sheet current by name or by 1-based number; false when there is none or
    /// it cannot be read (the current sheet stays). Selecting reads the sheet once to
    /// learn its used range.
    bool selectSheet(const QString &name);
    bool selectSheet(int index);
    /// A workbook keeps at least one sheet: deleting the last one fails.
    bool deleteSheet(const QString &name);
    bool deleteSheet(int index);
    /// Appends a sheet ("Sheet<n>" when name is empty) and makes it current.
    bool addSheet(const QString &name = QString());
    int sheetCount() const;
    /// 1-based; empty when out of range.
    QString sheetName(int index) const;
    QStringList sheetNames() const;

    /// Sets a cell of the current sheet (row and column 1-based). As text, the cell
    /// keeps the text format and the text as it is. Otherwise a plain number
    /// ("42", "-1.5") becomes a number and a date-time text ("2026-12-05",
    /// "2026-12-05T09:30:00", "2026-12-05 09:30:00") a date; anything else, such as
    /// "0012" or an 18-digit identity number, stays text. An empty text clears the cell.
    bool setCellValue(int row, int column, const QString &text, bool asText = false);
    /// Sets every cell of an area ("A1", "A1:C3", "B:B", "2:4") to text, as text.
    /// Areas of more than a million cells are refused.
    bool setRangeValue(const QString &range, const QString &text);
    /// The value of a cell of the current sheet as text; an invalid QVariant when the
    /// cell is empty or there is no current sheet.
    QVariant getCellValue(int row, int column);
    /// Empties the cells of an area (their text format stays).
    bool clearRange(const QString &range);
    /// The last row and column holding a value in the current sheet; 0 when the sheet
    /// is empty or there is none. Formats and emptied cells do not count.
    int lastUsedRow();
    int lastUsedColumn();
    /// Makes the cell a link to address (a URL or file) and/or subAddress (a place such
    /// as "Sheet2!A1"), showing textToDisplay (the address when empty).
    bool addHyperlink(int row, int column, const QString &address, const QString &subAddress,
                      const QString &screenTip, const QString &textToDisplay);
    /// Gives the empty cells of columns first..last of the current sheet the text
    /// format, so that what is typed there later stays text (identity numbers keep
    /// their digits, phone numbers their leading zeros).
    bool setColumnsTextFormat(int firstColumn, int lastColumn);

    /// Hands out the rows of the current sheet that hold values, in order: the 1-based
    /// row number and the texts of columns 1 up to the row's last value (empty texts for
    /// empty cells). visit returns false to stop. A sheet that was not changed is
    /// streamed from the file without being held in memory. False on a read error.
    bool forEachRow(const std::function<bool(int row, const QStringList &texts)> &visit);

    /// Writes the workbook to its file (replacing it in one step). For a file written
    /// elsewhere, values, text formats and links set here are kept; formulas are kept as
    /// their last values and other formatting is not kept.
    bool save();
    /// Closes without saving; afterwards the object is not opened.
    void close();

signals:
    void SignalException(int code, const QString &source, const QString &description,
                         const QString &help);

public slots:
    void OnException(int code, const QString &source, const QString &description,
                     const QString &help);

private:
    struct Workbook;

    bool fail(const QString &reason);
    bool notOpen();
    bool open(const QString &filePath);
    bool create(const QString &filePath);
    bool requireSheet();
    /// 1-based number of the sheet called name; 0, with the error set, when none is.
    int sheetNumber(const QString &name);
    bool checkSheetNumber(int index);
    void usedRange(int &rows, int &columns);
    bool writeFile();

    QString m_strPath;
    std::unique_ptr<Workbook> m_pWorkBook;
    int m_iCurrentSheet = -1;
    bool m_bOpened = false;
    bool m_bCreateFailed = false;
    QString m_strError;
};

} // namespace visitorclient

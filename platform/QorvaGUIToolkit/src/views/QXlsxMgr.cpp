#include <QorvaGUIToolkit/QXlsxMgr.h>

#include <Base/Log.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace QorvaGUIToolkit {

namespace {

constexpr int MaxCellCharacters = 32767;
constexpr qint64 MaxRows = 1048576;
constexpr qint64 MaxColumns = 16384;
constexpr int MaxSheetNameLength = 31;
constexpr double ColumnWidth = 20;

using Cell = QXlsxMgr::Cell;
using Sheet = QXlsxMgr::Sheet;

QString sheetNameProblem(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("empty sheet name");
    if (name.size() > MaxSheetNameLength)
        return QStringLiteral("sheet name [%1] is longer than 31 characters").arg(name);
    for (const QChar c : name) {
        if (QStringLiteral("[]:*?/\\").contains(c))
            return QStringLiteral("sheet name [%1] contains [%2]").arg(name, c);
    }
    if (name.startsWith(QLatin1Char('\'')) || name.endsWith(QLatin1Char('\'')))
        return QStringLiteral("sheet name [%1] begins or ends with an apostrophe").arg(name);
    return {};
}

// The form libxlsxwriter expects: a URL as it is, a place in this workbook as
// "internal:", a file as "external:".
QString linkTarget(const Cell &cell)
{
    static const char *const schemes[] = {"http://", "https://", "ftp://", "mailto:"};
    const QString &address = cell.linkAddress;
    const QString place =
        cell.linkSubAddress.isEmpty() ? QString() : QLatin1Char('#') + cell.linkSubAddress;
    if (address.isEmpty())
        return QStringLiteral("internal:") + cell.linkSubAddress;
    for (const char *scheme : schemes) {
        if (address.startsWith(QLatin1String(scheme), Qt::CaseInsensitive))
            return address + place;
    }
    return QStringLiteral("external:") + address + place;
}

class WorkbookWriter
{
public:
    explicit WorkbookWriter(const QByteArray &fileName)
    {
        lxw_workbook_options options = {};
        // Cells are written strictly in order, so the low-memory mode applies (inline
        // strings instead of a shared string table held in memory).
        options.constant_memory = LXW_TRUE;
        m_workbook = workbook_new_opt(fileName.constData(), &options);
        if (!m_workbook)
            return;
        m_textFormat = workbook_add_format(m_workbook);
        format_set_num_format(m_textFormat, "@");
        m_dateFormat = workbook_add_format(m_workbook);
        format_set_num_format(m_dateFormat, "yyyy-mm-dd");
        m_dateTimeFormat = workbook_add_format(m_workbook);
        format_set_num_format(m_dateTimeFormat, "yyyy-mm-dd hh:mm:ss");
    }
    ~WorkbookWriter()
    {
        if (m_workbook)
            workbook_close(m_workbook);
    }

    /// Starts the next sheet; columns is one past the last column that will hold a cell.
    bool addSheet(const QString &name, int columns, const QVector<int> &textColumns)
    {
        if (!m_workbook)
            return fail(QStringLiteral("cannot create the workbook"));
        const QByteArray utf8 = name.toUtf8();
        m_sheet = workbook_add_worksheet(m_workbook, utf8.isEmpty() ? nullptr : utf8.constData());
        if (!m_sheet)
            return fail(QStringLiteral("cannot add sheet [%1]").arg(name));
        setColumns(columns, textColumns);
        return true;
    }

    /// Cells of a sheet must come row by row, left to right.
    bool writeCell(const Cell &cell)
    {
        const auto row = static_cast<lxw_row_t>(cell.row);
        const auto column = static_cast<lxw_col_t>(cell.column);
        QString text = cell.text;
        if (text.size() > MaxCellCharacters) {
            LOG_WARN("Cell text cut to [%d] characters at row [%d] column [%d].", MaxCellCharacters,
                     cell.row, cell.column);
            text.truncate(MaxCellCharacters);
        }
        const bool link = !cell.linkAddress.isEmpty() || !cell.linkSubAddress.isEmpty();
        if (link && writeLink(cell, text))
            return true;

        lxw_error error = LXW_NO_ERROR;
        switch (cell.kind) {
        case Cell::Text:
            if (text.isEmpty())
                return true;
            error = worksheet_write_string(m_sheet, row, column, text.toUtf8().constData(),
                                           cell.textFormat ? m_textFormat : nullptr);
            break;
        case Cell::Number:
            if (!std::isfinite(cell.number))
                return fail(QStringLiteral("cell [%1,%2] holds no finite number")
                                .arg(cell.row)
                                .arg(cell.column));
            error = worksheet_write_number(m_sheet, row, column, cell.number, nullptr);
            break;
        case Cell::Boolean:
            error = worksheet_write_boolean(m_sheet, row, column, cell.number != 0, nullptr);
            break;
        case Cell::DateTime: {
            const bool wholeDay = cell.number == std::floor(cell.number);
            error = worksheet_write_number(m_sheet, row, column, cell.number,
                                           wholeDay ? m_dateFormat : m_dateTimeFormat);
            break;
        }
        }
        if (error != LXW_NO_ERROR)
            return fail(QStringLiteral("cannot write cell [%1,%2]: %3")
                            .arg(cell.row)
                            .arg(cell.column)
                            .arg(QString::fromUtf8(lxw_strerror(error))));
        return true;
    }

    bool finish()
    {
        if (!m_workbook)
            return fail(QStringLiteral("cannot create the workbook"));
        const lxw_error closed = workbook_close(m_workbook);
        m_workbook = nullptr;
        if (closed != LXW_NO_ERROR)
            return fail(QStringLiteral("cannot save the workbook: %1")
                            .arg(QString::fromUtf8(lxw_strerror(closed))));
        return true;
    }

    QString error() const { return m_error; }

    bool fail(const QString &reason)
    {
        m_error = reason;
        return false;
    }

private:
    // Non-overlapping column ranges (a spreadsheet repairs overlapping ones): used
    // columns get a readable width, text columns the text format.
    void setColumns(int columns, const QVector<int> &textColumns)
    {
        for (int column : textColumns)
            columns = qMax(columns, column + 1);
        QVector<bool> text(columns, false);
        for (int column : textColumns)
            text[column] = true;
        for (int first = 0; first < columns;) {
            int last = first;
            while (last + 1 < columns && text.at(last + 1) == text.at(first))
                ++last;
            worksheet_set_column(m_sheet, static_cast<lxw_col_t>(first),
                                 static_cast<lxw_col_t>(last), ColumnWidth,
                                 text.at(first) ? m_textFormat : nullptr);
            first = last + 1;
        }
    }

    // False when the link cannot be written (too long a URL, too many links): the cell
    // then keeps its value without the link.
    bool writeLink(const Cell &cell, const QString &text)
    {
        const QByteArray url = linkTarget(cell).toUtf8();
        const QByteArray shown = text.toUtf8();
        const QByteArray tip = cell.linkTip.toUtf8();
        const lxw_error error = worksheet_write_url_opt(
            m_sheet, static_cast<lxw_row_t>(cell.row), static_cast<lxw_col_t>(cell.column),
            url.constData(), nullptr, shown.isEmpty() ? nullptr : shown.constData(),
            tip.isEmpty() ? nullptr : tip.constData());
        if (error == LXW_NO_ERROR)
            return true;
        LOG_WARN("Link of cell [%d,%d] left out: [%s].", cell.row, cell.column,
                 lxw_strerror(error));
        return false;
    }

    lxw_workbook *m_workbook = nullptr;
    lxw_worksheet *m_sheet = nullptr;
    lxw_format *m_textFormat = nullptr;
    lxw_format *m_dateFormat = nullptr;
    lxw_format *m_dateTimeFormat = nullptr;
    QString m_error;
};

QString checkSheets(const QVector<Sheet> &sheets)
{
    if (sheets.isEmpty())
        return QStringLiteral("a workbook needs a sheet");
    QStringList names;
    for (int i = 0; i < sheets.size(); ++i) {
        const Sheet &sheet = sheets.at(i);
        const QString name =
            sheet.name.isEmpty() ? QStringLiteral("Sheet%1").arg(i + 1) : sheet.name;
        const QString problem = sheetNameProblem(name);
        if (!problem.isEmpty())
            return problem;
        if (names.contains(name, Qt::CaseInsensitive))
            return QStringLiteral("sheet name [%1] is used twice").arg(name);
        names << name;
        for (const Cell &cell : sheet.cells) {
            if (cell.row < 0 || cell.row >= MaxRows)
                return QStringLiteral("row [%1] exceeds the worksheet limit").arg(cell.row);
            if (cell.column < 0 || cell.column >= MaxColumns)
                return QStringLiteral("column [%1] exceeds the worksheet limit").arg(cell.column);
        }
        for (int column : sheet.textColumns) {
            if (column < 0 || column >= MaxColumns)
                return QStringLiteral("column [%1] exceeds the worksheet limit").arg(column);
        }
    }
    return {};
}

bool writeSheet(WorkbookWriter &writer, const Sheet &sheet)
{
    // Later cells replace earlier ones at the same place; the writer needs them in order.
    QVector<Cell> cells = sheet.cells;
    std::stable_sort(cells.begin(), cells.end(), [](const Cell &a, const Cell &b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    int columns = 0;
    for (const Cell &cell : cells)
        columns = qMax(columns, cell.column + 1);
    if (!writer.addSheet(sheet.name, columns, sheet.textColumns))
        return false;
    for (int i = 0; i < cells.size(); ++i) {
        const bool replaced = i + 1 < cells.size() && cells.at(i + 1).row == cells.at(i).row &&
                              cells.at(i + 1).column == cells.at(i).column;
        if (!replaced && !writer.writeCell(cells.at(i)))
            return false;
    }
    return true;
}

// Runs fill on a writer of a temporary file in the target's folder; the finished file
// replaces the target in one rename, so a failure never leaves a half-written
// spreadsheet under the real name.
bool writeReplacing(const QString &path, const std::function<bool(WorkbookWriter &)> &fill,
                    QString *errorText)
{
    const auto fail = [&](const QString &reason) {
        LOG_ERROR("WriteExcel: [%s]: %s.", qUtf8Printable(path), qUtf8Printable(reason));
        if (errorText)
            *errorText = reason;
        return false;
    };
    if (path.trimmed().isEmpty())
        return fail(QStringLiteral("empty path"));
    const QFileInfo target(path);
    const QDir folder = target.absoluteDir();
    if (!folder.exists())
        return fail(QStringLiteral("the folder does not exist"));
    if (target.isDir())
        return fail(QStringLiteral("the path is a folder"));

    QTemporaryFile temporary(folder.filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    temporary.setAutoRemove(false);
    if (!temporary.open())
        return fail(QStringLiteral("cannot write in the folder: %1").arg(temporary.errorString()));
    const QString temporaryName = temporary.fileName();
    temporary.close();
    const QByteArray encodedTemporary = QFile::encodeName(temporaryName);

    QString writeError;
    {
        WorkbookWriter writer(encodedTemporary);
        if (!fill(writer) || !writer.finish())
            writeError = writer.error();
    }
    if (!writeError.isEmpty()) {
        QFile::remove(temporaryName);
        return fail(writeError);
    }
    if (std::rename(encodedTemporary.constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        QFile::remove(temporaryName);
        return fail(QStringLiteral("cannot replace the file"));
    }
    // QTemporaryFile creates files readable by the owner only; exports are ordinary files.
    QFile::setPermissions(target.absoluteFilePath(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                              QFileDevice::ReadGroup | QFileDevice::ReadOther);
    return true;
}

} // namespace

bool QXlsxMgr::WriteExcel(const QString &path, const QList<QStringList> &rows)
{
    return WriteExcel(path, rows.toVector());
}

bool QXlsxMgr::WriteExcel(const QString &path, const QVector<QStringList> &rows)
{
    if (rows.size() > MaxRows) {
        LOG_ERROR("WriteExcel: [%d] rows exceed the worksheet limit.", int(rows.size()));
        return false;
    }
    int columns = 0;
    for (const QStringList &row : rows)
        columns = qMax(columns, row.size());
    // Straight from the rows: an export of many rows never exists twice in memory.
    bool given = false;
    return WriteExcelRows(path, columns, [&](QVector<QStringList> &batch) {
        if (!given)
            batch = rows;
        given = true;
        return true;
    });
}

bool QXlsxMgr::WriteExcelRows(const QString &path, int columns, const RowSource &source)
{
    if (columns > MaxColumns) {
        LOG_ERROR("WriteExcel: [%d] columns exceed the worksheet limit.", columns);
        return false;
    }
    return writeReplacing(
        path,
        [&](WorkbookWriter &writer) {
            if (!writer.addSheet(QString(), columns, {}))
                return false;
            Cell cell;
            QVector<QStringList> rows;
            for (int next = 0;; next += rows.size()) {
                rows.clear();
                if (!source(rows))
                    return writer.fail(QStringLiteral("the rows could not be produced"));
                if (rows.isEmpty())
                    return true;
                if (next + rows.size() > MaxRows)
                    return writer.fail(QStringLiteral("more rows than a worksheet holds"));
                for (int r = 0; r < rows.size(); ++r) {
                    const QStringList &row = rows.at(r);
                    if (row.size() > columns)
                        return writer.fail(QStringLiteral("row [%1] has more than [%2] cells")
                                               .arg(next + r)
                                               .arg(columns));
                    for (int c = 0; c < row.size(); ++c) {
                        cell.row = next + r;
                        cell.column = c;
                        cell.text = row.at(c);
                        if (!writer.writeCell(cell))
                            return false;
                    }
                }
            }
        },
        nullptr);
}

bool QXlsxMgr::WriteWorkbook(const QString &path, const QVector<Sheet> &sheets, QString *errorText)
{
    const QString problem = checkSheets(sheets);
    if (!problem.isEmpty()) {
        LOG_ERROR("WriteExcel: [%s]: %s.", qUtf8Printable(path), qUtf8Printable(problem));
        if (errorText)
            *errorText = problem;
        return false;
    }
    return writeReplacing(
        path,
        [&](WorkbookWriter &writer) {
            for (const Sheet &sheet : sheets) {
                if (!writeSheet(writer, sheet))
                    return false;
            }
            return true;
        },
        errorText);
}

bool QXlsxMgr::IsValidSheetName(const QString &name)
{
    return sheetNameProblem(name).isEmpty();
}

} // namespace QorvaGUIToolkit

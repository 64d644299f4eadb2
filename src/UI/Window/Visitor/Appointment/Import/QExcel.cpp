#include "QExcel.h"

#include "XlsxReader.h"
#include "XlsxValues.h"

#include <Base/Log.h>
#include <QorvaGUIToolkit/QXlsxMgr.h>

#include <QFileInfo>

#include <map>
#include <set>
#include <vector>

namespace visitorclient {

namespace {

using Kind = CXlsxReader::CellKind;
using QorvaGUIToolkit::QXlsxMgr;

// Code of SignalException when the file cannot be written.
constexpr int WriteFailedCode = 1;
constexpr qint64 MaxAreaCells = 1000000;

struct StoredCell
{
    Kind kind = Kind::Text;
    QString text; // empty: no value (the cell only keeps its text format)
    double number = 0;
    bool textFormat = false;
    QString linkAddress;
    QString linkSubAddress;
    QString linkTip;
};

using Row = std::map<int, StoredCell>;

struct SheetData
{
    QString name;
    int fileIndex = -1;   // its number in the file (0-based); -1 for sheets made here
    bool loaded = false;  // rows hold the whole sheet
    bool scanned = false; // the used range is known without loading
    int usedRows = 0;
    int usedColumns = 0;
    std::map<int, Row> rows;
    std::set<int> textColumns;
};

StoredCell storedCell(const CXlsxReader::Cell &cell)
{
    StoredCell stored;
    stored.kind = cell.kind;
    stored.text = cell.text;
    stored.number = cell.number;
    stored.textFormat = cell.textFormat;
    return stored;
}

QXlsxMgr::Cell::Kind writerKind(Kind kind)
{
    switch (kind) {
    case Kind::Number:
        return QXlsxMgr::Cell::Number;
    case Kind::Boolean:
        return QXlsxMgr::Cell::Boolean;
    case Kind::DateTime:
        return QXlsxMgr::Cell::DateTime;
    case Kind::Text:
        break;
    }
    return QXlsxMgr::Cell::Text;
}

bool validPosition(int row, int column)
{
    return row >= 1 && row <= xlsx::MaxRows && column >= 1 && column <= xlsx::MaxColumns;
}

// Texts of columns 1..last value of a row; empty when the row holds no value.
QStringList rowTexts(const Row &row)
{
    QStringList texts;
    for (const auto &entry : row) {
        if (entry.second.text.isEmpty())
            continue;
        while (texts.size() < entry.first - 1)
            texts.append(QString());
        texts.append(entry.second.text);
    }
    return texts;
}

bool isEmptyCell(const StoredCell &cell)
{
    return cell.text.isEmpty() && !cell.textFormat && cell.linkAddress.isEmpty() &&
           cell.linkSubAddress.isEmpty();
}

} // namespace

struct QExcel::Workbook
{
    std::unique_ptr<CXlsxReader> reader;
    std::vector<SheetData> sheets;

    SheetData *find(const QString &name)
    {
        for (SheetData &sheet : sheets) {
            if (sheet.name.compare(name, Qt::CaseInsensitive) == 0)
                return &sheet;
        }
        return nullptr;
    }

    int indexOf(const QString &name)
    {
        SheetData *sheet = find(name);
        return sheet ? int(sheet - sheets.data()) : -1;
    }

    // Reads a sheet of the file to learn its used range, keeping nothing else.
    bool scan(SheetData &sheet)
    {
        if (sheet.loaded || sheet.scanned)
            return true;
        sheet.usedRows = sheet.usedColumns = 0;
        const bool read = reader->readSheet(
            sheet.fileIndex, [&sheet](int row, const std::vector<CXlsxReader::Cell> &cells) {
                sheet.usedRows = qMax(sheet.usedRows, row);
                for (const CXlsxReader::Cell &cell : cells)
                    sheet.usedColumns = qMax(sheet.usedColumns, cell.column);
                return true;
            });
        sheet.scanned = read;
        return read;
    }

    bool load(SheetData &sheet)
    {
        if (sheet.loaded)
            return true;
        std::map<int, Row> rows;
        const bool read = reader->readSheet(
            sheet.fileIndex, [&rows](int row, const std::vector<CXlsxReader::Cell> &cells) {
                Row &stored = rows[row];
                for (const CXlsxReader::Cell &cell : cells)
                    stored[cell.column] = storedCell(cell);
                return true;
            });
        if (!read)
            return false;
        sheet.rows.swap(rows);
        sheet.loaded = true;
        return true;
    }

    static void usedRange(const SheetData &sheet, int &rows, int &columns)
    {
        rows = columns = 0;
        for (const auto &row : sheet.rows) {
            for (auto cell = row.second.rbegin(); cell != row.second.rend(); ++cell) {
                if (!cell->second.text.isEmpty()) {
                    rows = row.first;
                    columns = qMax(columns, cell->first);
                    break;
                }
            }
        }
    }
};

QExcel::QExcel(const QString &filePath, QObject *parent) : QObject(parent), m_strPath(filePath)
{
    connect(this, &QExcel::SignalException, this, &QExcel::OnException);
    const QFileInfo file(filePath);
    if (file.exists() ? open(filePath) : create(filePath)) {
        m_bOpened = true;
        m_iCurrentSheet = 0;
    } else {
        LOG_ERROR("Failed to open workbook [%s]: %s.", qUtf8Printable(filePath),
                  qUtf8Printable(m_strError));
        m_pWorkBook.reset();
    }
}

QExcel::~QExcel()
{
    close();
}

bool QExcel::fail(const QString &reason)
{
    m_strError = reason;
    return false;
}

bool QExcel::notOpen()
{
    // The reason the workbook did not open stays the one to tell.
    if (m_strError.isEmpty())
        m_strError = QStringLiteral("the workbook is not open");
    return false;
}

bool QExcel::open(const QString &filePath)
{
    QString error;
    std::unique_ptr<IXlsxPackage> package = openZipPackage(filePath, error);
    if (!package)
        return fail(QStringLiteral("NULL == m_pWorkBook: %1").arg(error));
    m_pWorkBook = std::make_unique<Workbook>();
    m_pWorkBook->reader = std::make_unique<CXlsxReader>(std::move(package));
    CXlsxReader &reader = *m_pWorkBook->reader;
    if (!reader.open())
        return fail(QStringLiteral("NULL == m_pWorkBook: %1").arg(reader.errorText()));
    if (!reader.checkSheets())
        return fail(QStringLiteral("NULL == m_pSheets: %1").arg(reader.errorText()));
    for (int i = 0; i < reader.sheetCount(); ++i) {
        SheetData sheet;
        sheet.name = reader.sheetName(i);
        sheet.fileIndex = i;
        m_pWorkBook->sheets.push_back(std::move(sheet));
    }
    return true;
}

bool QExcel::create(const QString &filePath)
{
    m_pWorkBook = std::make_unique<Workbook>();
    SheetData sheet;
    sheet.name = QStringLiteral("Sheet1");
    sheet.loaded = true;
    m_pWorkBook->sheets.push_back(std::move(sheet));
    // The file exists from the start, so a path that cannot be written is known now
    // rather than after the caller filled the workbook.
    if (!writeFile() || m_bCreateFailed)
        return fail(QStringLiteral("m_bCreateFailed: %1").arg(m_strError));
    return true;
}

bool QExcel::writeFile()
{
    std::vector<SheetData> &sheets = m_pWorkBook->sheets;
    for (SheetData &sheet : sheets) {
        if (!m_pWorkBook->load(sheet))
            return fail(m_pWorkBook->reader->errorText());
    }
    QVector<QXlsxMgr::Sheet> written;
    for (const SheetData &sheet : sheets) {
        QXlsxMgr::Sheet out;
        out.name = sheet.name;
        for (const auto &row : sheet.rows) {
            for (const auto &entry : row.second) {
                const StoredCell &stored = entry.second;
                QXlsxMgr::Cell cell;
                cell.row = row.first - 1;
                cell.column = entry.first - 1;
                cell.kind = writerKind(stored.kind);
                cell.text = stored.text;
                cell.number = stored.number;
                cell.textFormat = stored.textFormat;
                cell.linkAddress = stored.linkAddress;
                cell.linkSubAddress = stored.linkSubAddress;
                cell.linkTip = stored.linkTip;
                out.cells.append(cell);
            }
        }
        for (int column : sheet.textColumns)
            out.textColumns.append(column - 1);
        written.append(out);
    }
    QString reason;
    if (!QXlsxMgr::WriteWorkbook(m_strPath, written, &reason)) {
        m_strError = reason;
        emit SignalException(WriteFailedCode, QStringLiteral("QExcel"), reason, QString());
        return false;
    }
    return true;
}

void QExcel::OnException(int code, const QString &source, const QString &description,
                         const QString &help)
{
    LOG_ERROR("iErr=[%d], CreateFailed", code);
    if (!m_bOpened)
        m_bCreateFailed = true;
}

bool QExcel::requireSheet()
{
    if (!m_bOpened)
        return notOpen();
    if (m_iCurrentSheet < 0 || m_iCurrentSheet >= int(m_pWorkBook->sheets.size()))
        return fail(QStringLiteral("no sheet is selected"));
    return true;
}

int QExcel::sheetNumber(const QString &name)
{
    if (!m_bOpened)
        return notOpen();
    const int index = m_pWorkBook->indexOf(name);
    if (index < 0)
        return fail(QStringLiteral("there is no sheet [%1]").arg(name));
    return index + 1;
}

bool QExcel::checkSheetNumber(int index)
{
    if (!m_bOpened)
        return notOpen();
    if (index < 1 || index > sheetCount())
        return fail(QStringLiteral("there is no sheet [%1]").arg(index));
    return true;
}

bool QExcel::selectSheet(const QString &name)
{
    const int index = sheetNumber(name);
    return index > 0 && selectSheet(index);
}

bool QExcel::selectSheet(int index)
{
    if (!checkSheetNumber(index))
        return false;
    SheetData &sheet = m_pWorkBook->sheets[size_t(index - 1)];
    // Reading it now reports a damaged sheet here, where the caller expects failures.
    if (!m_pWorkBook->scan(sheet))
        return fail(m_pWorkBook->reader->errorText());
    m_iCurrentSheet = index - 1;
    return true;
}

bool QExcel::deleteSheet(const QString &name)
{
    const int index = sheetNumber(name);
    return index > 0 && deleteSheet(index);
}

bool QExcel::deleteSheet(int index)
{
    if (!checkSheetNumber(index))
        return false;
    if (sheetCount() == 1)
        return fail(QStringLiteral("a workbook keeps at least one sheet"));
    m_pWorkBook->sheets.erase(m_pWorkBook->sheets.begin() + (index - 1));
    if (m_iCurrentSheet == index - 1)
        m_iCurrentSheet = 0;
    else if (m_iCurrentSheet > index - 1)
        --m_iCurrentSheet;
    return true;
}

bool QExcel::addSheet(const QString &name)
{
    if (!m_bOpened)
        return notOpen();
    QString newName = name;
    for (int n = sheetCount() + 1; newName.isEmpty(); ++n) {
        if (!m_pWorkBook->find(QStringLiteral("Sheet%1").arg(n)))
            newName = QStringLiteral("Sheet%1").arg(n);
    }
    if (!QXlsxMgr::IsValidSheetName(newName))
        return fail(QStringLiteral("[%1] cannot name a sheet").arg(newName));
    if (m_pWorkBook->find(newName))
        return fail(QStringLiteral("there is a sheet [%1] already").arg(newName));
    SheetData sheet;
    sheet.name = newName;
    sheet.loaded = true;
    m_pWorkBook->sheets.push_back(std::move(sheet));
    m_iCurrentSheet = sheetCount() - 1;
    return true;
}

int QExcel::sheetCount() const
{
    return m_bOpened ? int(m_pWorkBook->sheets.size()) : 0;
}

QString QExcel::sheetName(int index) const
{
    return index >= 1 && index <= sheetCount() ? m_pWorkBook->sheets[size_t(index - 1)].name
                                               : QString();
}

QStringList QExcel::sheetNames() const
{
    QStringList names;
    for (int i = 1; i <= sheetCount(); ++i)
        names << sheetName(i);
    return names;
}

bool QExcel::setCellValue(int row, int column, const QString &text, bool asText)
{
    if (!requireSheet())
        return false;
    if (!validPosition(row, column))
        return fail(QStringLiteral("there is no cell [%1,%2]").arg(row).arg(column));
    SheetData &sheet = m_pWorkBook->sheets[size_t(m_iCurrentSheet)];
    if (!m_pWorkBook->load(sheet))
        return fail(m_pWorkBook->reader->errorText());
    StoredCell &cell = sheet.rows[row][column];
    cell.textFormat = cell.textFormat || asText;
    cell.text = text;
    cell.kind = Kind::Text;
    cell.number = 0;
    // A spreadsheet keeps what is typed into a text-formatted cell as text, too.
    const bool keepText = cell.textFormat || sheet.textColumns.count(column) > 0;
    if (!keepText && !text.isEmpty()) {
        if (const auto number = xlsx::plainNumber(text)) {
            cell.kind = Kind::Number;
            cell.number = *number;
        } else if (text.size() >= 10 && text.at(4) == QLatin1Char('-')) {
            if (const auto serial = xlsx::dateTimeTextToSerial(text)) {
                cell.kind = Kind::DateTime;
                cell.number = *serial;
                cell.text = xlsx::serialToDateTimeText(*serial, false);
            }
        }
    }
    if (isEmptyCell(cell)) {
        sheet.rows[row].erase(column);
        if (sheet.rows[row].empty())
            sheet.rows.erase(row);
    }
    return true;
}

bool QExcel::setRangeValue(const QString &range, const QString &text)
{
    const auto area = xlsx::parseArea(range);
    if (!area)
        return fail(QStringLiteral("[%1] is no cell area").arg(range));
    const qint64 cells =
        qint64(area->last.row - area->first.row + 1) * (area->last.column - area->first.column + 1);
    if (cells > MaxAreaCells)
        return fail(QStringLiteral("[%1] holds more than a million cells").arg(range));
    for (int row = area->first.row; row <= area->last.row; ++row) {
        for (int column = area->first.column; column <= area->last.column; ++column) {
            if (!setCellValue(row, column, text, true))
                return false;
        }
    }
    return true;
}

QVariant QExcel::getCellValue(int row, int column)
{
    if (!requireSheet())
        return QVariant();
    SheetData &sheet = m_pWorkBook->sheets[size_t(m_iCurrentSheet)];
    if (!m_pWorkBook->load(sheet)) {
        fail(m_pWorkBook->reader->errorText());
        return QVariant();
    }
    const auto foundRow = sheet.rows.find(row);
    if (foundRow == sheet.rows.end())
        return QVariant();
    const auto cell = foundRow->second.find(column);
    if (cell == foundRow->second.end() || cell->second.text.isEmpty())
        return QVariant();
    return cell->second.text;
}

bool QExcel::clearRange(const QString &range)
{
    if (!requireSheet())
        return false;
    const auto area = xlsx::parseArea(range);
    if (!area)
        return fail(QStringLiteral("[%1] is no cell area").arg(range));
    SheetData &sheet = m_pWorkBook->sheets[size_t(m_iCurrentSheet)];
    if (!m_pWorkBook->load(sheet))
        return fail(m_pWorkBook->reader->errorText());
    auto row = sheet.rows.lower_bound(area->first.row);
    while (row != sheet.rows.end() && row->first <= area->last.row) {
        Row &cells = row->second;
        auto cell = cells.lower_bound(area->first.column);
        while (cell != cells.end() && cell->first <= area->last.column) {
            StoredCell &stored = cell->second;
            stored = StoredCell{Kind::Text, QString(), 0, stored.textFormat, {}, {}, {}};
            cell = isEmptyCell(stored) ? cells.erase(cell) : std::next(cell);
        }
        row = cells.empty() ? sheet.rows.erase(row) : std::next(row);
    }
    return true;
}

void QExcel::usedRange(int &rows, int &columns)
{
    rows = columns = 0;
    if (!requireSheet())
        return;
    SheetData &sheet = m_pWorkBook->sheets[size_t(m_iCurrentSheet)];
    if (sheet.loaded) {
        Workbook::usedRange(sheet, rows, columns);
    } else if (m_pWorkBook->scan(sheet)) {
        rows = sheet.usedRows;
        columns = sheet.usedColumns;
    } else {
        fail(m_pWorkBook->reader->errorText());
    }
}

int QExcel::lastUsedRow()
{
    int rows = 0, columns = 0;
    usedRange(rows, columns);
    return rows;
}

int QExcel::lastUsedColumn()
{
    int rows = 0, columns = 0;
    usedRange(rows, columns);
    return columns;
}

bool QExcel::addHyperlink(int row, int column, const QString &address, const QString &subAddress,
                          const QString &screenTip, const QString &textToDisplay)
{
    if (!requireSheet())
        return false;
    if (!validPosition(row, column))
        return fail(QStringLiteral("there is no cell [%1,%2]").arg(row).arg(column));
    if (address.isEmpty() && subAddress.isEmpty())
        return fail(QStringLiteral("a link needs an address"));
    SheetData &sheet = m_pWorkBook->sheets[size_t(m_iCurrentSheet)];
    if (!m_pWorkBook->load(sheet))
        return fail(m_pWorkBook->reader->errorText());
    StoredCell &cell = sheet.rows[row][column];
    cell.linkAddress = address;
    cell.linkSubAddress = subAddress;
    cell.linkTip = screenTip;
    if (!textToDisplay.isEmpty() || cell.text.isEmpty()) {
        cell.kind = Kind::Text;
        cell.number = 0;
        cell.text = !textToDisplay.isEmpty() ? textToDisplay
                    : !address.isEmpty()     ? address
                                             : subAddress;
    }
    return true;
}

bool QExcel::setColumnsTextFormat(int firstColumn, int lastColumn)
{
    if (!requireSheet())
        return false;
    if (!validPosition(1, firstColumn) || !validPosition(1, lastColumn) || firstColumn > lastColumn)
        return fail(
            QStringLiteral("there are no columns [%1-%2]").arg(firstColumn).arg(lastColumn));
    SheetData &sheet = m_pWorkBook->sheets[size_t(m_iCurrentSheet)];
    for (int column = firstColumn; column <= lastColumn; ++column)
        sheet.textColumns.insert(column);
    return true;
}

bool QExcel::forEachRow(const std::function<bool(int row, const QStringList &texts)> &visit)
{
    if (!requireSheet())
        return false;
    const SheetData &sheet = m_pWorkBook->sheets[size_t(m_iCurrentSheet)];
    if (sheet.loaded) {
        for (const auto &row : sheet.rows) {
            const QStringList texts = rowTexts(row.second);
            if (!texts.isEmpty() && !visit(row.first, texts))
                break;
        }
        return true;
    }
    QStringList texts;
    const bool read = m_pWorkBook->reader->readSheet(
        sheet.fileIndex, [&](int row, const std::vector<CXlsxReader::Cell> &cells) {
            texts.clear();
            for (const CXlsxReader::Cell &cell : cells) {
                while (texts.size() < cell.column - 1)
                    texts.append(QString());
                if (texts.size() == cell.column - 1)
                    texts.append(cell.text);
                else
                    texts[cell.column - 1] = cell.text;
            }
            return visit(row, texts);
        });
    return read || fail(m_pWorkBook->reader->errorText());
}

bool QExcel::save()
{
    if (!m_bOpened)
        return notOpen();
    if (!writeFile()) {
        LOG_ERROR("Failed to save workbook [%s]: %s.", qUtf8Printable(m_strPath),
                  qUtf8Printable(m_strError));
        return false;
    }
    return true;
}

void QExcel::close()
{
    m_pWorkBook.reset();
    m_bOpened = false;
    m_iCurrentSheet = -1;
}

} // namespace visitorclient

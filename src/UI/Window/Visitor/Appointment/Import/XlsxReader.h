#pragma once
// Streaming reader of .xlsx workbooks: the sheet list, then one sheet at a time, row by
// row, with every cell's value as the text a spreadsheet's value would give (dates as
// "yyyy-MM-ddTHH:mm:ss"). Nothing of a sheet is kept after its rows were handed out.

#include "XlsxPackage.h"

#include <QString>
#include <QVector>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace visitorclient {

class CXlsxReader
{
public:
    enum class CellKind { Text, Number, Boolean, DateTime };
    struct Cell
    {
        int column = 0; // 1-based
        CellKind kind = CellKind::Text;
        QString text;            // never empty: cells without a value are left out
        double number = 0;       // Number, Boolean (0 or 1), DateTime (serial day number)
        bool textFormat = false; // the cell's number format is text ("@")
    };
    /// Gets the 1-based row number and the row's cells by column; returns false to stop.
    using RowVisitor = std::function<bool(int row, const std::vector<Cell> &cells)>;

    explicit CXlsxReader(std::unique_ptr<IXlsxPackage> package);
    ~CXlsxReader();
    CXlsxReader(const CXlsxReader &) = delete;
    CXlsxReader &operator=(const CXlsxReader &) = delete;

    /// Reads the workbook, its relationships, shared strings and styles. False with
    /// errorText set otherwise.
    bool open();
    /// Whether the workbook has worksheets and each has its part; errorText says which
    /// is missing otherwise.
    bool checkSheets();
    QString errorText() const { return m_error; }

    int sheetCount() const { return int(m_sheets.size()); }
    /// 0-based; empty when out of range.
    QString sheetName(int index) const;
    bool date1904() const { return m_date1904; }

    /// Streams the rows of sheet index (0-based) that hold values, in file order.
    /// False with errorText set when the sheet is damaged (rows before the damage were
    /// already handed out).
    bool readSheet(int index, const RowVisitor &visit);

private:
    struct Sheet
    {
        QString name;
        std::string part;
    };
    struct Relationship
    {
        std::string id;
        std::string type; // the last segment of the type URI: "worksheet", "styles", ...
        std::string target;
    };

    bool fail(const QString &reason);
    bool readRelationships(const std::string &part, const std::string &baseFolder,
                           std::vector<Relationship> &relationships);
    bool readWorkbook(const std::string &part,
                      std::vector<std::pair<QString, std::string>> &sheets);
    bool readSharedStrings(const std::string &part);
    bool readStyles(const std::string &part);

    std::unique_ptr<IXlsxPackage> m_package;
    std::vector<Sheet> m_sheets;
    QVector<QString> m_sharedStrings;
    bool m_hasSharedStrings = false;
    std::vector<char> m_dateStyles; // by cell format (cellXfs) index
    std::vector<char> m_textStyles;
    bool m_date1904 = false;
    QString m_error;
};

} // namespace visitorclient

#pragma once
// Conversions between the stored form of .xlsx cells and the texts the workbook wrapper
// hands out: cell references, serial dates, numbers, date formats and escaped text.

#include <QString>

#include <optional>

namespace visitorclient {
namespace xlsx {

constexpr int MaxRows = 1048576;
constexpr int MaxColumns = 16384;

/// A cell position, 1-based.
struct CellPosition
{
    int row = 0;
    int column = 0;
};

/// An area of cells, 1-based and inclusive.
struct CellArea
{
    CellPosition first;
    CellPosition last;
};

/// "A1" -> row 1, column 1; "$B$2" as "B2". Empty for anything else or beyond the sheet.
std::optional<CellPosition> parseCellReference(const QString &reference);
/// Faster form for references read from a sheet (no "$" accepted).
std::optional<CellPosition> parseCellReference(const char *reference);
/// Column letters of a 1-based column: 1 -> "A", 28 -> "AB".
QString columnName(int column);
/// "A1", "A1:C3" (corners in any order), "B:D" (whole columns), "2:5" (whole rows).
std::optional<CellArea> parseArea(const QString &area);

/// The serial day number of a date cell as "yyyy-MM-ddTHH:mm:ss", rounded to whole
/// seconds. Serial 60 of the 1900 system is shown as the day spreadsheets show,
/// "1900-02-29", which no calendar has. Empty when the number is no date (negative or
/// after 9999-12-31).
QString serialToDateTimeText(double serial, bool date1904);
/// "yyyy-MM-dd", "yyyy-MM-ddTHH:mm[:ss[.fff]]" (also with a space instead of "T" and a
/// zone suffix, which is dropped) or a time of day "HH:mm[:ss]" as a serial day number
/// of the 1900 system; empty for other texts and for dates before 1900.
std::optional<double> dateTimeTextToSerial(const QString &text);
/// The same texts as dateTimeTextToSerial, normalised to "yyyy-MM-ddTHH:mm:ss"; empty
/// when the text is not such a date.
QString normaliseDateTimeText(const QString &text);

/// A number as a spreadsheet's value text: integers below 10^15 in full, anything else
/// with 15 significant digits ("1.10101199003071e+17", "0.1").
QString numberText(double value);
/// A text that holds a plain decimal number which numberText gives back unchanged.
std::optional<double> plainNumber(const QString &text);

/// Whether a number format shows numbers as dates or times: built-in ids 14-22, 45-47
/// and the East Asian 27-36, 50-58, or a format code with date or time parts (text in
/// quotes, escaped characters and [...] sections other than [h], [m], [s] aside).
/// A code, when the workbook gives one, decides over the built-in id.
bool isDateFormat(int formatId, const QString &formatCode = QString());
/// Whether a number format keeps cells as text ("@", id 49).
bool isTextFormat(int formatId, const QString &formatCode = QString());

/// Resolves the "_xHHHH_" escapes that stored texts use for characters XML cannot hold.
QString decodeEscapes(const QString &text);

} // namespace xlsx
} // namespace visitorclient

#include "XlsxValues.h"

#include <QDate>
#include <QStringList>

#include <cmath>

namespace visitorclient {
namespace xlsx {

namespace {

constexpr qint64 SecondsPerDay = 86400;
// Day 0 of serial numbers: 1899-12-30 for dates from 1900-03-01 on (the 1900 system
// counts a 1900-02-29 that never was) and for times of day; 1904-01-01 in the 1904 system.
const QDate &epoch1900()
{
    static const QDate date(1899, 12, 30);
    return date;
}
const QDate &epoch1904()
{
    static const QDate date(1904, 1, 1);
    return date;
}
constexpr qint64 LeapBugSerial = 60;

bool isLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Letters of a column reference; 0 when there are none or too many.
int parseColumnLetters(const char *&p)
{
    int column = 0;
    int letters = 0;
    while (isLetter(*p)) {
        if (++letters > 3)
            return 0;
        column = column * 26 + ((*p | 0x20) - 'a' + 1);
        ++p;
    }
    return column <= MaxColumns ? column : 0;
}

int parseRowDigits(const char *&p)
{
    if (!isDigit(*p) || *p == '0')
        return 0;
    qint64 row = 0;
    while (isDigit(*p)) {
        row = row * 10 + (*p - '0');
        if (row > MaxRows)
            return 0;
        ++p;
    }
    return int(row);
}

int hexValue(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if ((u | 0x20) >= 'a' && (u | 0x20) <= 'f')
        return (u | 0x20) - 'a' + 10;
    return -1;
}

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

QString dateTimeText(const QDate &date, qint64 seconds)
{
    return date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('T') +
           twoDigits(int(seconds / 3600)) + QLatin1Char(':') + twoDigits(int(seconds / 60 % 60)) +
           QLatin1Char(':') + twoDigits(int(seconds % 60));
}

// Reads exactly count digits at text[pos].
bool readDigits(const QString &text, int &pos, int count, int &value)
{
    if (pos + count > text.size())
        return false;
    value = 0;
    for (int i = 0; i < count; ++i) {
        const QChar c = text.at(pos + i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        value = value * 10 + c.digitValue();
    }
    pos += count;
    return true;
}

bool readChar(const QString &text, int &pos, QLatin1Char expected)
{
    if (pos >= text.size() || text.at(pos) != expected)
        return false;
    ++pos;
    return true;
}

// "HH:mm[:ss[.fff]]" into seconds of the day (with their fraction).
bool readTime(const QString &text, int &pos, double &seconds)
{
    int hour = 0, minute = 0, second = 0;
    if (!readDigits(text, pos, 2, hour) || !readChar(text, pos, QLatin1Char(':')) ||
        !readDigits(text, pos, 2, minute))
        return false;
    double fraction = 0;
    if (readChar(text, pos, QLatin1Char(':'))) {
        if (!readDigits(text, pos, 2, second))
            return false;
        if (readChar(text, pos, QLatin1Char('.'))) {
            double scale = 0.1;
            const int start = pos;
            while (pos < text.size() && text.at(pos).isDigit() && text.at(pos).unicode() < 128) {
                fraction += scale * text.at(pos).digitValue();
                scale /= 10;
                ++pos;
            }
            if (pos == start)
                return false;
        }
    }
    if (hour > 23 || minute > 59 || second > 59)
        return false;
    seconds = hour * 3600 + minute * 60 + second + fraction;
    return true;
}

// A zone suffix ("Z", "+08:00", "-0500"): accepted and dropped, spreadsheets have no zones.
bool readZone(const QString &text, int &pos)
{
    if (pos == text.size())
        return true;
    if (readChar(text, pos, QLatin1Char('Z')))
        return pos == text.size();
    if (!readChar(text, pos, QLatin1Char('+')) && !readChar(text, pos, QLatin1Char('-')))
        return false;
    int hours = 0, minutes = 0;
    if (!readDigits(text, pos, 2, hours))
        return false;
    readChar(text, pos, QLatin1Char(':'));
    if (pos < text.size() && !readDigits(text, pos, 2, minutes))
        return false;
    return pos == text.size() && hours < 24 && minutes < 60;
}

// The first section of a format code without its literal parts, lower case; empty
// brackets stand for the elapsed-time sections [h], [mm], [ss].
QString formatTokens(const QString &code)
{
    QString tokens;
    for (int i = 0; i < code.size(); ++i) {
        const QChar c = code.at(i);
        if (c == QLatin1Char(';'))
            break;
        if (c == QLatin1Char('"')) {
            const int end = code.indexOf(QLatin1Char('"'), i + 1);
            if (end < 0)
                break;
            i = end;
        } else if (c == QLatin1Char('\\') || c == QLatin1Char('_') || c == QLatin1Char('*')) {
            ++i;
        } else if (c == QLatin1Char('[')) {
            const int end = code.indexOf(QLatin1Char(']'), i + 1);
            if (end < 0)
                break;
            const QString inner = code.mid(i + 1, end - i - 1).toLower();
            const bool elapsed =
                !inner.isEmpty() && (inner.count(QLatin1Char('h')) == inner.size() ||
                                     inner.count(QLatin1Char('m')) == inner.size() ||
                                     inner.count(QLatin1Char('s')) == inner.size());
            if (elapsed)
                tokens += QLatin1Char('h');
            i = end;
        } else {
            tokens += c.toLower();
        }
    }
    return tokens;
}

} // namespace

std::optional<CellPosition> parseCellReference(const char *reference)
{
    if (!reference)
        return std::nullopt;
    const char *p = reference;
    const int column = parseColumnLetters(p);
    const int row = column ? parseRowDigits(p) : 0;
    if (!row || *p)
        return std::nullopt;
    return CellPosition{row, column};
}

std::optional<CellPosition> parseCellReference(const QString &reference)
{
    QString plain = reference.trimmed();
    if (plain.startsWith(QLatin1Char('$')))
        plain.remove(0, 1);
    const int dollar = plain.indexOf(QLatin1Char('$'));
    if (dollar > 0 && dollar < plain.size() - 1 && plain.at(dollar - 1).isLetter() &&
        plain.at(dollar + 1).isDigit())
        plain.remove(dollar, 1);
    const QByteArray latin = plain.toLatin1();
    if (latin.size() != plain.size())
        return std::nullopt;
    return parseCellReference(latin.constData());
}

QString columnName(int column)
{
    QString name;
    while (column > 0) {
        const int rest = (column - 1) % 26;
        name.prepend(QChar('A' + rest));
        column = (column - 1) / 26;
    }
    return name;
}

std::optional<CellArea> parseArea(const QString &area)
{
    enum Kind { Cell, Columns, Rows };
    const QStringList corners = area.trimmed().remove(QLatin1Char('$')).split(QLatin1Char(':'));
    if (corners.size() > 2)
        return std::nullopt;
    CellPosition ends[2];
    Kind kinds[2] = {Cell, Cell};
    for (int i = 0; i < corners.size(); ++i) {
        const QByteArray latin = corners.at(i).toLatin1();
        const char *p = latin.constData();
        if (const auto cell = parseCellReference(p)) {
            ends[i] = *cell;
            continue;
        }
        if (isLetter(*p)) {
            ends[i] = CellPosition{1, parseColumnLetters(p)};
            kinds[i] = Columns;
        } else {
            ends[i] = CellPosition{parseRowDigits(p), 1};
            kinds[i] = Rows;
        }
        if (!ends[i].row || !ends[i].column || *p)
            return std::nullopt;
    }
    if (corners.size() == 1) {
        if (kinds[0] != Cell)
            return std::nullopt;
        ends[1] = ends[0];
        kinds[1] = Cell;
    }
    if (kinds[0] != kinds[1])
        return std::nullopt;
    CellArea result{{qMin(ends[0].row, ends[1].row), qMin(ends[0].column, ends[1].column)},
                    {qMax(ends[0].row, ends[1].row), qMax(ends[0].column, ends[1].column)}};
    if (kinds[0] == Columns)
        result.last.row = MaxRows;
    if (kinds[0] == Rows)
        result.last.column = MaxColumns;
    return result;
}

QString serialToDateTimeText(double serial, bool date1904)
{
    if (!(serial >= 0) || serial > 3e6)
        return {};
    const qint64 total = std::llround(serial * SecondsPerDay);
    const qint64 days = total / SecondsPerDay;
    const qint64 seconds = total % SecondsPerDay;
    QDate date;
    if (date1904) {
        date = epoch1904().addDays(days);
    } else if (days == LeapBugSerial) {
        return dateTimeText(QDate(1900, 2, 28), seconds).replace(8, 2, QStringLiteral("29"));
    } else {
        // Before the day that never was, serial 1 is 1900-01-01; day 0 holds times of day.
        date = epoch1900().addDays(days < LeapBugSerial && days > 0 ? days + 1 : days);
    }
    if (!date.isValid() || date.year() > 9999)
        return {};
    return dateTimeText(date, seconds);
}

std::optional<double> dateTimeTextToSerial(const QString &input)
{
    const QString text = input.trimmed();
    int pos = 0;
    double seconds = 0;
    qint64 days = 0;
    int year = 0, month = 0, day = 0;
    if (readDigits(text, pos, 4, year) && readChar(text, pos, QLatin1Char('-'))) {
        if (!readDigits(text, pos, 2, month) || !readChar(text, pos, QLatin1Char('-')) ||
            !readDigits(text, pos, 2, day))
            return std::nullopt;
        const QDate date(year, month, day);
        if (!date.isValid() || year < 1900)
            return std::nullopt;
        days = epoch1900().daysTo(date);
        if (days <= LeapBugSerial)
            --days;
        if (pos < text.size()) {
            if (!readChar(text, pos, QLatin1Char('T')) && !readChar(text, pos, QLatin1Char(' ')))
                return std::nullopt;
            if (!readTime(text, pos, seconds))
                return std::nullopt;
        }
    } else {
        pos = 0;
        if (!readTime(text, pos, seconds))
            return std::nullopt;
    }
    if (!readZone(text, pos))
        return std::nullopt;
    return double(days) + seconds / SecondsPerDay;
}

QString normaliseDateTimeText(const QString &text)
{
    const std::optional<double> serial = dateTimeTextToSerial(text);
    return serial ? serialToDateTimeText(*serial, false) : QString();
}

QString numberText(double value)
{
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(qint64(value));
    return QString::number(value, 'g', 15);
}

std::optional<double> plainNumber(const QString &text)
{
    if (text.isEmpty() || text.size() > 32)
        return std::nullopt;
    int dots = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('.'))
            ++dots;
        else if (!(c >= QLatin1Char('0') && c <= QLatin1Char('9')) &&
                 !(i == 0 && c == QLatin1Char('-')))
            return std::nullopt;
    }
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || dots > 1 || numberText(value) != text)
        return std::nullopt;
    return value;
}

bool isDateFormat(int formatId, const QString &formatCode)
{
    if (formatCode.isEmpty()) {
        return (formatId >= 14 && formatId <= 22) || (formatId >= 45 && formatId <= 47) ||
               (formatId >= 27 && formatId <= 36) || (formatId >= 50 && formatId <= 58);
    }
    const QString tokens = formatTokens(formatCode);
    if (tokens == QLatin1String("general"))
        return false;
    for (const QChar c : tokens) {
        if (c == QLatin1Char('d') || c == QLatin1Char('m') || c == QLatin1Char('y') ||
            c == QLatin1Char('h') || c == QLatin1Char('s'))
            return true;
    }
    return false;
}

bool isTextFormat(int formatId, const QString &formatCode)
{
    return formatCode.isEmpty() ? formatId == 49 : formatCode == QLatin1String("@");
}

QString decodeEscapes(const QString &text)
{
    if (!text.contains(QLatin1String("_x")))
        return text;
    QString result;
    result.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('_') && i + 6 < text.size() &&
            text.at(i + 1) == QLatin1Char('x') && text.at(i + 6) == QLatin1Char('_')) {
            ushort code = 0;
            int digits = 0;
            for (; digits < 4; ++digits) {
                const int value = hexValue(text.at(i + 2 + digits));
                if (value < 0)
                    break;
                code = ushort(code * 16 + value);
            }
            if (digits == 4) {
                result += QChar(code);
                i += 6;
                continue;
            }
        }
        result += text.at(i);
    }
    return result;
}

} // namespace xlsx
} // namespace visitorclient

// The conversions between stored cell values and texts: which number formats are dates,
// serial days around the 1900 and 1904 quirks, ISO texts, number texts, references.

#include "XlsxValues.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace visitorclient::xlsx;

TEST(XlsxValues, DateFormatsByIdAndCode)
{
    struct Case
    {
        int id;
        const char *code;
        bool date;
    };
    const Case cases[] = {
        {14, "", true},
        {22, "", true},
        {45, "", true},
        {0, "", false},
        {49, "", false},
        {31, "", true},
        {57, "", true},
        {37, "", false},
        {164, "General", false},
        {164, "yyyy\\-mm\\-dd", true},
        {165, "0.00E+00", false},
        {166, "[Red]0.00;[Blue]-0.00", false},
        {167, "\"Day\" 0", false},
        {168, "[h]:mm:ss", true},
        {169, "[$-804]yyyy\"年\"m\"月\"d\"日\"", true},
        {170, "#,##0_);[Red](#,##0)", false},
        {171, "\\d0", false},
        {172, "mm/dd/yy\\ hh:mm\\ AM/PM", true},
        {173, "0;yyyy", false},
        // A code given for a built-in id decides.
        {14, "0.00", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(isDateFormat(c.id, QString::fromUtf8(c.code)), c.date) << c.id << " " << c.code;
    EXPECT_TRUE(isTextFormat(49));
    EXPECT_TRUE(isTextFormat(165, QStringLiteral("@")));
    EXPECT_FALSE(isTextFormat(0));
}

TEST(XlsxValues, SerialDays)
{
    struct Case
    {
        double serial;
        bool date1904;
        const char *text;
    };
    const Case cases[] = {
        {46361, false, "2026-12-05T00:00:00"},
        {46361.3958333333, false, "2026-12-05T09:30:00"}, // rounded to the second
        {46361.99999999, false, "2026-12-06T00:00:00"},   // rounding carries into the day
        {1, false, "1900-01-01T00:00:00"},
        {59, false, "1900-02-28T00:00:00"},
        {60.5, false, "1900-02-29T12:00:00"}, // the day that never was
        {61, false, "1900-03-01T00:00:00"},
        {0.75, false, "1899-12-30T18:00:00"}, // a time of day
        {2958465, false, "9999-12-31T00:00:00"},
        {0, true, "1904-01-01T00:00:00"},
        {44899, true, "2026-12-05T00:00:00"},
        {-1, false, ""},
        {2958466, false, ""},
        {NAN, false, ""},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(serialToDateTimeText(c.serial, c.date1904), QString::fromLatin1(c.text))
            << c.serial;
    }
}

TEST(XlsxValues, DateTimeTexts)
{
    struct Case
    {
        const char *text;
        const char *normalised; // empty: no date
    };
    const Case cases[] = {
        {"2026-12-05", "2026-12-05T00:00:00"},
        {"2026-12-05T09:30", "2026-12-05T09:30:00"},
        {"2026-12-05 09:30:00", "2026-12-05T09:30:00"},
        {"2026-12-05T09:30:59.6Z", "2026-12-05T09:31:00"},
        {"2026-12-05T09:30:00+08:00", "2026-12-05T09:30:00"},
        {"1900-01-01", "1900-01-01T00:00:00"},
        {"1900-02-28", "1900-02-28T00:00:00"},
        {"1900-03-01", "1900-03-01T00:00:00"},
        {"09:30:00", "1899-12-30T09:30:00"},
        {"2026-13-01", ""},
        {"2026-02-30", ""},
        {"1899-12-31", ""},
        {"2026/12/05", ""},
        {"12:60", ""},
        {"2026-12-05T", ""},
        {"2026-12-05x", ""},
        {"", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(normaliseDateTimeText(QString::fromLatin1(c.text)),
                  QString::fromLatin1(c.normalised))
            << c.text;
    // Reading a serial written from a text gives the text back.
    EXPECT_EQ(*dateTimeTextToSerial(QStringLiteral("1900-03-01")), 61);
    EXPECT_EQ(*dateTimeTextToSerial(QStringLiteral("1900-02-28")), 59);
}

TEST(XlsxValues, NumbersKeepTheirDigits)
{
    EXPECT_EQ(numberText(13800138000), QStringLiteral("13800138000"));
    EXPECT_EQ(numberText(123456789012345), QStringLiteral("123456789012345"));
    EXPECT_EQ(numberText(1.5), QStringLiteral("1.5"));
    EXPECT_EQ(numberText(0.1 + 0.2), QStringLiteral("0.3"));
    EXPECT_EQ(numberText(-0.0), QStringLiteral("0"));
    // An 18-digit number stored as a number has lost digits already: show that, do not
    // invent a plausible identity number.
    EXPECT_EQ(numberText(110101199003071234.0), QStringLiteral("1.10101199003071e+17"));

    EXPECT_EQ(plainNumber(QStringLiteral("42")), 42);
    EXPECT_EQ(plainNumber(QStringLiteral("-1.5")), -1.5);
    for (const char *text :
         {"0012", "110101199003071234", "1e5", "1.50", "", "-", ".", "1.2.3", " 1", "+1", "inf"})
        EXPECT_FALSE(plainNumber(QString::fromLatin1(text))) << text;
}

TEST(XlsxValues, References)
{
    EXPECT_EQ(parseCellReference("A1")->column, 1);
    EXPECT_EQ(parseCellReference("XFD1048576")->row, MaxRows);
    EXPECT_EQ(parseCellReference("XFD1048576")->column, MaxColumns);
    EXPECT_EQ(parseCellReference(QStringLiteral("$AB$12"))->column, 28);
    for (const char *bad : {"XFE1", "A1048577", "A0", "1A", "A", "AAAA1", "A1 ", "", "A01"})
        EXPECT_FALSE(parseCellReference(bad)) << bad;
    for (int column : {1, 26, 27, 52, 703, 16384})
        EXPECT_EQ(parseCellReference(columnName(column) + QStringLiteral("1"))->column, column);

    const auto area = parseArea(QStringLiteral("C3:A1"));
    ASSERT_TRUE(area);
    EXPECT_EQ(area->first.row, 1);
    EXPECT_EQ(area->last.column, 3);
    EXPECT_EQ(parseArea(QStringLiteral("B:D"))->last.row, MaxRows);
    EXPECT_EQ(parseArea(QStringLiteral("2:4"))->last.column, MaxColumns);
    for (const char *bad : {"A1:B", "A:2", "", "A1:B2:C3", "B", "7"})
        EXPECT_FALSE(parseArea(QString::fromLatin1(bad))) << bad;
}

TEST(XlsxValues, EscapedCharacters)
{
    EXPECT_EQ(decodeEscapes(QStringLiteral("a_x000D_b")), QStringLiteral("a\rb"));
    EXPECT_EQ(decodeEscapes(QStringLiteral("_x005F_x0041_")), QStringLiteral("_x0041_"));
    EXPECT_EQ(decodeEscapes(QStringLiteral("_x00zz_ _x0041")), QStringLiteral("_x00zz_ _x0041"));
}

} // namespace

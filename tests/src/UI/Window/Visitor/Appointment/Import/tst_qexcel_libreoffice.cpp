// LibreOffice against the workbook wrapper: a workbook LibreOffice makes from CSV reads
// like the template, and the workbook the wrapper writes opens in LibreOffice with the
// same cells. Skipped when LibreOffice is not installed (the checked-in LibreOffice
// workbook is read by tst_qexcel either way).

#include "QExcel.h"
#include "XlsxTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using visitorclient::QExcel;
using namespace xlsxtest;

class LibreOfficeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!libreOfficeAvailable())
            GTEST_SKIP() << "LibreOffice (libreoffice-calc-nogui) is not installed";
        ASSERT_TRUE(m_dir.isValid());
    }
    QTemporaryDir m_dir;
};

TEST_F(LibreOfficeTest, ConvertedCsvReadsLikeTheTemplate)
{
    ASSERT_TRUE(makeFixture(m_dir.path(), QStringLiteral("libreoffice")));
    QExcel excel(m_dir.filePath(QStringLiteral("libreoffice_template.xlsx")));
    ASSERT_TRUE(excel.isOpened()) << excel.errorText().toStdString();
    ASSERT_TRUE(excel.selectSheet(1));
    EXPECT_EQ(excel.lastUsedColumn(), 15);
    EXPECT_EQ(streamedRows(excel), templateRows()) << describe(streamedRows(excel)).toStdString();
}

TEST_F(LibreOfficeTest, WrittenWorkbookOpensInLibreOffice)
{
    const QString file = m_dir.filePath(QStringLiteral("written.xlsx"));
    Rows expected = templateRows();
    {
        QExcel excel(file);
        ASSERT_TRUE(excel.isOpened());
        for (const auto &row : expected) {
            for (int column = 1; column <= row.second.size(); ++column) {
                const bool value = row.first > 10 && (column == 2 || column == 4 || column == 5);
                excel.setCellValue(row.first, column, row.second.at(column - 1), !value);
            }
        }
        ASSERT_TRUE(excel.save());
    }
    const Rows shown = libreOfficeRows(file, m_dir.path());
    ASSERT_FALSE(shown.empty()) << "LibreOffice did not open the workbook";

    // LibreOffice shows the date cells in their formats.
    for (auto &row : expected) {
        for (int column = 3; row.first > 10 && column <= 4 && column < row.second.size();
             ++column) {
            QString &date = row.second[column];
            date = date.endsWith(QStringLiteral("T00:00:00"))
                       ? date.left(10)
                       : date.replace(QLatin1Char('T'), QLatin1Char(' '));
        }
    }
    EXPECT_EQ(shown, expected) << describe(shown).toStdString();
}

} // namespace

// LibreOffice against the import: a workbook LibreOffice makes from the CSV template
// imports like openpyxl's, and the downloaded template opens in LibreOffice with its
// rules and headers. Skipped when LibreOffice is not installed.

#include "ImportRules.h"
#include "XlsxTestSupport.h"

#include <JSONStruct/personnel/TotalData.h>

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace visitorclient;
using namespace visitorclient::ImportRules;

class LibreOfficeImportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!xlsxtest::libreOfficeAvailable())
            GTEST_SKIP() << "LibreOffice (libreoffice-calc-nogui) is not installed";
        ASSERT_TRUE(m_dir.isValid());
    }

    static BasicSettingData settings()
    {
        BasicSettingData data = BasicSettings::defaultSettings();
        data.vecPhone = BasicSettings::fieldSetting(true, false, false);
        data.vecVisitReasons = {{QStringLiteral("r1"), QStringLiteral("商务洽谈")},
                                {QStringLiteral("r2"), QStringLiteral("面试")}};
        return data;
    }

    // Everyone the CSV template names is found in the organisation it gives.
    static RowContext context()
    {
        RowContext c;
        c.settings = settings();
        c.visitReasons = visitReasonMap(c.settings);
        c.findPersons = [](const QString &name, protocol::personnelcommon::TotalData &answer) {
            const QMap<QString, QString> paths = {
                {QStringLiteral("李四"), QStringLiteral("总部/安保部")},
                {QStringLiteral("王五"), QStringLiteral("总部/人事部")}};
            protocol::personnelcommon::PersonnelResp person;
            person.basic.name = name.toStdString();
            person.basic.guid = "guid-" + name.toStdString();
            person.personnelOrgInfo.path = paths.value(name).toStdString();
            answer.personnelResponse.push_back(person);
            return true;
        };
        return c;
    }

    QTemporaryDir m_dir;
};

TEST_F(LibreOfficeImportTest, ConvertedCsvImportsLikeOpenpyxlsWorkbook)
{
    ASSERT_TRUE(xlsxtest::makeFixture(m_dir.path(), QStringLiteral("libreoffice")));
    const ImportResult converted =
        importFile(m_dir.filePath(QStringLiteral("libreoffice_template.xlsx")), 100, context());
    const ImportResult reference =
        importFile(xlsxtest::dataPath(QStringLiteral("openpyxl_serial.xlsx")), 100, context());
    ASSERT_EQ(converted.status, FileStatus::Read);
    EXPECT_TRUE(converted.errors.isEmpty());
    EXPECT_EQ(converted.batch.size(), 3);
    EXPECT_TRUE(converted.batch == reference.batch);
}

TEST_F(LibreOfficeImportTest, TheTemplateOpensInLibreOffice)
{
    const QString path = m_dir.filePath(QStringLiteral("template.xlsx"));
    QString error;
    ASSERT_TRUE(writeTemplate(path, settings(), &error)) << error.toStdString();
    const xlsxtest::Rows shown = xlsxtest::libreOfficeRows(path, m_dir.path());
    ASSERT_FALSE(shown.empty()) << "LibreOffice did not open the template";
    xlsxtest::Rows expected;
    const QStringList lines = rulesLines();
    for (int i = 0; i < lines.size(); ++i)
        expected[i + 1] = QStringList{lines.at(i)};
    expected[kHeaderRow] = headers(settings());
    EXPECT_EQ(shown, expected) << xlsxtest::describe(shown).toStdString();
}

} // namespace

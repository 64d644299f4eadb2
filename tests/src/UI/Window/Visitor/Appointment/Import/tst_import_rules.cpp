// The import's decisions without a server: the cell checks of a row and their codes,
// the template's texts, and whole workbooks (other producers' files, files that are no
// template, damaged files, the allowance) read into a batch with a stand-in receptionist
// search.

#include "ImportRules.h"
#include "ImportTestSupport.h"
#include "QExcel.h"
#include "XlsxTestSupport.h"

#include <JSONStruct/personnel/TotalData.h>

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace visitorclient;
using namespace visitorclient::ImportRules;
using protocol::personnelcommon::TotalData;

struct Person
{
    const char *name;
    const char *guid;
    const char *path;
};

const Person kPersons[] = {
    {"李四", "guid-lisi", "总部/安保部"},
    {"李四", "guid-lisi-2", "总部/人事部"},
    {"李四光", "guid-lisiguang", "总部/研发部"},
    {"王五", "guid-wangwu", "总部/人事部"},
};

// The server's search finds names containing the text.
bool findPersons(const QString &name, TotalData &answer)
{
    for (const Person &p : kPersons) {
        if (!QString::fromUtf8(p.name).contains(name))
            continue;
        protocol::personnelcommon::PersonnelResp person;
        person.basic.name = p.name;
        person.basic.guid = p.guid;
        person.personnelOrgInfo.path = p.path;
        answer.personnelResponse.push_back(person);
    }
    return true;
}

BasicSettingData settings(bool genderRequired = false, bool identityCodeRequired = false)
{
    BasicSettingData data = BasicSettings::defaultSettings();
    data.vecGender = BasicSettings::fieldSetting(true, genderRequired, false);
    data.vecIdentityCode = BasicSettings::fieldSetting(true, identityCodeRequired, false);
    data.vecVisitReasons = {{QStringLiteral("reason-1"), QStringLiteral("商务洽谈")},
                            {QStringLiteral("reason-2"), QStringLiteral("面试")}};
    return data;
}

RowContext context(const BasicSettingData &data = settings())
{
    RowContext c;
    c.settings = data;
    c.visitReasons = visitReasonMap(data);
    c.accessGroupGuid = QStringLiteral("group-1");
    c.accessGroupName = QStringLiteral("Lobby");
    c.findPersons = findPersons;
    return c;
}

// A valid row; tests change single cells.
QStringList validRow()
{
    return {QStringLiteral("张三"),
            QStringLiteral("1"),
            QStringLiteral("013800138000"),
            QStringLiteral("2026-12-05T00:00:00"),
            QStringLiteral("2026-12-05T00:00:00"),
            QStringLiteral("商务洽谈"),
            QStringLiteral("李四"),
            QStringLiteral("总部/安保部"),
            QStringLiteral("0"),
            QStringLiteral("110101199003071234"),
            QStringLiteral("京A12345"),
            QStringLiteral("示例科技"),
            QStringLiteral("笔记本电脑"),
            QStringLiteral("北京市海淀区1号"),
            QStringLiteral("无")};
}

struct Checked
{
    bool valid;
    AppointmentInfoData data;
    QVector<CellError> errors;
};

Checked check(const QStringList &cells, const RowContext &c = context(), int row = 11)
{
    Checked out;
    out.valid = checkRow(row, cells, c, out.data, out.errors);
    return out;
}

QStringList withCell(int column, const QString &text, QStringList cells = validRow())
{
    while (cells.size() < column)
        cells << QString();
    cells[column - 1] = text;
    return cells;
}

// The single error of a row changed in one cell, as (column, code).
std::pair<int, int> onlyError(int column, const QString &text, const RowContext &c = context())
{
    const Checked out = check(withCell(column, text), c);
    if (out.valid || out.errors.size() != 1)
        return {-1, static_cast<int>(out.errors.size())};
    return {out.errors.front().column, out.errors.front().code};
}

TEST(ImportRowChecks, AValidRowFillsEveryField)
{
    const Checked out = check(validRow());
    ASSERT_TRUE(out.valid);
    EXPECT_TRUE(out.errors.isEmpty());
    const AppointmentInfoData &d = out.data;
    EXPECT_EQ(d.strName, QStringLiteral("张三"));
    EXPECT_EQ(d.iGender, 1);
    EXPECT_EQ(d.strPhone, QStringLiteral("013800138000"));
    EXPECT_EQ(d.strVisitTime, QStringLiteral("2026-12-05 00:00:00"));
    EXPECT_EQ(d.strLeaveTime, QStringLiteral("2026-12-05 23:59:59"));
    EXPECT_EQ(d.strVisitReason, QStringLiteral("商务洽谈"));
    EXPECT_EQ(d.strVisitReasonId, QStringLiteral("reason-1"));
    EXPECT_EQ(d.strReceptionistName, QStringLiteral("李四"));
    EXPECT_EQ(d.strReceptionistId, QStringLiteral("guid-lisi"));
    EXPECT_EQ(d.strOrganization, QStringLiteral("总部/安保部"));
    EXPECT_EQ(d.iIdentityType, 0);
    EXPECT_EQ(d.strIdentityCode, QStringLiteral("110101199003071234"));
    EXPECT_EQ(d.strPlateCode, QStringLiteral("京A12345"));
    EXPECT_EQ(d.strCompany, QStringLiteral("示例科技"));
    EXPECT_EQ(d.strBelongings, QStringLiteral("笔记本电脑"));
    EXPECT_EQ(d.strAddress, QStringLiteral("北京市海淀区1号"));
    EXPECT_EQ(d.strRemark, QStringLiteral("无"));
    EXPECT_EQ(d.strAccessGroupGuids, QStringLiteral("group-1"));
    EXPECT_EQ(d.strAccessGroupNames, QStringLiteral("Lobby"));
    EXPECT_EQ(d.iAccompanyingNumber, 0);
}

TEST(ImportRowChecks, EveryColumnIsCheckedAfterAFailure)
{
    QStringList cells = withCell(1, QStringLiteral("a/b"));
    cells = withCell(4, QString(), cells);
    cells = withCell(15, QStringLiteral("x|y"), cells);
    const Checked out = check(cells, context(), 12);
    EXPECT_FALSE(out.valid);
    const QVector<CellError> expected = {
        {12, 1, SpecialSymbol}, {12, 4, EmptyCell}, {12, 15, InvalidText}};
    EXPECT_EQ(out.errors, expected);
}

TEST(ImportRowChecks, NameAndTexts)
{
    EXPECT_EQ(onlyError(1, QStringLiteral("a/b")), std::make_pair(1, int(SpecialSymbol)));
    EXPECT_EQ(onlyError(1, QString()), std::make_pair(1, int(EmptyCell)));
    // 16 Chinese characters are 32 bytes in the local code page, 17 are too many.
    EXPECT_TRUE(check(withCell(1, QString(16, QChar(0x5F20)))).valid);
    EXPECT_EQ(onlyError(1, QString(17, QChar(0x5F20))), std::make_pair(1, int(TooLong)));
    EXPECT_EQ(onlyError(11, QString(33, QLatin1Char('A'))), std::make_pair(11, int(TooLong)));
    EXPECT_EQ(onlyError(13, QString(17, QLatin1Char('x'))), std::make_pair(13, int(TooLong)));
    EXPECT_TRUE(check(withCell(15, QString(128, QLatin1Char('r')))).valid);
    EXPECT_EQ(onlyError(15, QString(129, QLatin1Char('r'))), std::make_pair(15, int(TooLong)));
    EXPECT_EQ(onlyError(14, QStringLiteral("Room <1>")), std::make_pair(14, int(InvalidText)));
    // Optional texts may stay empty; required ones may not.
    EXPECT_TRUE(check(withCell(12, QString())).valid);
    BasicSettingData data = settings();
    data.vecCompany = BasicSettings::fieldSetting(true, true, false);
    EXPECT_EQ(onlyError(12, QString(), context(data)), std::make_pair(12, int(EmptyCell)));
    // Surrounding spaces are no part of a value.
    EXPECT_EQ(check(withCell(1, QStringLiteral("  张三 "))).data.strName, QStringLiteral("张三"));
}

TEST(ImportRowChecks, GenderAndPhone)
{
    const Checked male = check(withCell(2, QString()));
    EXPECT_TRUE(male.valid);
    EXPECT_EQ(male.data.iGender, 1);
    EXPECT_EQ(check(withCell(2, QStringLiteral("2"))).data.iGender, 2);
    EXPECT_EQ(onlyError(2, QString(), context(settings(true))), std::make_pair(2, int(EmptyCell)));
    EXPECT_EQ(onlyError(2, QStringLiteral("3")), std::make_pair(2, int(InvalidGender)));
    EXPECT_EQ(onlyError(2, QStringLiteral("男")), std::make_pair(2, int(InvalidGender)));

    EXPECT_EQ(check(withCell(3, QStringLiteral("010-88886666"))).data.strPhone,
              QStringLiteral("010-88886666"));
    EXPECT_EQ(onlyError(3, QStringLiteral("+86 138")), std::make_pair(3, int(InvalidPhone)));
    EXPECT_EQ(onlyError(3, QStringLiteral("1-2-3")), std::make_pair(3, int(InvalidPhone)));
    EXPECT_EQ(onlyError(3, QString(33, QLatin1Char('1'))), std::make_pair(3, int(TooLong)));
    // The default settings make the phone required.
    EXPECT_EQ(onlyError(3, QString()), std::make_pair(3, int(EmptyCell)));
    BasicSettingData data = settings();
    data.vecPhone = BasicSettings::fieldSetting(true, false, false);
    EXPECT_TRUE(check(withCell(3, QString()), context(data)).valid);
}

TEST(ImportRowChecks, Dates)
{
    // The leave day may be the visit day, not earlier.
    EXPECT_TRUE(check(withCell(5, QStringLiteral("2026-12-05T00:00:00"))).valid);
    EXPECT_EQ(onlyError(5, QStringLiteral("2026-12-04T00:00:00")),
              std::make_pair(5, int(LeaveBeforeVisit)));
    EXPECT_EQ(errorText(LeaveBeforeVisit), QStringLiteral("TimeFormatError"));
    // Typed as the rules say, or as text with a time.
    const Checked typed = check(
        withCell(4, QStringLiteral("2026/12/01"), withCell(5, QStringLiteral("2026-12-02 18:00"))));
    EXPECT_TRUE(typed.valid);
    EXPECT_EQ(typed.data.strVisitTime, QStringLiteral("2026-12-01 00:00:00"));
    EXPECT_EQ(typed.data.strLeaveTime, QStringLiteral("2026-12-02 23:59:59"));
    EXPECT_EQ(onlyError(4, QStringLiteral("2026-1-5")), std::make_pair(4, int(InvalidDate)));
    EXPECT_EQ(onlyError(4, QStringLiteral("2026-13-01")), std::make_pair(4, int(InvalidDate)));
    EXPECT_EQ(onlyError(5, QStringLiteral("tomorrow!!")), std::make_pair(5, int(InvalidDate)));
    EXPECT_EQ(onlyError(5, QString()), std::make_pair(5, int(EmptyCell)));
    // A bad visit day leaves nothing to compare the leave day with.
    const Checked bad = check(
        withCell(4, QStringLiteral("2026-12-3x1"), withCell(5, QStringLiteral("2026-12-01"))));
    EXPECT_EQ(bad.errors, (QVector<CellError>{{11, 4, InvalidDate}}));
}

TEST(ImportRowChecks, VisitReasonAndReceptionist)
{
    EXPECT_EQ(onlyError(6, QStringLiteral("商务")), std::make_pair(6, int(UnknownVisitReason)));
    EXPECT_EQ(onlyError(6, QString()), std::make_pair(6, int(EmptyCell)));

    // Namesakes are told apart by the organisation.
    EXPECT_EQ(check(withCell(8, QStringLiteral("总部/人事部"))).data.strReceptionistId,
              QStringLiteral("guid-lisi-2"));
    // Nobody of that name, the name only as part of another, or not in that organisation.
    EXPECT_EQ(onlyError(7, QStringLiteral("赵六")), std::make_pair(8, int(ReceptionistNotFound)));
    EXPECT_EQ(onlyError(7, QStringLiteral("四光")), std::make_pair(8, int(ReceptionistNotFound)));
    EXPECT_EQ(onlyError(8, QStringLiteral("总部/研发部")),
              std::make_pair(8, int(ReceptionistNotFound)));
    EXPECT_EQ(errorText(ReceptionistNotFound), QStringLiteral("TheReceptionistDoesNLFiajccE"));

    RowContext failing = context();
    failing.findPersons = [](const QString &, TotalData &) { return false; };
    EXPECT_EQ(onlyError(7, QStringLiteral("李四"), failing),
              std::make_pair(7, int(ReceptionistQueryFailed)));
    const Checked bothEmpty = check(withCell(7, QString(), withCell(8, QString())));
    EXPECT_EQ(bothEmpty.errors, (QVector<CellError>{{11, 7, EmptyCell}, {11, 8, EmptyCell}}));
}

TEST(ImportRowChecks, Identity)
{
    EXPECT_EQ(onlyError(10, QString(17, QLatin1Char('1'))),
              std::make_pair(10, int(IdentityCodeLength)));
    EXPECT_EQ(errorText(IdentityCodeLength), QStringLiteral("TheLengthOfTheCertifTbFPKHPE"));
    EXPECT_EQ(onlyError(10, QString(19, QLatin1Char('1'))), std::make_pair(10, int(TooLong)));
    EXPECT_EQ(onlyError(10, QStringLiteral("11010119900307123x")),
              std::make_pair(10, int(InvalidIdentityCode)));
    EXPECT_TRUE(check(withCell(10, QStringLiteral("11010519491231002X"))).valid);
    // A passport number of any form.
    const Checked passport =
        check(withCell(9, QStringLiteral("4"), withCell(10, QStringLiteral("e-12"))));
    EXPECT_TRUE(passport.valid);
    EXPECT_EQ(passport.data.iIdentityType, 4);
    EXPECT_EQ(passport.data.strIdentityCode, QStringLiteral("e-12"));
    EXPECT_EQ(onlyError(9, QStringLiteral("3")), std::make_pair(9, int(InvalidIdentityType)));
    EXPECT_EQ(errorText(InvalidIdentityType), QStringLiteral("InvalidFormatKVIDANEx"));
    // Without a type (optional) neither cell counts; the type is required by default.
    BasicSettingData data = settings();
    data.vecIdentityType = BasicSettings::fieldSetting(true, false, false);
    const Checked untyped =
        check(withCell(9, QString(), withCell(10, QStringLiteral("junk"))), context(data));
    EXPECT_TRUE(untyped.valid);
    EXPECT_TRUE(untyped.data.strIdentityCode.isEmpty());
    EXPECT_EQ(onlyError(9, QString()), std::make_pair(9, int(EmptyCell)));
    EXPECT_TRUE(check(withCell(10, QString())).valid);
    EXPECT_EQ(onlyError(10, QString(), context(settings(false, true))),
              std::make_pair(10, int(EmptyCell)));
}

TEST(ImportTexts, PositionsMessagesAndPatterns)
{
    EXPECT_EQ(cellPosition(12, 3), QStringLiteral("(12,C)"));
    EXPECT_EQ(cellPosition(10000, 15), QStringLiteral("(10000,O)"));
    EXPECT_EQ(errorText(SpecialSymbol), QStringLiteral("ThereIsASpecialSymbolismXzyyS"));
    EXPECT_EQ(errorText(InvalidGender),
              QStringLiteral("InvalidGenderTypeTheValueOfGenderCorrIIbfFLCG"));
    for (int code : {int(InvalidPhone), int(UnknownVisitReason), int(InvalidIdentityCode),
                     int(InvalidText), 42})
        EXPECT_EQ(errorText(code), QStringLiteral("InvalidFormatKVIDANEx")) << code;
    EXPECT_TRUE(
        matchesPattern(QStringLiteral("AccompanyingPersonnelNumber"), QStringLiteral("12")));
    EXPECT_FALSE(
        matchesPattern(QStringLiteral("AccompanyingPersonnelNumber"), QStringLiteral("123")));
    EXPECT_FALSE(matchesPattern(QStringLiteral("Gender"), QStringLiteral("12")));
    EXPECT_TRUE(matchesPattern(QStringLiteral("NoSuchPattern"), QStringLiteral("anything")));
}

TEST(ImportTexts, TemplateHeadersFollowTheSettings)
{
    EXPECT_EQ(rulesLines().size(), kRulesLineCount);
    EXPECT_EQ(rulesLines().at(3), QStringLiteral("3.DateFormat:YYYY/MM/DD"));
    BasicSettingData data = settings(true);
    data.vecPhone = BasicSettings::fieldSetting(true, false, false);
    data.vecRemark = BasicSettings::fieldSetting(true, true, true);
    const QStringList texts = headers(data);
    ASSERT_EQ(texts.size(), kColumnCount);
    EXPECT_EQ(texts.at(0), QStringLiteral("*TheName"));
    EXPECT_EQ(texts.at(1), QStringLiteral("*Gender"));
    EXPECT_EQ(texts.at(2), QStringLiteral("MobilePhoneNumber"));
    EXPECT_EQ(texts.at(7), QStringLiteral("*Organization"));
    EXPECT_EQ(texts.at(11), QStringLiteral("TheCompany"));
    EXPECT_EQ(texts.at(14), QStringLiteral("*Remark"));
    // Settings never loaded: only the fixed columns are marked.
    EXPECT_EQ(headers(BasicSettingData()).filter(QStringLiteral("*")).size(), 6);
}

TEST(ImportTexts, DriveOfTheDownload)
{
    EXPECT_EQ(driveOf(QStringLiteral("D:/exports"), QStringLiteral("/home/op")),
              QStringLiteral("D:"));
    EXPECT_EQ(driveOf(QStringLiteral("/srv/exports"), QStringLiteral("/home/op")),
              QStringLiteral("/srv/exports"));
    EXPECT_EQ(driveOf(QString(), QStringLiteral("/home/op")), QStringLiteral("/home/op"));
}

class ImportFileTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString workbook(const QString &name, const QVector<QStringList> &rows,
                     importtest::WorkbookShape shape = {})
    {
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(importtest::writeWorkbook(path, rows, settings(), shape));
        return path;
    }

    QTemporaryDir m_dir;
};

TEST_F(ImportFileTest, FilesThatAreNoTemplateImportNothing)
{
    const QVector<QStringList> rows = {validRow(), validRow()};
    EXPECT_EQ(importFile(workbook(QStringLiteral("narrow.xlsx"), rows, {14, true}), 100, context())
                  .status,
              FileStatus::NotTemplate);
    const ImportResult noHeader = importFile(
        workbook(QStringLiteral("plain.xlsx"), rows, {kColumnCount, false}), 100, context());
    EXPECT_EQ(noHeader.status, FileStatus::NotTemplate);
    EXPECT_TRUE(noHeader.batch.isEmpty());
    EXPECT_TRUE(noHeader.errors.isEmpty());
    EXPECT_EQ(importFile(m_dir.filePath(QStringLiteral("missing.xlsx")), 100, context()).status,
              FileStatus::Unreadable);
}

TEST_F(ImportFileTest, DamagedWorkbooksAreUnreadable)
{
    const QString good = workbook(QStringLiteral("good.xlsx"), {validRow()});
    QFile file(good);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();

    const QString truncated = m_dir.filePath(QStringLiteral("truncated.xlsx"));
    QFile cut(truncated);
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(bytes.left(bytes.size() / 2));
    cut.close();
    EXPECT_EQ(importFile(truncated, 100, context()).status, FileStatus::Unreadable);

    xlsxtest::Parts parts = xlsxtest::readParts(good);
    ASSERT_EQ(parts.erase("xl/worksheets/sheet1.xml"), 1u);
    const QString noSheet = m_dir.filePath(QStringLiteral("nosheet.xlsx"));
    ASSERT_TRUE(xlsxtest::writeParts(noSheet, parts));
    const ImportResult result = importFile(noSheet, 100, context());
    EXPECT_EQ(result.status, FileStatus::Unreadable);
    EXPECT_TRUE(result.batch.isEmpty());
}

TEST_F(ImportFileTest, TheAllowanceStopsReadingSilently)
{
    QVector<QStringList> rows;
    rows << withCell(1, QStringLiteral("bad/name"));
    for (int i = 0; i < 8; ++i)
        rows << withCell(1, QStringLiteral("visitor%1").arg(i));
    const ImportResult five =
        importFile(workbook(QStringLiteral("eight.xlsx"), rows), 5, context());
    ASSERT_EQ(five.status, FileStatus::Read);
    ASSERT_EQ(five.batch.size(), 5);
    EXPECT_EQ(five.batch.front().strName, QStringLiteral("visitor0"));
    EXPECT_EQ(five.batch.back().strName, QStringLiteral("visitor4"));
    EXPECT_EQ(five.errors, (QVector<CellError>{{11, 1, SpecialSymbol}}));
    EXPECT_TRUE(five.allowanceReached);

    const ImportResult all = importFile(workbook(QStringLiteral("eight.xlsx"), rows), 8, context());
    EXPECT_EQ(all.batch.size(), 8);
    EXPECT_FALSE(all.allowanceReached);
    EXPECT_EQ(importFile(workbook(QStringLiteral("eight.xlsx"), rows), 0, context()).batch.size(),
              0);
}

TEST_F(ImportFileTest, EachReceptionistIsSearchedOnce)
{
    QVector<QStringList> rows(50, validRow());
    rows << withCell(7, QStringLiteral("王五"), withCell(8, QStringLiteral("总部/人事部")));
    int searches = 0;
    RowContext c = context();
    c.findPersons = [&searches](const QString &name, TotalData &answer) {
        ++searches;
        return findPersons(name, answer);
    };
    const ImportResult result = importFile(workbook(QStringLiteral("many.xlsx"), rows), 100, c);
    EXPECT_EQ(result.batch.size(), 51);
    EXPECT_EQ(searches, 2);
    EXPECT_EQ(result.timings.lookupRequests, 2);
}

// What each producer's template (data/template.csv) gives: the same batch.
TEST_F(ImportFileTest, OtherProducersFilesImportAlike)
{
    BasicSettingData data = settings();
    data.vecPhone = BasicSettings::fieldSetting(true, false, false); // row 14 has none
    QVector<AppointmentInfoData> reference;
    for (const char *name :
         {"openpyxl_serial.xlsx", "openpyxl_iso.xlsx", "libreoffice_template.xlsx"}) {
        const ImportResult result =
            importFile(xlsxtest::dataPath(QString::fromLatin1(name)), 100, context(data));
        ASSERT_EQ(result.status, FileStatus::Read) << name;
        for (const CellError &e : result.errors)
            ADD_FAILURE() << name << ": " << cellPosition(e.row, e.column).toStdString() << " "
                          << e.code;
        ASSERT_EQ(result.batch.size(), 3) << name;
        if (reference.isEmpty())
            reference = result.batch;
        EXPECT_TRUE(result.batch == reference) << name;
    }
    ASSERT_EQ(reference.size(), 3);
    EXPECT_EQ(reference.at(0).strPhone, QStringLiteral("013800138000"));
    EXPECT_EQ(reference.at(0).strVisitTime, QStringLiteral("2026-12-05 00:00:00"));
    EXPECT_EQ(reference.at(1).strIdentityCode, QStringLiteral("11010519491231002X"));
    EXPECT_EQ(reference.at(1).strLeaveTime, QStringLiteral("2026-12-07 23:59:59"));
    EXPECT_EQ(reference.at(2).iGender, 1);
    EXPECT_EQ(reference.at(2).iIdentityType, 4);
    EXPECT_EQ(reference.at(2).strRemark, QStringLiteral("备注：含中文标点。"));
}

TEST_F(ImportFileTest, TheTemplateReadsBackAndOpensInOpenpyxl)
{
    const QString path = m_dir.filePath(QStringLiteral("template.xlsx"));
    QFile::copy(xlsxtest::dataPath(QStringLiteral("openpyxl_iso.xlsx")), path);
    QString error;
    ASSERT_TRUE(writeTemplate(path, settings(true), &error)) << error.toStdString();

    xlsxtest::Rows expected;
    const QStringList lines = rulesLines();
    for (int i = 0; i < lines.size(); ++i)
        expected[i + 1] = QStringList{lines.at(i)};
    expected[kHeaderRow] = headers(settings(true));
    {
        QExcel excel(path);
        ASSERT_TRUE(excel.isOpened());
        ASSERT_TRUE(excel.selectSheet(1));
        EXPECT_EQ(excel.sheetNames(), QStringList{QStringLiteral("Sheet1")});
        // The file it replaced left nothing behind.
        EXPECT_EQ(xlsxtest::streamedRows(excel), expected);
    }
    // An empty template is a template without data.
    const ImportResult empty = importFile(path, 100, context());
    EXPECT_EQ(empty.status, FileStatus::Read);
    EXPECT_TRUE(empty.batch.isEmpty() && empty.errors.isEmpty());

    if (!xlsxtest::openpyxlAvailable())
        GTEST_SKIP() << "openpyxl (python3-openpyxl) is not installed";
    EXPECT_EQ(xlsxtest::openpyxlRows(xlsxtest::readWithOpenpyxl(path)), expected);
}

TEST_F(ImportFileTest, ATemplateThatCannotBeWrittenSaysWhy)
{
    QString error;
    EXPECT_FALSE(
        writeTemplate(m_dir.filePath(QStringLiteral("no/such/dir/t.xlsx")), settings(), &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace

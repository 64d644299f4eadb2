#include "ImportRules.h"

#include "QExcel.h"

#include <UI/Window/Visitor/Appointment/Data/AppointmentConversions.h>

#include <JSONStruct/accessgroup/VisitAccessGroupQueryResponseData.h>
#include <JSONStruct/personnel/TotalData.h>

#include <CommunicationLayer/AccessGroupPointComm.h>
#include <CommunicationLayer/FindPersonByOtherComm.h>

#include <QorvaGUIToolkit/ConvertFromUnicode.h>

#include <Base/Log.h>

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <chrono>
#include <utility>

namespace visitorclient {
namespace ImportRules {

namespace {

QString tr(const char *key)
{
    return QCoreApplication::translate("visitorclient::ImportWidget", key);
}

QString displayText(const char *key)
{
    return QCoreApplication::translate("CDisplayTexts", key);
}

int localBytes(const QString &text)
{
    return static_cast<int>(QorvaGUIToolkit::ConvertFromUnicode(text).size());
}

const char kDayFormat[] = "yyyy-MM-dd";

// The day of a date cell: the first ten characters, as the workbook gives a date cell
// ("2026-12-05T00:00:00") or as the operator typed it ("2026/12/05" as the rules say).
QDate cellDay(const QString &text)
{
    QString day = text.left(10);
    day.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char('.'), QLatin1Char('-'));
    return QDate::fromString(day, QLatin1String(kDayFormat));
}

// One header and the settings that make it required; null means always required.
struct Column
{
    const char *header;
    QVector<int> BasicSettingData::*setting;
};

const Column kColumns[kColumnCount] = {
    {"TheName", nullptr},
    {"Gender", &BasicSettingData::vecGender},
    {"MobilePhoneNumber", &BasicSettingData::vecPhone},
    {"EstimatedTimeOfVisitTDpmssKL", nullptr},
    {"EstimatedTimeOfDeparNPEjYRqn", nullptr},
    {"VisitingReasontnaiesDc", nullptr},
    {"TheReceptionistfXJPXQpw", nullptr},
    {"Organization", nullptr},
    {"DocumentType", &BasicSettingData::vecIdentityType},
    {"IdNo1Y8JOA4K", &BasicSettingData::vecIdentityCode},
    {"LicensePlaBBlHEgez", &BasicSettingData::vecPlateCode},
    {"TheCompany", &BasicSettingData::vecCompany},
    {"ArticlesCarriedByEJpEumGr", &BasicSettingData::vecBelongings},
    {"Address", &BasicSettingData::vecAddress},
    {"Remark", &BasicSettingData::vecRemark},
};

enum Col { A = 1, B, C, D, E, F, G, H, I, J, K, L, M, N, O };

// The checks of one row, column by column; each records its own errors.
class RowChecker
{
public:
    RowChecker(int row, const QStringList &cells, const RowContext &context,
               AppointmentInfoData &data, QVector<CellError> &errors)
        : m_row(row), m_cells(cells), m_context(context), m_settings(context.settings),
          m_data(data), m_errors(errors)
    {}

    bool run()
    {
        checkName();
        checkGender();
        checkPhone();
        checkDates();
        checkVisitReason();
        checkReceptionist();
        checkIdentity();
        checkText(K, m_settings.vecPlateCode, 32, m_data.strPlateCode);
        checkText(L, m_settings.vecCompany, 64, m_data.strCompany);
        checkText(M, m_settings.vecBelongings, 16, m_data.strBelongings);
        checkText(N, m_settings.vecAddress, 64, m_data.strAddress);
        checkText(O, m_settings.vecRemark, 128, m_data.strRemark);
        m_data.strAccessGroupGuids = m_context.accessGroupGuid;
        m_data.strAccessGroupNames = m_context.accessGroupName;
        return m_valid;
    }

private:
    QString cell(int column) const { return m_cells.value(column - 1).trimmed(); }

    void fail(int column, int code)
    {
        m_errors.append({m_row, column, code});
        m_valid = false;
    }

    void checkName()
    {
        const QString text = cell(A);
        if (text.isEmpty())
            fail(A, EmptyCell);
        else if (localBytes(text) > 32)
            fail(A, TooLong);
        else if (!matchesPattern(QStringLiteral("TheName"), text))
            fail(A, SpecialSymbol);
        else
            m_data.strName = text;
    }

    void checkGender()
    {
        const QString text = cell(B);
        if (text.isEmpty()) {
            if (BasicSettings::isRequired(m_settings.vecGender))
                fail(B, EmptyCell);
            else
                m_data.iGender = 1;
        } else if (!matchesPattern(QStringLiteral("Gender"), text)) {
            fail(B, InvalidGender);
        } else {
            m_data.iGender = text.toInt();
        }
    }

    void checkPhone()
    {
        const QString text = cell(C);
        if (text.isEmpty()) {
            if (BasicSettings::isRequired(m_settings.vecPhone))
                fail(C, EmptyCell);
        } else if (text.toUtf8().size() > 32) {
            fail(C, TooLong);
        } else if (!matchesPattern(QStringLiteral("PhoneNumber"), text)) {
            fail(C, InvalidPhone);
        } else {
            m_data.strPhone = text;
        }
    }

    QDate checkDate(int column)
    {
        const QString text = cell(column);
        if (text.isEmpty()) {
            fail(column, EmptyCell);
            return QDate();
        }
        const QDate day = text.size() < 10 ? QDate() : cellDay(text);
        if (!day.isValid())
            fail(column, InvalidDate);
        return day;
    }

    void checkDates()
    {
        const QDate visit = checkDate(D);
        if (visit.isValid())
            m_data.strVisitTime =
                visit.toString(QLatin1String(kDayFormat)) + QStringLiteral(" 00:00:00");
        const QDate leave = checkDate(E);
        if (!leave.isValid())
            return;
        if (visit.isValid() && leave < visit)
            fail(E, LeaveBeforeVisit);
        else
            m_data.strLeaveTime =
                leave.toString(QLatin1String(kDayFormat)) + QStringLiteral(" 23:59:59");
    }

    void checkVisitReason()
    {
        const QString text = cell(F);
        const auto found = m_context.visitReasons.constFind(text.toStdString());
        if (text.isEmpty()) {
            fail(F, EmptyCell);
        } else if (found == m_context.visitReasons.constEnd()) {
            fail(F, UnknownVisitReason);
        } else {
            m_data.strVisitReason = text;
            m_data.strVisitReasonId = QString::fromStdString(found.value());
        }
    }

    // G names the receptionist, H the organisation path that tells namesakes apart.
    void checkReceptionist()
    {
        const QString name = cell(G);
        const QString path = cell(H);
        protocol::personnelcommon::TotalData answer;
        bool searched = false;
        if (name.isEmpty()) {
            fail(G, EmptyCell);
        } else if (!m_context.findPersons || !m_context.findPersons(name, answer)) {
            fail(G, ReceptionistQueryFailed);
        } else {
            searched = true;
        }
        if (path.isEmpty()) {
            fail(H, EmptyCell);
            return;
        }
        if (!searched)
            return;
        // The search matches parts of names: only the exact name in that organisation.
        const std::string wantedName = name.toStdString();
        const std::string wantedPath = path.toStdString();
        for (const auto &person : answer.personnelResponse) {
            if (person.basic.name == wantedName && person.personnelOrgInfo.path == wantedPath) {
                m_data.strReceptionistName = QString::fromStdString(person.basic.name);
                m_data.strReceptionistId = QString::fromStdString(person.basic.guid);
                m_data.strOrganization = path;
                return;
            }
        }
        fail(H, ReceptionistNotFound);
    }

    void checkIdentity()
    {
        const QString type = cell(I);
        const QString code = cell(J);
        if (type.isEmpty()) {
            if (BasicSettings::isRequired(m_settings.vecIdentityType))
                fail(I, EmptyCell);
            return;
        }
        if (!matchesPattern(QStringLiteral("IdentityType"), type)) {
            fail(I, InvalidIdentityType);
            return;
        }
        m_data.iIdentityType = type.toInt();
        if (code.isEmpty()) {
            if (BasicSettings::isRequired(m_settings.vecIdentityCode))
                fail(J, EmptyCell);
            return;
        }
        if (m_data.iIdentityType == 0) {
            if (code.size() > 18) {
                fail(J, TooLong);
                return;
            }
            if (code.size() < 18) {
                fail(J, IdentityCodeLength);
                return;
            }
            if (!matchesPattern(QStringLiteral("IdentityCode"), code)) {
                fail(J, InvalidIdentityCode);
                return;
            }
        }
        m_data.strIdentityCode = code;
    }

    void checkText(int column, const QVector<int> &setting, int maxBytes, QString &field)
    {
        const QString text = cell(column);
        if (text.isEmpty()) {
            if (BasicSettings::isRequired(setting))
                fail(column, EmptyCell);
        } else if (localBytes(text) > maxBytes) {
            fail(column, TooLong);
        } else if (!matchesPattern(QStringLiteral("Common"), text)) {
            fail(column, InvalidText);
        } else {
            field = text;
        }
    }

    const int m_row;
    const QStringList &m_cells;
    const RowContext &m_context;
    const BasicSettingData &m_settings;
    AppointmentInfoData &m_data;
    QVector<CellError> &m_errors;
    bool m_valid = true;
};

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

} // namespace

QString errorText(int code)
{
    switch (code) {
    case SpecialSymbol:
        return tr("ThereIsASpecialSymbolismXzyyS");
    case InvalidGender:
        return tr("InvalidGenderType") + tr("TheValueOfGenderCorrIIbfFLCG");
    case InvalidDate:
    case LeaveBeforeVisit:
        return tr("TimeFormatError");
    case ReceptionistQueryFailed:
    case ReceptionistNotFound:
        return tr("TheReceptionistDoesNLFiajccE");
    case EmptyCell:
        return tr("CannotBeEmpty");
    case TooLong:
        return tr("LengthOutOfLimitgAUBCsNXMw");
    case IdentityCodeLength:
        return tr("TheLengthOfTheCertifTbFPKHPE");
    default:
        return tr("InvalidFormatKVIDANEx");
    }
}

QString cellPosition(int row, int column)
{
    return QStringLiteral("(%1,%2)").arg(row).arg(QChar(QLatin1Char('A').unicode() + column - 1));
}

const QMap<QString, QString> &patterns()
{
    static const QMap<QString, QString> map = {
        {QStringLiteral("TheName"), QStringLiteral(R"([^'\/:*?"<>|]{0,32})")},
        {QStringLiteral("Gender"), QStringLiteral("[12]")},
        {QStringLiteral("PhoneNumber"), QStringLiteral(R"([\d]+|([\d]+-[\d]+))")},
        {QStringLiteral("IdentityType"), QStringLiteral("[02468]")},
        {QStringLiteral("IdentityCode"), QStringLiteral(R"(^((\d{18})|([0-9X]{18}))$)")},
        {QStringLiteral("Common"), QStringLiteral(R"([^'\/:*?"<>|]*)")},
        {QStringLiteral("PlateCode"), QStringLiteral(".+")},
        {QStringLiteral("Company"), QStringLiteral(".+")},
        {QStringLiteral("Belongings"), QStringLiteral(".+")},
        {QStringLiteral("Address"), QStringLiteral(".+")},
        {QStringLiteral("Remark"), QStringLiteral(".+")},
        {QStringLiteral("AccompanyingPersonnelNumber"), QStringLiteral("^[0-9]{1,2}$")},
    };
    return map;
}

bool matchesPattern(const QString &name, const QString &text)
{
    // Compiled once per pattern; QRegularExpression is safe to share between threads.
    static const QMap<QString, QRegularExpression> compiled = [] {
        QMap<QString, QRegularExpression> map;
        for (auto it = patterns().constBegin(); it != patterns().constEnd(); ++it) {
            QRegularExpression expression(QRegularExpression::anchoredPattern(it.value()));
            expression.optimize();
            map.insert(it.key(), expression);
        }
        return map;
    }();
    const auto found = compiled.constFind(name);
    if (found == compiled.constEnd() || found.value().pattern().isEmpty())
        return true;
    return found.value().match(text).hasMatch();
}

QStringList rulesLines()
{
    return {
        tr("TheRules"),
        QStringLiteral("1.") + tr("TheItemsWithAsteriskAreRequired"),
        QStringLiteral("2.") + tr("Gender") + QStringLiteral(" 1:") + displayText("Male") +
            QStringLiteral(" 2:") + displayText("Female"),
        QStringLiteral("3.") + tr("DateFormat") + QStringLiteral(":YYYY/MM/DD"),
        QStringLiteral("4.") + tr("DocumentType") + QStringLiteral(":0:") + displayText("IDCard") +
            QStringLiteral(" 2:") + displayText("Qorva-7310_Client.HKMacaoTW.name") +
            QStringLiteral(" 4:") + displayText("Passport") + QStringLiteral(" 6:") +
            displayText("DrivingLicense") + QStringLiteral(" 8:") +
            displayText("Qorva-7310_Client.BusinessCard.name"),
        QStringLiteral("5.") + tr("TheReasonForTheVisitHuVqTAjb"),
        QStringLiteral("6.") + tr("TheReceptionistAndOrdTQCJtgZ"),
        QStringLiteral("7.") + tr("Organization") + QStringLiteral(":") +
            tr("PrimarySectorKGZPIjScif") + QStringLiteral("/") +
            tr("TheSecondarySectorrLTEEfshsc") + QStringLiteral("/..."),
        QStringLiteral("8.") + tr("CellsFilledWithMoreTtLiyJQGH") + QStringLiteral("'"),
    };
}

QStringList headers(const BasicSettingData &settings)
{
    QStringList texts;
    for (const Column &column : kColumns) {
        const bool required =
            !column.setting || BasicSettings::isRequired(settings.*column.setting);
        texts << (required ? QStringLiteral("*") : QString()) + tr(column.header);
    }
    return texts;
}

QMap<std::string, std::string> visitReasonMap(const BasicSettingData &settings)
{
    QMap<std::string, std::string> map;
    for (const VisitReasonData &reason : settings.vecVisitReasons)
        map.insert(reason.strReasonName.toStdString(), reason.strReasonId.toStdString());
    return map;
}

bool checkRow(int row, const QStringList &cells, const RowContext &context,
              AppointmentInfoData &data, QVector<CellError> &errors)
{
    return RowChecker(row, cells, context, data, errors).run();
}

ImportResult importFile(const QString &path, int maxCount, const RowContext &context)
{
    ImportResult result;
    const Clock::time_point start = Clock::now();
    // The workbook wrapper would create a missing file.
    if (!QFileInfo(path).isFile()) {
        LOG_ERROR("[log3.0][onImport] qstrFilePath = %s IsValid.", qUtf8Printable(path));
        result.status = FileStatus::Unreadable;
        return result;
    }
    QExcel excel(path);
    if (!excel.isOpened() || !excel.selectSheet(1)) {
        LOG_ERROR("[log3.0][onImport] qstrFilePath = %s IsValid.", qUtf8Printable(path));
        result.status = FileStatus::Unreadable;
        return result;
    }
    const int rows = excel.lastUsedRow();
    const int columns = excel.lastUsedColumn();
    if (columns < kColumnCount) {
        LOG_ERROR("[log3.0][onImport] iRows = %d, iColumns = %d", rows, columns);
        result.status = FileStatus::NotTemplate;
        return result;
    }

    // A file names the same few receptionists again and again: search each name once.
    QHash<QString, std::pair<bool, protocol::personnelcommon::TotalData>> searched;
    RowContext rowContext = context;
    rowContext.findPersons = [&](const QString &name,
                                 protocol::personnelcommon::TotalData &answer) {
        auto found = searched.find(name);
        if (found == searched.end()) {
            const Clock::time_point lookupStart = Clock::now();
            protocol::personnelcommon::TotalData fresh;
            const bool ok = context.findPersons && context.findPersons(name, fresh);
            found = searched.insert(name, {ok, std::move(fresh)});
            result.timings.lookups += secondsSince(lookupStart);
            ++result.timings.lookupRequests;
        }
        answer = found.value().second;
        return found.value().first;
    };

    int headerRow = 0;
    double checking = 0;
    const bool read = excel.forEachRow([&](int row, const QStringList &texts) {
        if (headerRow == 0) {
            if (texts.value(0).trimmed().startsWith(QLatin1Char('*')))
                headerRow = row;
            return true;
        }
        if (result.batch.size() >= maxCount) {
            result.allowanceReached = true;
            return false;
        }
        const Clock::time_point checkStart = Clock::now();
        AppointmentInfoData data;
        if (checkRow(row, texts, rowContext, data, result.errors))
            result.batch.append(data);
        checking += secondsSince(checkStart);
        return true;
    });
    excel.close();
    if (!read) {
        LOG_ERROR("[log3.0][onImport] qstrFilePath = %s IsValid.", qUtf8Printable(path));
        return ImportResult{FileStatus::Unreadable, {}, {}, false, {}};
    }
    if (headerRow == 0) {
        LOG_ERROR("[log3.0][onImport] no header row starting with \"*\": iRows = %d, iColumns = %d",
                  rows, columns);
        return ImportResult{FileStatus::NotTemplate, {}, {}, false, {}};
    }
    result.timings.checks = checking - result.timings.lookups;
    result.timings.read = secondsSince(start) - checking;
    return result;
}

bool writeTemplate(const QString &path, const BasicSettingData &settings, QString *error)
{
    // The workbook wrapper opens a file that exists; the operator chose to replace it.
    if (QFile::exists(path) && !QFile::remove(path)) {
        if (error)
            *error = QStringLiteral("cannot replace the existing file");
        return false;
    }
    QExcel excel(path);
    bool ok = excel.isOpened() && excel.selectSheet(QStringLiteral("Sheet1"));
    const QStringList lines = rulesLines();
    for (int line = 0; ok && line < lines.size(); ++line)
        ok = excel.setCellValue(line + 1, 1, lines.at(line), true);
    const QStringList texts = headers(settings);
    for (int column = 0; ok && column < texts.size(); ++column)
        ok = excel.setCellValue(kHeaderRow, column + 1, texts.at(column), true);
    // Typed digits stay text (leading zeros, 18-digit identity numbers); the date
    // columns keep the spreadsheet's date cells.
    ok = ok && excel.setColumnsTextFormat(A, C) && excel.setColumnsTextFormat(F, O) && excel.save();
    if (!ok && error)
        *error = excel.errorText();
    return ok;
}

QString driveOf(const QString &startDir, const QString &userPath)
{
    const int colon = startDir.indexOf(QLatin1Char(':'));
    if (colon >= 0)
        return startDir.left(colon + 1);
    return startDir.isEmpty() ? userPath : startDir;
}

RowContext backendContext(const BasicSettingData &settings)
{
    RowContext context;
    context.settings = settings;
    context.visitReasons = visitReasonMap(settings);
    protocol::VisitAccessGroupQueryResponseData groups;
    if (commlayer::AccessGroupPointComm::getAccessGroups(groups)) {
        for (const auto &group : groups.visitAccessGroupQueryResponse) {
            if (group.defaultGroup == 0)
                continue;
            context.accessGroupGuid = QString::fromStdString(group.accessGroupGuid);
            context.accessGroupName = QString::fromStdString(group.name);
        }
    } else {
        LOG_WARN("getAccessGroups failed");
    }
    context.findPersons = [](const QString &name, protocol::personnelcommon::TotalData &answer) {
        return commlayer::FindPersonByOtherComm::request(
            answer, AppointmentConversions::importReceptionistQuery(name), std::string());
    };
    return context;
}

} // namespace ImportRules
} // namespace visitorclient

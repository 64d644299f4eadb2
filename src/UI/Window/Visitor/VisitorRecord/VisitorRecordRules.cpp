#include "VisitorRecordRules.h"

#include <UI/Window/Common/DisplayTexts.h>

#include <UiDataController/ErrorInfoMgr.h>

#include <comm_methodlib/UserDataPath.h>

#include <Base/StringUtil.h>

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

#include <chrono>
#include <map>
#include <thread>

namespace visitorclient {
namespace VisitorRecordRules {

namespace {

const char kPageContext[] = "visitorclient::VisitorRecordWidget";

struct StatusKey
{
    const char *value;
    const char *key;
};

const StatusKey kStatuses[] = {
    {"registered", QT_TRANSLATE_NOOP("visitorclient::VisitorRecordWidget", "RegisteredGpJhvArk")},
    {"notRegister",
     QT_TRANSLATE_NOOP("visitorclient::VisitorRecordWidget", "UnregisterediOtUwbPg")},
    {"signOff",
     QT_TRANSLATE_NOOP("visitorclient::VisitorRecordWidget", "HaveBeenSignedOffBooGHdYc")},
    {"overdueAutoSignOff",
     QT_TRANSLATE_NOOP("visitorclient::VisitorRecordWidget", "OverdueAutomaticChecWdjxqvSI")},
    {"overdueNotRegister",
     QT_TRANSLATE_NOOP("visitorclient::VisitorRecordWidget", "OverdueNotRegisteredRtLLszTF")},
};

const char *const kExportHeaderKeys[kExportColumnCount] = {
    QT_TRANSLATE_NOOP("visitorclient::VisitorRecordWidget", "TheName"),
    QT_TRANSLATE_NOOP("visitorclient::VisitorRecordWidget", "Gender"),
    QT_TRANSLATE_NOOP("visitorclient::VisitorRecordWidget", "MobilePhoneNumber"),
    QT_TRANSLATE_NOOP("visitorclient::VisitorRecordWidget", "EstimatedTimeOfVisitTDpmssKL"),
    QT_TRANSLATE_NOOP("visitorclient::VisitorRecordWidget", "EstimatedTimeOfDeparNPEjYRqn"),
    QT_TRANSLATE_NOOP("visitorclient::VisitorRecordWidget", "TheVisitingTimedHeettrt"),
    QT_TRANSLATE_NOOP("visitorclient::VisitorRecordWidget", "LeaveTime8UO8GP4D"),
    QT_TRANSLATE_NOOP("visitorclient::VisitorRecordWidget", "VisitingReasontnaiesDc"),
    QT_TRANSLATE_NOOP("visitorclient::VisitorRecordWidget", "TheReceptionistfXJPXQpw"),
    QT_TRANSLATE_NOOP("visitorclient::VisitorRecordWidget", "Organization"),
    QT_TRANSLATE_NOOP("visitorclient::VisitorRecordWidget", "NumberOfEntourageceknhIrC"),
    QT_TRANSLATE_NOOP("visitorclient::VisitorRecordWidget", "DocumentType"),
    QT_TRANSLATE_NOOP("visitorclient::VisitorRecordWidget", "IdNo1Y8JOA4K"),
    QT_TRANSLATE_NOOP("visitorclient::VisitorRecordWidget", "LicensePlaBBlHEgez"),
    QT_TRANSLATE_NOOP("visitorclient::VisitorRecordWidget", "TheCompany"),
    QT_TRANSLATE_NOOP("visitorclient::VisitorRecordWidget", "ArticlesCarriedByEJpEumGr"),
    QT_TRANSLATE_NOOP("visitorclient::VisitorRecordWidget", "Address"),
    QT_TRANSLATE_NOOP("visitorclient::VisitorRecordWidget", "Remark"),
};

const char kWireFormat[] = "yyyy-MM-ddThh:mm:ss";

} // namespace

QString pageText(const char *key)
{
    return QCoreApplication::translate(kPageContext, key);
}

QString statusText(const QString &status)
{
    for (const StatusKey &entry : kStatuses) {
        if (status == QLatin1String(entry.value))
            return pageText(entry.key);
    }
    return QString();
}

QList<QPair<QString, QString>> statusChoices()
{
    QList<QPair<QString, QString>> choices;
    choices << qMakePair(pageText("All"), QString());
    for (const StatusKey &entry : kStatuses)
        choices << qMakePair(pageText(entry.key), QString::fromLatin1(entry.value));
    return choices;
}

bool showsOperationIcon(int downloadResult)
{
    return downloadResult == 2 || downloadResult == 3;
}

bool rangesCrossed(const SearchForm &form)
{
    if (!form.visitBegin.isValid() || !form.leaveEnd.isValid())
        return false;
    return form.visitBegin.date() > form.leaveEnd.date();
}

std::string wireTime(const QDateTime &time)
{
    if (!time.isValid())
        return std::string();
    return time.toString(QLatin1String(kWireFormat)).toStdString();
}

protocol::QueryVisitorRecordCondition searchCondition(const SearchForm &form, int pageSize)
{
    protocol::QueryVisitorRecordCondition condition;
    condition.name_ = form.name.toStdString();
    condition.State = form.state.toStdString();
    // A field without a range leaves both of its bounds empty.
    if (form.visitBegin.isValid()) {
        condition.visitBeginTime = wireTime(form.visitBegin);
        condition.visitEndTime = wireTime(form.visitEnd);
    }
    if (form.leaveBegin.isValid()) {
        condition.leaveBeginTime = wireTime(form.leaveBegin);
        condition.leaveEndTime = wireTime(form.leaveEnd);
    }
    condition.pageSize = pageSize > 0 ? pageSize : kDefaultPageSize;
    condition.pageNo = 1;
    return condition;
}

void turnPage(protocol::QueryVisitorRecordCondition &stored, int pageSize, int pageNo)
{
    stored.pageSize = pageSize;
    stored.pageNo = pageNo;
}

int firstExportPage(int currentPage)
{
    return currentPage <= 0 ? 1 : currentPage;
}

protocol::QueryVisitorRecordCondition
exportCondition(const protocol::QueryVisitorRecordCondition &stored, int pageNo, int pageSize)
{
    protocol::QueryVisitorRecordCondition condition;
    condition.pageNo = pageNo;
    condition.pageSize = pageSize;
    condition.State = stored.State;
    condition.visitBeginTime = stored.visitBeginTime;
    condition.visitEndTime = stored.visitEndTime;
    condition.leaveBeginTime = stored.leaveBeginTime;
    condition.leaveEndTime = stored.leaveEndTime;
    return condition;
}

QStringList exportHeader()
{
    QStringList header;
    header.reserve(kExportColumnCount);
    for (const char *key : kExportHeaderKeys)
        header << pageText(key);
    return header;
}

QStringList exportRow(const VisitorRecordData &r)
{
    QString gender;
    if (r.iGender == 1 || r.iGender == 2)
        gender = CDisplayTexts::gender(r.iGender);
    QStringList row;
    row.reserve(kExportColumnCount);
    // Page times already are the client's date-time texts.
    row << r.strName << gender << r.strPhone << r.strAppointmentVisitTime
        << r.strAppointmentLeaveTime << r.strVisitTime << r.strLeaveTime << r.strVisitReason
        << r.strReceptionistName << r.strOrganization << QString::number(r.iAccompanyingNumber)
        << CDisplayTexts::documentType(r.iIdentityType) << r.strIdentityCode << r.strPlateCode
        << r.strCompany << r.strBelongings << r.strAddress << r.strRemark;
    return row;
}

QString selectedCountText(int count)
{
    return pageText("SelectedPerson") + QStringLiteral(":") + QString::number(count);
}

QString errorMessage(const std::string &errorCode)
{
    const std::vector<std::string> parts = Base::StringUtil::SplitString(errorCode, "-");
    if (parts.size() != 2)
        return QString();
    return UiDataController::CErrorInfoMgr::GetErrorMessageByCode(
        QString::fromStdString(parts[0]).toInt(), QString::fromStdString(parts[1]).toInt());
}

QVector<ErrorRow> errorRows(const std::vector<protocol::VisitorErrorRecord> &records,
                            const std::function<std::string(const std::string &)> &deviceName)
{
    std::map<std::string, QString> names;
    for (const auto &record : records) {
        if (names.find(record.DeviceGuid) == names.end())
            names[record.DeviceGuid] = QString::fromStdString(deviceName(record.DeviceGuid));
    }
    QVector<ErrorRow> rows;
    rows.reserve(static_cast<int>(records.size()));
    for (const auto &record : records)
        rows.append({CDisplayTexts::failureKind(record.FailType), names[record.DeviceGuid],
                     errorMessage(record.ErrorCode)});
    return rows;
}

int configuredDownloadWaitMs()
{
    const QString folder =
        QString::fromStdString(comm_methodlib::CUserDataPath::Instance().componentPath());
    int seconds = kDefaultDownloadWaitSeconds;
    if (!folder.isEmpty()) {
        const QSettings settings(QDir(folder).filePath(QStringLiteral("VisitorManagement.ini")),
                                 QSettings::IniFormat);
        bool ok = false;
        const int configured =
            settings.value(QStringLiteral("records/downloadWaitSeconds")).toInt(&ok);
        if (ok && configured > 0)
            seconds = configured;
    }
    return seconds * 1000;
}

QString unansweredText(int count)
{
    return pageText("%1 records did not report the result of their permission download.")
        .arg(count);
}

void CPendingDownloads::begin(const QStringList &guids)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_guids = guids;
    m_pending = true;
}

void CPendingDownloads::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_guids.clear();
    m_pending = false;
}

QStringList CPendingDownloads::guids() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_guids;
}

int CPendingDownloads::remaining() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_guids.size();
}

bool CPendingDownloads::take(const QString &guid)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_pending && m_guids.removeOne(guid);
}

bool CPendingDownloads::settle()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pending = !m_guids.isEmpty();
    return m_pending;
}

bool CPendingDownloads::waitAnswered(int boundMs) const
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(boundMs);
    while (m_pending) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(kPendingPollMs));
    }
    return true;
}

QVector<int> fittedColumnWidths(const QVector<int> &own, const QVector<int> &wanted, int available)
{
    qint64 ownSum = 0, wantedSum = 0;
    for (int column = 0; column < own.size(); ++column) {
        ownSum += own[column];
        wantedSum += qMax(own[column], wanted.value(column));
    }
    QVector<int> widths(own.size());
    for (int column = 0; column < own.size(); ++column) {
        const qint64 mine = own[column];
        const qint64 extra = qMax(own[column], wanted.value(column)) - mine;
        if (wantedSum <= available)
            widths[column] = static_cast<int>(mine + extra);
        else if (ownSum <= available)
            widths[column] =
                static_cast<int>(mine + extra * (available - ownSum) / (wantedSum - ownSum));
        else
            widths[column] = static_cast<int>(mine * qMax(0, available) / ownSum);
    }
    return widths;
}

} // namespace VisitorRecordRules
} // namespace visitorclient

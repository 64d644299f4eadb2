#pragma once
// Pure conversions between the appointment pages' AppointmentInfoData and the appointment
// messages. Nothing here calls the server: the pages fetch the basic settings and the
// receptionist's person record and pass what they got.

#include "AppointmentInfoData.h"

#include <JSONStruct/appointment/Appointment.h>
#include <JSONStruct/appointment/AppointmentResult.h>
#include <JSONStruct/appointment/ModifyAppointment.h>
#include <JSONStruct/personnel/QueryPerson.h>
#include <JSONStruct/personnel/TotalData.h>
#include <JSONStruct/settings/QueryBasicSettingResult.h>

#include <QMap>
#include <QString>

#include <functional>
#include <string>

namespace visitorclient {
namespace AppointmentConversions {

/// Looks up the translated text of a translation key. The pages pass their own tr();
/// the default translates in the context "visitorclient::AppointmentWidget".
using Translate = std::function<QString(const char *key)>;
QString defaultTranslate(const char *key);

/// Page time ("yyyy-MM-dd hh:mm:ss", local) to the ISO 8601 local text of the wire.
/// Empty or unreadable page text gives an empty wire text.
std::string toWireTime(const QString &pageTime);
/// ISO 8601 wire text to page time. Empty text stays empty; unreadable text gives an
/// empty page time and a warning in the log.
QString toPageTime(const std::string &wireTime);

/// Each GUID of the ","-joined list replaced by its group name (a GUID missing from the
/// map contributes an empty name; the separators stay).
QString accessGroupNames(const QString &guids, const QMap<QString, QString> &groupNameByGuid);

/// A server row as the list page shows it. groupNameByGuid maps access-point group GUIDs
/// to names.
AppointmentInfoData fromAppointmentResult(const protocol::AppointmentResult &result,
                                          const QMap<QString, QString> &groupNameByGuid);

/// Key of the built-in reason whose translated name equals reasonName: "training",
/// "meeting", "business", "visiting"; "other" for any other text.
std::string builtInReasonKey(const QString &reasonName,
                             const Translate &translate = defaultTranslate);
/// Text to show for a stored reason key ("training" ... "other", "custom"); any other text
/// is shown unchanged.
QString reasonDisplayText(const QString &reasonKey, const Translate &translate = defaultTranslate);

/// The "visitReason" of an add: the name of the first reason of the settings whose GUID
/// is the record's reason id, else the built-in key of its reason text. Pass a
/// default-constructed settings record when reading the settings failed.
std::string resolveVisitReason(const AppointmentInfoData &data,
                               const protocol::QueryBasicSettingResult &settings,
                               const Translate &translate = defaultTranslate);

/// "receptionistNumber": phone of the first person of a receptionist query answer, or
/// empty when it holds nobody (also pass a default record when the query failed).
std::string receptionistNumber(const protocol::personnelcommon::TotalData &answer);

/// The receptionist query of the form: basic part of the person with that GUID.
protocol::personnelcommon::QueryPerson formReceptionistQuery(const QString &receptionistId);
/// The receptionist query of the import: by name, sending only queryType, name and sensitive.
protocol::personnelcommon::QueryPerson importReceptionistQuery(const QString &receptionistName);

/// Add request element. visitReason comes from resolveVisitReason, receptionistNumber from
/// receptionistNumber() (the import passes it empty).
protocol::Appointment toAppointment(const AppointmentInfoData &data, const std::string &visitReason,
                                    const std::string &receptionistNumber);
/// Change request: the reason text is sent as the page holds it.
protocol::ModifyAppointment toModifyAppointment(const AppointmentInfoData &data,
                                                const std::string &receptionistNumber);

} // namespace AppointmentConversions
} // namespace visitorclient

#pragma once
// Conversions between seconds since the epoch (time_t) and date-time texts in the local
// time zone of the process (TZ). Each writer/reader pair is an exact inverse for every
// time the writer produced, except during the repeated hour when daylight saving time
// ends, whose texts are ambiguous (the reader lets mktime choose).

#include <Base/BaseExport.h>

#include <ctime>
#include <string>

namespace Base {
namespace TimeUtil {

/// Local time as "yyyy-MM-ddTHH:mm:ss" (ISO 8601 without zone). Empty text when the time
/// cannot be represented (localtime_r fails, or the year is outside 0..9999).
BASE_EXPORT std::string TimeT2LocalTimeStrISO(std::time_t t);

/// Reads "yyyy-MM-ddTHH:mm:ss" with optional fractional seconds (".fff...", truncated) and
/// an optional zone: "Z", "+HH:MM", "+HHMM", "+HH" (or '-'). Without a zone the text is
/// local time; with a zone it is that zone's time. Surrounding white space is ignored.
/// Returns -1 on failure (bad syntax, out-of-range fields such as month 13 or Feb 30);
/// note that -1 is also the valid result for 1969-12-31T23:59:59Z.
BASE_EXPORT std::time_t ISODatetime2TimeT(const std::string &text);

/// Local time as "yyyy-MM-dd HH:mm:ss". Empty text on failure (as TimeT2LocalTimeStrISO).
BASE_EXPORT std::string TimeT2StrDatetime(std::time_t t);

/// An ISO 8601 text as read by ISODatetime2TimeT, rendered as TimeT2StrDatetime does.
/// Empty text when it cannot be read or rendered.
BASE_EXPORT std::string ISODatetime2StrDatetime(const std::string &text);

/// Reads exactly "yyyy-MM-dd HH:mm:ss" as local time (surrounding white space ignored).
/// Returns -1 on failure, like ISODatetime2TimeT.
BASE_EXPORT std::time_t StrDatetime2TimeT(const std::string &text);

} // namespace TimeUtil
} // namespace Base

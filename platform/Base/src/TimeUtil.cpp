#include <Base/TimeUtil.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace Base {
namespace TimeUtil {

namespace {

std::string format(std::time_t t, char separator)
{
    struct tm tmv;
    if (!localtime_r(&t, &tmv))
        return std::string();
    long long year = static_cast<long long>(tmv.tm_year) + 1900;
    if (year < 0 || year > 9999)
        return std::string();
    char buf[32];
    std::snprintf(buf, sizeof(buf), "%04lld-%02d-%02d%c%02d:%02d:%02d", year, tmv.tm_mon + 1,
                  tmv.tm_mday, separator, tmv.tm_hour, tmv.tm_min, tmv.tm_sec);
    return buf;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads exactly n digits at text[pos].
bool readNumber(const std::string &text, std::size_t &pos, int n, int &value)
{
    if (pos + static_cast<std::size_t>(n) > text.size())
        return false;
    value = 0;
    for (int i = 0; i < n; ++i) {
        char c = text[pos + static_cast<std::size_t>(i)];
        if (!isDigit(c))
            return false;
        value = value * 10 + (c - '0');
    }
    pos += static_cast<std::size_t>(n);
    return true;
}

bool expect(const std::string &text, std::size_t &pos, char c)
{
    if (pos >= text.size() || text[pos] != c)
        return false;
    ++pos;
    return true;
}

bool isLeap(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int y, int m)
{
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeap(y) ? 29 : kDays[m - 1];
}

std::string trimmed(const std::string &text)
{
    const char *ws = " \t\r\n";
    auto b = text.find_first_not_of(ws);
    if (b == std::string::npos)
        return std::string();
    auto e = text.find_last_not_of(ws);
    return text.substr(b, e - b + 1);
}

struct Fields
{
    int year, month, day, hour, minute, second;
};

// "yyyy-MM-dd?HH:mm:ss" with separator at pos 10.
bool readFields(const std::string &text, std::size_t &pos, char separator, Fields &f)
{
    if (!readNumber(text, pos, 4, f.year) || !expect(text, pos, '-') || !readNumber(text, pos, 2, f.month)
        || !expect(text, pos, '-') || !readNumber(text, pos, 2, f.day) || !expect(text, pos, separator)
        || !readNumber(text, pos, 2, f.hour) || !expect(text, pos, ':') || !readNumber(text, pos, 2, f.minute)
        || !expect(text, pos, ':') || !readNumber(text, pos, 2, f.second))
        return false;
    return f.month >= 1 && f.month <= 12 && f.day >= 1 && f.day <= daysInMonth(f.year, f.month)
           && f.hour <= 23 && f.minute <= 59 && f.second <= 59;
}

struct tm toTm(const Fields &f)
{
    struct tm tmv;
    std::memset(&tmv, 0, sizeof(tmv));
    tmv.tm_year = f.year - 1900;
    tmv.tm_mon = f.month - 1;
    tmv.tm_mday = f.day;
    tmv.tm_hour = f.hour;
    tmv.tm_min = f.minute;
    tmv.tm_sec = f.second;
    tmv.tm_isdst = -1;
    return tmv;
}

// Offset from UTC in force at t, in seconds; false when the C library cannot tell.
bool offsetAt(std::time_t t, long &offset)
{
    struct tm local;
    if (!localtime_r(&t, &local))
        return false;
    offset = local.tm_gmtoff;
    return true;
}

// Not mktime: with TZ unset, glibc's mktime stats the zone file on every call, which made
// converting a page of 500 appointments measurably slow. localtime_r reads the zone once
// (until tzset), so the offset is found through it: take the fields as UTC, subtract the
// offset in force there, and correct once by the offset in force at that result. A wall
// time inside a spring gap has no consistent answer; it moves forward, as with mktime.
std::time_t localToTimeT(const Fields &f)
{
    struct tm tmv = toTm(f);
    tmv.tm_isdst = 0;
    const std::time_t asUtc = timegm(&tmv);
    long offset = 0;
    if (!offsetAt(asUtc, offset))
        return -1;
    const std::time_t first = asUtc - offset;
    if (!offsetAt(first, offset))
        return -1;
    const std::time_t second = asUtc - offset;
    if (second == first)
        return first;
    if (!offsetAt(second, offset))
        return -1;
    return asUtc - offset == second ? second : std::max(first, second);
}

} // namespace

std::string TimeT2LocalTimeStrISO(std::time_t t)
{
    return format(t, 'T');
}

std::string TimeT2StrDatetime(std::time_t t)
{
    return format(t, ' ');
}

namespace {

// Unlike ISODatetime2TimeT, tells a failure apart from the valid time -1.
bool readISO(const std::string &input, std::time_t &result)
{
    const std::string text = trimmed(input);
    std::size_t pos = 0;
    Fields f;
    if (!readFields(text, pos, 'T', f))
        return false;
    if (pos < text.size() && (text[pos] == '.' || text[pos] == ',')) {
        ++pos;
        std::size_t digits = 0;
        while (pos < text.size() && isDigit(text[pos])) {
            ++pos;
            ++digits;
        }
        if (digits == 0)
            return false;
    }
    if (pos == text.size()) {
        result = localToTimeT(f);
        return result != -1;
    }

    long offsetSeconds = 0;
    if (text[pos] == 'Z' || text[pos] == 'z') {
        ++pos;
    } else if (text[pos] == '+' || text[pos] == '-') {
        int sign = text[pos] == '-' ? -1 : 1;
        ++pos;
        int hh = 0, mm = 0;
        if (!readNumber(text, pos, 2, hh))
            return false;
        if (pos < text.size()) {
            if (text[pos] == ':')
                ++pos;
            if (!readNumber(text, pos, 2, mm))
                return false;
        }
        if (hh > 23 || mm > 59)
            return false;
        offsetSeconds = sign * (hh * 3600L + mm * 60L);
    } else {
        return false;
    }
    if (pos != text.size())
        return false;
    struct tm tmv = toTm(f);
    tmv.tm_isdst = 0;
    result = timegm(&tmv) - offsetSeconds;
    return true;
}

} // namespace

std::time_t ISODatetime2TimeT(const std::string &input)
{
    std::time_t result = -1;
    return readISO(input, result) ? result : -1;
}

std::string ISODatetime2StrDatetime(const std::string &text)
{
    std::time_t seconds = -1;
    return readISO(text, seconds) ? TimeT2StrDatetime(seconds) : std::string();
}

std::time_t StrDatetime2TimeT(const std::string &input)
{
    const std::string text = trimmed(input);
    std::size_t pos = 0;
    Fields f;
    if (!readFields(text, pos, ' ', f) || pos != text.size())
        return -1;
    return localToTimeT(f);
}

} // namespace TimeUtil
} // namespace Base

#pragma once
// What the blacklist page decides without a window: the entry a confirmed form makes,
// which required fields are missing, the document-number pattern and the paging of the
// in-memory list.

#include "BlackData.h"

#include <QDateTime>
#include <QString>

namespace visitorclient {
namespace BlackListRules {

/// Name and document number take at most this many characters.
constexpr int kTextLimit = 64;
constexpr int kRemarkLimit = 256;
/// Shown for a remark the operator left empty.
constexpr const char *kNoRemark = "--";
constexpr const char *kAddTimeFormat = "yyyy/MM/dd HH:mm:ss";
/// Mainland identity number: region (first digit 1-9), year (first digit 1-9), month
/// 01-12, day, sequence and a final digit or "X".
constexpr const char *kIdentityPattern =
    "^[1-9]\\d{5}[1-9]\\d{3}((0\\d)|(1[0-2]))(([0|1|2]\\d)|3[0-1])\\d{3}([0-9]|X)+$";
constexpr int kDefaultPageSize = 30;

/// What the operator typed in the form.
struct FormInput
{
    QString name;
    bool male = true;
    int identityType = 0;
    QString identityCode;
    QString remark;
};

/// The entry a confirmed form adds at time now.
BlackData makeEntry(const FormInput &input, const QDateTime &now);

/// Required fields whose text, trimmed, is empty.
struct MissingFields
{
    bool name = false;
    bool identityCode = false;
    bool any() const { return name || identityCode; }
};
MissingFields missingFields(const QString &name, const QString &identityCode);

/// Rows [first, first + count) of the total that page (from 1) of pageSize shows.
struct PageRange
{
    int first = 0;
    int count = 0;
};
PageRange pageRange(int total, int page, int pageSize);
/// Number of pages of total rows (0 when there are none).
int pageCount(int total, int pageSize);
/// The page to show after the total changed: the wanted one, pulled back to the last
/// page; 1 for the first rows; 0 when the list is empty.
int clampPage(int total, int page, int pageSize);

} // namespace BlackListRules
} // namespace visitorclient

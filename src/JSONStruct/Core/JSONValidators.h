#pragma once
// Field validators used by the check of inbound records. Each clears error first,
// returns true on success, and on failure sets error to its fixed message (the field
// name is the record's key text) and returns false.

#include <JSONStruct/ProtocolExport.h>

#include <cstddef>
#include <string>
#include <vector>

namespace protocol {

class IJSONStruct;

/// "%s can't be empty!"
PROTOCOL_EXPORT bool checkNotEmpty(const std::string &field, const std::string &value,
                                   std::string &error);
/// "%s can't be empty!" when count is 0; elements are not validated.
PROTOCOL_EXPORT bool checkListNotEmpty(const std::string &field, std::size_t count,
                                       std::string &error);
template <class T>
bool checkListNotEmpty(const std::string &field, const std::vector<T> &list, std::string &error)
{
    return checkListNotEmpty(field, list.size(), error);
}
/// Fails when the value holds a character that file names may not hold
/// (Base::StringUtil::StringEraseInvalidChar). The message carries the GBK bytes A1 B0.
PROTOCOL_EXPORT bool checkInvalidChar(const std::string &field, const std::string &value,
                                      std::string &error);
/// checkNotEmpty, then checkInvalidChar, then "%s length is greater than %d." when the
/// value in the local code page (Base::UTF8ToLocal) has more than maxLength bytes.
PROTOCOL_EXPORT bool checkLength(const std::string &field, const std::string &value, int maxLength,
                                 std::string &error);
/// checkNotEmpty, then "%s not match format!" unless the value in the local code page
/// matches the whole ECMAScript pattern. A broken pattern never matches.
PROTOCOL_EXPORT bool checkFormat(const std::string &field, const std::string &value,
                                 const std::string &pattern, std::string &error);
/// "%s field not exist!" with the first key (in list order) the record did not read.
PROTOCOL_EXPORT bool checkFieldsExist(const IJSONStruct &record,
                                      const std::vector<std::string> &keys, std::string &error);
/// "no field exist!" when the record read no key at all.
PROTOCOL_EXPORT bool checkAnyFieldExists(const IJSONStruct &record, std::string &error);

} // namespace protocol

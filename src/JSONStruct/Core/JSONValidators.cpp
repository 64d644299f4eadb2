#include <JSONStruct/Core/JSONValidators.h>

#include <JSONStruct/Core/IJSONStruct.h>

#include <Base/Encoding.h>
#include <Base/Log.h>
#include <Base/StringUtil.h>

#include <regex>

namespace protocol {

namespace {

bool fail(std::string &error, std::string message)
{
    error = std::move(message);
    return false;
}

} // namespace

bool checkNotEmpty(const std::string &field, const std::string &value, std::string &error)
{
    error.clear();
    if (value.empty())
        return fail(error, field + " can't be empty!");
    return true;
}

bool checkListNotEmpty(const std::string &field, std::size_t count, std::string &error)
{
    error.clear();
    if (count == 0)
        return fail(error, field + " can't be empty!");
    return true;
}

bool checkInvalidChar(const std::string &field, const std::string &value, std::string &error)
{
    error.clear();
    if (Base::StringUtil::StringEraseInvalidChar(value) != value) {
        // The quotation mark of the message is the GBK left double quotation mark (A1 B0).
        return fail(error, field + " contain invalid char [/:*?\xA1\xB0<>|].");
    }
    return true;
}

bool checkLength(const std::string &field, const std::string &value, int maxLength, std::string &error)
{
    if (!checkNotEmpty(field, value, error) || !checkInvalidChar(field, value, error))
        return false;
    const std::string local = Base::UTF8ToLocal(value);
    if (maxLength < 0 || local.size() > static_cast<std::size_t>(maxLength))
        return fail(error, field + " length is greater than " + std::to_string(maxLength) + ".");
    return true;
}

bool checkFormat(const std::string &field, const std::string &value, const std::string &pattern,
                 std::string &error)
{
    if (!checkNotEmpty(field, value, error))
        return false;
    bool matched = false;
    try {
        const std::regex expression(pattern, std::regex::ECMAScript);
        matched = std::regex_match(Base::UTF8ToLocal(value), expression);
    } catch (const std::exception &e) {
        LOG_ERROR("Invalid format pattern [%s]: [%s].", pattern.c_str(), e.what());
        matched = false;
    }
    if (!matched)
        return fail(error, field + " not match format!");
    return true;
}

bool checkFieldsExist(const IJSONStruct &record, const std::vector<std::string> &keys, std::string &error)
{
    error.clear();
    for (const std::string &key : keys) {
        if (!record.hasKey(key))
            return fail(error, key + " field not exist!");
    }
    return true;
}

bool checkAnyFieldExists(const IJSONStruct &record, std::string &error)
{
    error.clear();
    if (record.presentKeys.empty())
        return fail(error, "no field exist!");
    return true;
}

} // namespace protocol

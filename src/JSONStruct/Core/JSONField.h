#pragma once
// One entry of a record's field table: key, kind, accessors of the member and an
// optional validator. Built with the field makers of JSONRecord (field, optionalString,
// numericText); the per-kind rules are in JSONFieldRules.

#include <JSONStruct/Core/IJSONStruct.h>
#include <JSONStruct/Core/JSONFieldRules.h>

#include <cjson/cJSON.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

namespace protocol {

enum class FieldKind
{
    String,
    OptionalString,
    Int32,
    Int64,
    Double,
    Bool,
    NumericText,
    Record,
    RecordList,
    StringList,
    Int32List
};

enum class FieldCheck
{
    None,
    NotEmpty,
    InvalidChar,
    Length,
    Format,
    ListNotEmpty
};

template <class R>
struct JSONField
{
    const char *key = nullptr; // must have static storage (a literal)
    FieldKind kind = FieldKind::String;
    void (*read)(R &record, const cJSON *member) = nullptr;
    void (*clear)(R &record) = nullptr;           // lists only: emptied on every fromJSON
    cJSON *(*build)(const R &record) = nullptr;   // null result: the member is left out
    const std::string *(*text)(const R &record) = nullptr;  // string kinds, for validators
    std::size_t (*count)(const R &record) = nullptr;        // list kinds, for validators
    FieldCheck check = FieldCheck::None;
    int maxLength = 0;
    const char *pattern = nullptr;

    /// Validators run by the record's check in table order; the first failure wins.
    JSONField notEmpty() const { return withCheck(FieldCheck::NotEmpty); }
    JSONField invalidChar() const { return withCheck(FieldCheck::InvalidChar); }
    JSONField length(int maximum) const
    {
        JSONField f = withCheck(FieldCheck::Length);
        f.maxLength = maximum;
        return f;
    }
    JSONField format(const char *regex) const
    {
        JSONField f = withCheck(FieldCheck::Format);
        f.pattern = regex;
        return f;
    }
    JSONField listNotEmpty() const { return withCheck(FieldCheck::ListNotEmpty); }

private:
    JSONField withCheck(FieldCheck c) const
    {
        JSONField f = *this;
        f.check = c;
        return f;
    }
};

template <class R>
using JSONFieldList = std::vector<JSONField<R>>;

namespace detail {

template <class>
struct MemberPointerTraits;
template <class C, class T>
struct MemberPointerTraits<T C::*>
{
    using Type = T;
};

template <class T>
struct IsVector : std::false_type
{
};
template <class T, class A>
struct IsVector<std::vector<T, A>> : std::true_type
{
    using Element = T;
};

template <auto M>
using MemberType = typename MemberPointerTraits<decltype(M)>::Type;

/// Fills the accessors of a field from the member's type.
template <class R, auto M>
JSONField<R> makeField(const char *key)
{
    using T = MemberType<M>;
    JSONField<R> f;
    f.key = key;
    if constexpr (std::is_same_v<T, std::string>) {
        f.kind = FieldKind::String;
        f.read = [](R &r, const cJSON *m) { fieldrules::readString(m, r.*M); };
        f.build = [](const R &r) { return fieldrules::writeFieldString(r.*M); };
        f.text = [](const R &r) { return &(r.*M); };
    } else if constexpr (std::is_same_v<T, bool>) {
        f.kind = FieldKind::Bool;
        f.read = [](R &r, const cJSON *m) { r.*M = fieldrules::readBool(m); };
        f.build = [](const R &r) { return cJSON_CreateBool(r.*M); };
    } else if constexpr (std::is_same_v<T, std::int32_t>) {
        f.kind = FieldKind::Int32;
        f.read = [](R &r, const cJSON *m) { r.*M = fieldrules::readInt32(m); };
        f.build = [](const R &r) { return cJSON_CreateNumber(static_cast<double>(r.*M)); };
    } else if constexpr (std::is_same_v<T, std::int64_t>) {
        f.kind = FieldKind::Int64;
        f.read = [](R &r, const cJSON *m) { r.*M = fieldrules::readInt64(m); };
        f.build = [](const R &r) { return fieldrules::writeInt64(r.*M); };
    } else if constexpr (std::is_same_v<T, double>) {
        f.kind = FieldKind::Double;
        f.read = [](R &r, const cJSON *m) { r.*M = fieldrules::readDouble(m); };
        f.build = [](const R &r) { return cJSON_CreateNumber(r.*M); };
    } else if constexpr (std::is_base_of_v<IJSONStruct, T>) {
        f.kind = FieldKind::Record;
        f.read = [](R &r, const cJSON *m) { (r.*M).fromJSON(m); };
        f.build = [](const R &r) { return (r.*M).toJSON(); };
    } else if constexpr (IsVector<T>::value) {
        using E = typename IsVector<T>::Element;
        f.clear = [](R &r) { (r.*M).clear(); };
        f.count = [](const R &r) { return (r.*M).size(); };
        if constexpr (std::is_same_v<E, std::string>) {
            f.kind = FieldKind::StringList;
            f.read = [](R &r, const cJSON *m) {
                const cJSON *child = nullptr;
                cJSON_ArrayForEach(child, m) (r.*M).push_back(fieldrules::readString(child));
            };
            f.build = [](const R &r) {
                cJSON *array = cJSON_CreateArray();
                if (array == nullptr)
                    return array;
                for (const std::string &s : r.*M)
                    if (cJSON *item = fieldrules::writeFieldString(s))
                        cJSON_AddItemToArray(array, item);
                return array;
            };
        } else if constexpr (std::is_same_v<E, std::int32_t>) {
            f.kind = FieldKind::Int32List;
            f.read = [](R &r, const cJSON *m) {
                const cJSON *child = nullptr;
                cJSON_ArrayForEach(child, m) (r.*M).push_back(fieldrules::readInt32(child));
            };
            f.build = [](const R &r) {
                cJSON *array = cJSON_CreateArray();
                if (array == nullptr)
                    return array;
                for (std::int32_t v : r.*M)
                    if (cJSON *item = cJSON_CreateNumber(static_cast<double>(v)))
                        cJSON_AddItemToArray(array, item);
                return array;
            };
        } else {
            static_assert(std::is_base_of_v<IJSONStruct, E>,
                          "a list field holds strings, 32-bit integers or records");
            f.kind = FieldKind::RecordList;
            f.read = [](R &r, const cJSON *m) {
                // Records are large: one allocation instead of moving them on growth.
                (r.*M).reserve(fieldrules::childCount(m));
                const cJSON *child = nullptr;
                cJSON_ArrayForEach(child, m)
                {
                    (r.*M).emplace_back();
                    (r.*M).back().fromJSON(child);
                }
            };
            f.build = [](const R &r) {
                cJSON *array = cJSON_CreateArray();
                if (array == nullptr)
                    return array;
                for (const E &element : r.*M)
                    if (cJSON *item = element.toJSON())
                        cJSON_AddItemToArray(array, item);
                return array;
            };
        }
    } else {
        static_assert(std::is_same_v<T, void>, "unsupported field type");
    }
    return f;
}

template <class R, auto M>
JSONField<R> makeOptionalString(const char *key)
{
    static_assert(std::is_same_v<MemberType<M>, std::string>, "optional strings are std::string");
    JSONField<R> f = makeField<R, M>(key);
    f.kind = FieldKind::OptionalString;
    f.build = [](const R &r) -> cJSON * {
        return (r.*M).empty() ? nullptr : fieldrules::writeFieldString(r.*M);
    };
    return f;
}

template <class R, auto M>
JSONField<R> makeNumericText(const char *key)
{
    static_assert(std::is_same_v<MemberType<M>, std::string>, "numeric text is held as std::string");
    JSONField<R> f = makeField<R, M>(key);
    f.kind = FieldKind::NumericText;
    f.read = [](R &r, const cJSON *m) { r.*M = fieldrules::readNumericText(m); };
    return f;
}

} // namespace detail
} // namespace protocol

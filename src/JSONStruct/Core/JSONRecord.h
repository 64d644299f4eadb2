#pragma once
// Declarative message records.
//
// A record is a class with public fields and a field table; JSONRecord implements
// fromJSON, toJSON, hasKey and the table's validators once for every record.
//
//   // header (namespace protocol)
//   class DoorGroupParam : public JSONRecord<DoorGroupParam, IInboundData> // or IReturnData,
//   {                                                                 // ILPCData, IWebsocketData,
//   public:                                                           // or two of them
//       explicit DoorGroupParam(const cJSON *node = nullptr) { fromJSON(node); }
//       const char *name() const override { return "doorGroupParam"; } // not for IReturnData
//       PROTOCOL_EXPORT static const FieldList &fields();
//
//       std::string guid;
//       std::string groupName;
//       std::int32_t doorCount = 0;
//       DoorGroupOwner owner;                 // another record: nested object
//       std::vector<DoorElement> doorList;    // array of records
//       std::vector<std::string> guidList;    // array of strings
//       std::string remark;
//   };
//
//   // source: the table lists the fields in write order
//   const DoorGroupParam::FieldList &DoorGroupParam::fields()
//   {
//       static const FieldList list{
//           field<&Self::guid>("guid").notEmpty(),
//           field<&Self::groupName>("name").length(128),
//           field<&Self::doorCount>("doorCount"),
//           field<&Self::owner>("owner"),
//           field<&Self::doorList>("doorList").listNotEmpty(),
//           field<&Self::guidList>("guidList"),
//           optionalString<&Self::remark>("remark"),
//       };
//       return list;
//   }
//
// The kind follows the member type: std::string (string), std::int32_t, std::int64_t,
// double, bool, a record type (nested object), std::vector<Record> (array of records),
// std::vector<std::string> (array of strings), std::vector<std::int32_t> (array of
// integers). Two string kinds are chosen by maker instead of field:
//   optionalString<&Self::email>("email")   written only when not empty
//   numericText<&Self::id>("id")            read from a JSON number, written as a string
// Validators, appended to an entry and run by check() in table order (inbound records
// only; the first failure wins): notEmpty(), invalidChar(), length(max),
// format("regex"), listNotEmpty(). Rules that are not about one field go into an
// override of check that calls checkFields(error) first.
// Ignore settings are inherited fields: set record.ignoreMode and record.ignoreItems
// before toJSON (mode 0 leaves the listed keys out, 1 writes only them).
// Keys are read ignoring letter case; hasKey answers for the exact key of the table.
// A record that travels both ways derives from JSONRecord<R, IInboundData, IReturnData>;
// its presentKeys exist once per interface and are kept equal, so use hasKey.
// Records must not derive from other records; share fields by listing them again.
//
// Factory registration (LPC payloads and notification bodies): see RecordFactory.h.
//
// Export: a record has no out-of-line virtual function, so every module that builds one
// keeps its own copy of its vtable and typeinfo. The class is therefore not exported,
// only its field table: PROTOCOL_EXPORT static const FieldList &fields();

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/IJSONStruct.h>
#include <JSONStruct/Core/JSONField.h>
#include <JSONStruct/Core/JSONValidators.h>

#include <cjson/cJSON.h>

#include <string>
#include <tuple>
#include <type_traits>

namespace protocol {

template <class Derived, class... Interfaces>
class JSONRecordBase : public Interfaces...
{
    static_assert(sizeof...(Interfaces) >= 1, "a record implements at least one interface");
    using FirstInterface = std::tuple_element_t<0, std::tuple<Interfaces...>>;

public:
    using Self = Derived;
    using Field = JSONField<Derived>;
    using FieldList = JSONFieldList<Derived>;

    void fromJSON(const cJSON *node) override
    {
        if (node == nullptr)
            return;
        Derived &self = static_cast<Derived &>(*this);
        static const bool keysDistinct = tableKeysDistinct();
        fieldrules::MemberCursor cursor(node, keysDistinct);
        for (const Field &f : Derived::fields()) {
            if (f.clear)
                f.clear(self);
            const cJSON *member = cursor.find(f.key);
            if (member == nullptr)
                continue;
            markPresent(f.key);
            f.read(self, member);
        }
    }

    cJSON *toJSON() const override
    {
        cJSON *object = cJSON_CreateObject();
        if (object == nullptr)
            return nullptr;
        const Derived &self = static_cast<const Derived &>(*this);
        for (const Field &f : Derived::fields()) {
            if (!this->isIgnored(f.key))
                fieldrules::attachStaticKey(object, f.key, f.build(self));
        }
        return object;
    }

    bool hasKey(const std::string &key) const
    {
        return static_cast<const IJSONStruct &>(static_cast<const FirstInterface &>(*this)).hasKey(key);
    }

    /// Runs the validators of the field table in order; true when all pass (error is
    /// then untouched if the table has no validator).
    bool checkFields(std::string &error) const
    {
        const Derived &self = static_cast<const Derived &>(*this);
        for (const Field &f : Derived::fields()) {
            if (!checkField(f, self, error))
                return false;
        }
        return true;
    }

protected:
    template <auto M>
    static Field field(const char *key)
    {
        return detail::makeField<Derived, M>(key);
    }
    template <auto M>
    static Field optionalString(const char *key)
    {
        return detail::makeOptionalString<Derived, M>(key);
    }
    template <auto M>
    static Field numericText(const char *key)
    {
        return detail::makeNumericText<Derived, M>(key);
    }

private:
    static bool tableKeysDistinct()
    {
        const FieldList &fields = Derived::fields();
        for (std::size_t i = 0; i < fields.size(); ++i) {
            for (std::size_t j = i + 1; j < fields.size(); ++j) {
                if (fieldrules::equalsIgnoringCase(fields[i].key, fields[j].key))
                    return false;
            }
        }
        return true;
    }

    void markPresent(const char *key)
    {
        (static_cast<IJSONStruct &>(static_cast<Interfaces &>(*this)).presentKeys.insertStatic(key),
         ...);
    }

    static bool checkField(const Field &f, const Derived &self, std::string &error)
    {
        static const std::string empty;
        const std::string &text = f.text ? *f.text(self) : empty;
        switch (f.check) {
        case FieldCheck::None:
            return true;
        case FieldCheck::NotEmpty:
            return checkNotEmpty(f.key, text, error);
        case FieldCheck::InvalidChar:
            return checkInvalidChar(f.key, text, error);
        case FieldCheck::Length:
            return checkLength(f.key, text, f.maxLength, error);
        case FieldCheck::Format:
            return checkFormat(f.key, text, f.pattern ? f.pattern : "", error);
        case FieldCheck::ListNotEmpty:
            return checkListNotEmpty(f.key, f.count ? f.count(self) : 0, error);
        }
        return true;
    }
};

namespace detail {

template <class Derived, bool Inbound, class... Interfaces>
class JSONRecordChecked : public JSONRecordBase<Derived, Interfaces...>
{
};

// Inbound records get check() from their field table.
template <class Derived, class... Interfaces>
class JSONRecordChecked<Derived, true, Interfaces...> : public JSONRecordBase<Derived, Interfaces...>
{
public:
    bool check(std::string &error) const override { return this->checkFields(error); }
};

} // namespace detail

template <class Derived, class... Interfaces>
using JSONRecord = detail::JSONRecordChecked<Derived, (std::is_base_of_v<IInboundData, Interfaces> || ...),
                                             Interfaces...>;

} // namespace protocol

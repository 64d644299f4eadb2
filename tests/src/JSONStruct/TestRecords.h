#pragma once
// Records used only by the tests: every field kind, nesting, validators and a record
// with two interfaces.

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/IWebsocketData.h>
#include <JSONStruct/Core/JSONRecord.h>

#include <cstdint>
#include <string>
#include <vector>

namespace testrecords {

using namespace protocol;

class Door : public JSONRecord<Door, IReturnData>
{
public:
    explicit Door(const cJSON *node = nullptr) { fromJSON(node); }
    static const FieldList &fields();

    std::string guid;
    std::int32_t no = 0;
};

/// One field of every kind, in this write order.
class AllKinds : public JSONRecord<AllKinds, IReturnData>
{
public:
    explicit AllKinds(const cJSON *node = nullptr) { fromJSON(node); }
    static const FieldList &fields();

    std::string name;
    std::string remark; // optional
    std::int32_t count = 0;
    std::int64_t big = 0;
    double ratio = 0.0;
    bool enabled = false;
    std::string serial; // numeric text
    Door door;
    std::vector<Door> doorList;
    std::vector<std::string> guidList;
    std::vector<std::int32_t> flags;
};

/// Inbound record whose check comes from its field table.
class GroupParam : public JSONRecord<GroupParam, IInboundData>
{
public:
    explicit GroupParam(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "groupParam"; }
    static const FieldList &fields();

    std::string groupName;
    std::string scheduleGuid;
    std::string phone;
    std::vector<std::string> doorGuids;
};

/// Adds a rule that is not about one field after the table's validators.
class ObjectParam : public JSONRecord<ObjectParam, IInboundData>
{
public:
    explicit ObjectParam(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "objectParam"; }
    static const FieldList &fields();
    bool check(std::string &error) const override;

    std::string objectName;
    std::int32_t objectNo = 0;
};

/// A shape that travels both ways.
class Shared : public JSONRecord<Shared, IInboundData, IReturnData>
{
public:
    explicit Shared(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "shared"; }
    static const FieldList &fields();

    std::string guid;
};

/// A notification body (ignore settings are a non-virtual base there).
class Notice : public JSONRecord<Notice, IWebsocketData>
{
public:
    explicit Notice(const cJSON *node = nullptr) { fromJSON(node); }
    const char *name() const override { return "notice"; }
    static const FieldList &fields();

    std::string authCode;
    Door door;
};

} // namespace testrecords

#pragma once
// Every message record of the appointment, personnel, visitor-record, access-group,
// settings and device families behind one small interface, so that one table-driven
// test can run over all of them against the expected key lists in data/record_keys.json.

#include <JSONStruct/Core/IJSONStruct.h>
#include <JSONStruct/Core/SerializationIgnoreItemFeatures.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

struct cJSON;

namespace recordtests {

class AnyRecord
{
public:
    virtual ~AnyRecord() = default;
    virtual void fromJSON(const cJSON *node) = 0;
    virtual cJSON *toJSON() const = 0;
    virtual bool hasKey(const std::string &key) const = 0;
    /// Record name of requests and notification bodies; null for answers.
    virtual const char *name() const = 0;
    virtual protocol::SerializationIgnoreItemFeatures &ignoreSettings() = 0;
    /// True when the factory creates this record for (name, 2).
    virtual bool createdByFactoryAsNotification(const std::string &name) const = 0;
    virtual std::unique_ptr<AnyRecord> clone() const = 0;
};

using RecordMaker = std::function<std::unique_ptr<AnyRecord>()>;

/// C++ record name as the fixture spells it ("personnelcommon::Basic") to its maker.
const std::map<std::string, RecordMaker> &recordTable();

} // namespace recordtests

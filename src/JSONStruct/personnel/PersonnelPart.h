#pragma once
// A part of a person answer that this component does not interpret (cards, fingerprints,
// resident data, ...). It keeps a copy of the object it read so that writing the person
// again loses nothing; its top-level keys count as present.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>

namespace protocol {
namespace personnelcommon {

class PROTOCOL_EXPORT PersonnelPart : public IReturnData
{
public:
    explicit PersonnelPart(const cJSON *node = nullptr);
    PersonnelPart(const PersonnelPart &other);
    PersonnelPart &operator=(const PersonnelPart &other);
    ~PersonnelPart() override;

    /// Replaces the kept body by a copy of node (a null node does nothing).
    void fromJSON(const cJSON *node) override;
    /// A copy of the kept body without the ignored top-level keys; an empty object
    /// when nothing was read.
    cJSON *toJSON() const override;

    /// The kept body; null before the first fromJSON.
    const cJSON *body() const { return m_body; }

private:
    cJSON *m_body = nullptr;
};

} // namespace personnelcommon
} // namespace protocol

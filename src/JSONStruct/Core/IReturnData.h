#pragma once

#include <JSONStruct/Core/IJSONStruct.h>
#include <JSONStruct/Core/SerializationIgnoreItemFeatures.h>

namespace protocol {

/// An answer record that the backend returns in the "data" member of ReturnData.
class IReturnData : public virtual SerializationIgnoreItemFeatures, public IJSONStruct
{
public:
    void fromJSON(const cJSON *node) override = 0;
    cJSON *toJSON() const override = 0;
    virtual ~IReturnData() = default;
};

} // namespace protocol

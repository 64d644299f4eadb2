#pragma once
// One person; only basic and personnelOrgInfo are interpreted, the other parts are kept as
// received.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/personnel/Basic.h>
#include <JSONStruct/personnel/PersonnelOrgInfo.h>
#include <JSONStruct/personnel/PersonnelPart.h>

#include <cstdint>
#include <string>
#include <vector>

namespace protocol {
namespace personnelcommon {

class PersonnelResp : public JSONRecord<PersonnelResp, IReturnData>
{
public:
    explicit PersonnelResp(const cJSON *node = nullptr) { fromJSON(node); }
    PROTOCOL_EXPORT static const FieldList &fields();

    Basic basic;
    PersonnelPart accesscontrol;
    PersonnelPart resident;
    std::vector<PersonnelPart> cardList;
    std::vector<PersonnelPart> fingerprintList;
    std::vector<PersonnelPart> faceList;
    std::vector<PersonnelPart> irisList;
    std::vector<PersonnelPart> voiceprintList;
    std::vector<PersonnelPart> pPAndPVList;
    PersonnelPart addition;
    std::vector<PersonnelPart> privateDataList;
    PersonnelOrgInfo personnelOrgInfo;
    std::vector<PersonnelPart> cardBindingList;
    PersonnelPart ext;
};

} // namespace personnelcommon
} // namespace protocol

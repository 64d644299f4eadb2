#pragma once
// The resource-group tree of the tool menu: areas with (when the node parameter asks
// for them) their elements, without tick boxes. GUI thread only.

#include <UiDataController/CLogicModel.h>

namespace UiDataController {

class UIDATACONTROLLER_EXPORT CEncodeLogicModel : public CLogicModel
{
    Q_OBJECT
public:
    CEncodeLogicModel(std::shared_ptr<qorva7310::IGroupManager> groupManager,
                      QObject *parent = nullptr, const LogicNodeParam &param = LogicNodeParam());
    ~CEncodeLogicModel() override;
};

} // namespace UiDataController

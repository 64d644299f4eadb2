#include <UiDataController/CEncodeLogicModel.h>

namespace UiDataController {

CEncodeLogicModel::CEncodeLogicModel(std::shared_ptr<qorva7310::IGroupManager> groupManager,
                                     QObject *parent, const LogicNodeParam &param)
    : CLogicModel(std::move(groupManager), parent, param)
{}

CEncodeLogicModel::~CEncodeLogicModel() = default;

} // namespace UiDataController

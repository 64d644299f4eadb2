# Session services of the UI data library: the operator's permissions and the local
# operation log, both backed by client-common delegates; the organisation,
# resource-group and device models over the framework-data delegates.
set(QORVA_UIDATA_SESSION_SOURCES
  include/UiDataController/ShowNoPrivilegeWay.h
  include/UiDataController/PermissionManager.h src/PermissionManager.cpp
  include/UiDataController/LocalLogManager.h src/LocalLogManager.cpp
  include/UiDataController/ModelRoles.h
  src/DataChangeFeed.h src/DataChangeFeed.cpp
  src/DataItem.h
  include/UiDataController/CDataItemModel.h src/CDataItemModel.cpp
  include/UiDataController/CLogicModel.h src/CLogicModel.cpp
  include/UiDataController/CCheckedGroupModel.h src/CCheckedGroupModel.cpp
  include/UiDataController/CEncodeLogicModel.h src/CEncodeLogicModel.cpp
  include/UiDataController/CCheckedDeviceManagerModel.h src/CCheckedDeviceManagerModel.cpp
  include/UiDataController/OrganizationManagerModel.h src/OrganizationManagerModel.cpp
)
list(APPEND QORVA_UIDATA_PUBLIC_LIBS clientcommonlogical)

# Session services of the UI data library: the operator's permissions and the local
# operation log, both backed by client-common delegates.
set(QORVA_UIDATA_SESSION_SOURCES
  include/UiDataController/ShowNoPrivilegeWay.h
  include/UiDataController/PermissionManager.h src/PermissionManager.cpp
  include/UiDataController/LocalLogManager.h src/LocalLogManager.cpp
)
list(APPEND QORVA_UIDATA_PUBLIC_LIBS clientcommonlogical)

# Views half of the toolkit: tables, trees, models, inputs, validators, date-time
# edits and the spreadsheet writer.
set(_v ${CMAKE_CURRENT_LIST_DIR})
set(QORVA_TOOLKIT_VIEWS_SOURCES
  ${_v}/include/QorvaGUIToolkit/ItemDataRole.h
  ${_v}/include/QorvaGUIToolkit/CTableDelegate.h ${_v}/src/views/CTableDelegate.cpp
  ${_v}/include/QorvaGUIToolkit/CHeaderView.h ${_v}/src/views/CHeaderView.cpp
  ${_v}/include/QorvaGUIToolkit/CAbstractItemView.h ${_v}/src/views/CAbstractItemView.cpp
  ${_v}/include/QorvaGUIToolkit/CTableView.h ${_v}/src/views/CTableView.cpp
  ${_v}/include/QorvaGUIToolkit/CMultiPageServerTableView.h ${_v}/src/views/CMultiPageServerTableView.cpp
  ${_v}/include/QorvaGUIToolkit/CStandardItem.h ${_v}/src/views/CStandardItem.cpp
  ${_v}/include/QorvaGUIToolkit/CStandardItemModel.h ${_v}/src/views/CStandardItemModel.cpp
  ${_v}/include/QorvaGUIToolkit/CTreeViewItem.h ${_v}/src/views/CTreeViewItem.cpp
  ${_v}/include/QorvaGUIToolkit/CTreeViewModel.h ${_v}/src/views/CTreeViewModel.cpp
  ${_v}/include/QorvaGUIToolkit/CTreeView.h ${_v}/src/views/CTreeView.cpp
  ${_v}/include/QorvaGUIToolkit/CMutilColumnFilterProxyModel.h ${_v}/src/views/CMutilColumnFilterProxyModel.cpp
  ${_v}/include/QorvaGUIToolkit/CCombination_Model.h ${_v}/src/views/CCombination_Model.cpp
  ${_v}/resources/views/views.qrc
)
unset(_v)

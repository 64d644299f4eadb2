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
  ${_v}/include/QorvaGUIToolkit/CRegExpValidator.h ${_v}/src/views/CRegExpValidator.cpp
  ${_v}/include/QorvaGUIToolkit/CIntValidator.h ${_v}/src/views/CIntValidator.cpp
  ${_v}/include/QorvaGUIToolkit/CValidateLineEditEx.h ${_v}/src/views/CValidateLineEditEx.cpp
  ${_v}/include/QorvaGUIToolkit/CStatusLineEdit.h ${_v}/src/views/CStatusLineEdit.cpp
  ${_v}/include/QorvaGUIToolkit/CStatusValidateLineEdit.h ${_v}/src/views/CStatusValidateLineEdit.cpp
  ${_v}/include/QorvaGUIToolkit/CSearchLineEdit.h ${_v}/src/views/CSearchLineEdit.cpp
  ${_v}/include/QorvaGUIToolkit/CFancyLineEdit.h ${_v}/src/views/CFancyLineEdit.cpp
  ${_v}/include/QorvaGUIToolkit/CComboBox.h ${_v}/src/views/CComboBox.cpp
  ${_v}/include/QorvaGUIToolkit/CMultilevelComboBox.h ${_v}/src/views/CMultilevelComboBox.cpp
  ${_v}/include/QorvaGUIToolkit/CLocationComboBox.h ${_v}/src/views/CLocationComboBox.cpp
  ${_v}/include/QorvaGUIToolkit/CPathComboBox.h ${_v}/src/views/CPathComboBox.cpp
  ${_v}/include/QorvaGUIToolkit/CDateTimeEdit.h ${_v}/src/views/CDateTimeEdit.cpp
  ${_v}/include/QorvaGUIToolkit/CRangeDateTimeEdit.h ${_v}/src/views/CRangeDateTimeEdit.cpp
  ${_v}/include/QorvaGUIToolkit/CSpinBox.h ${_v}/src/views/CSpinBox.cpp
  ${_v}/include/QorvaGUIToolkit/CTextEdit.h ${_v}/src/views/CTextEdit.cpp
  ${_v}/include/QorvaGUIToolkit/QXlsxMgr.h ${_v}/src/views/QXlsxMgr.cpp
  ${_v}/include/QorvaGUIToolkit/ConvertFromUnicode.h ${_v}/src/views/ConvertFromUnicode.cpp
  ${_v}/src/views/InputTip.h ${_v}/src/views/InputTip.cpp
  ${_v}/resources/views/views.qrc
)
unset(_v)

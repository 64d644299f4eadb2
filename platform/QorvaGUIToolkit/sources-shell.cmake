# Shell half of the toolkit: application functions, shell, dialogs and notices,
# buttons and labels, resources, skins and fonts.
set(QORVA_TOOLKIT_SHELL_SOURCES
  include/QorvaGUIToolkit/Application.h src/Application.cpp
  include/QorvaGUIToolkit/CFile.h src/CFile.cpp
  include/QorvaGUIToolkit/CObjectSingleton.h
  include/QorvaGUIToolkit/SkinPalette.h src/SkinPalette.cpp
  include/QorvaGUIToolkit/TestHooks.h src/TestHooks.cpp
  src/DialogChrome.h src/DialogChrome.cpp
  src/FontSetup.cpp
  include/QorvaGUIToolkit/CBaseCentralWidget.h src/CBaseCentralWidget.cpp
  include/QorvaGUIToolkit/CShadeFrame.h src/CShadeFrame.cpp
  include/QorvaGUIToolkit/TipDialog.h src/TipDialog.cpp
  include/QorvaGUIToolkit/CWarningDlg.h src/CWarningDlg.cpp
  include/QorvaGUIToolkit/CInformationDlg.h src/CInformationDlg.cpp
  include/QorvaGUIToolkit/CToolTip.h src/CToolTip.cpp
  include/QorvaGUIToolkit/CChaseDialog.h src/CChaseDialog.cpp
  include/QorvaGUIToolkit/CWaitWatcher.h src/CWaitWatcher.cpp
  include/QorvaGUIToolkit/CPushButton.h src/CPushButton.cpp
  include/QorvaGUIToolkit/CSecondaryButton.h src/CSecondaryButton.cpp
  include/QorvaGUIToolkit/CCommandButton.h src/CCommandButton.cpp
  include/QorvaGUIToolkit/CToolPushButton.h src/CToolPushButton.cpp
  include/QorvaGUIToolkit/CHyperlinkButton.h src/CHyperlinkButton.cpp
  include/QorvaGUIToolkit/CLabel.h src/CLabel.cpp
  include/QorvaGUIToolkit/CLabelWithLeftPoint.h src/CLabelWithLeftPoint.cpp
  include/QorvaGUIToolkit/CMiddleSwitchBox.h src/CMiddleSwitchBox.cpp
  include/QorvaGUIToolkit/CVerScrollBar.h src/CVerScrollBar.cpp
  include/QorvaGUIToolkit/CScrollArea.h src/CScrollArea.cpp
  include/QorvaGUIToolkit/CLocationViewWidget.h src/CLocationViewWidget.cpp
  resources/QorvaGUIToolkit.qrc
)

# Style sheets: every skin directory gets the common rules (aliased "Common*.qss")
# and its own files under ":/QorvaGUIToolKit/Skins/<dir>/".
set(_qorva_skin_dir ${CMAKE_CURRENT_SOURCE_DIR}/skins)
file(GLOB _qorva_common_qss CONFIGURE_DEPENDS ${_qorva_skin_dir}/common/*.qss)
set(_qorva_skins_qrc "<!DOCTYPE RCC><RCC version=\"1.0\">\n")
foreach(_dir dark neutral bright blue)
  file(GLOB _qss CONFIGURE_DEPENDS ${_qorva_skin_dir}/${_dir}/*.qss)
  string(APPEND _qorva_skins_qrc "  <qresource prefix=\"/QorvaGUIToolKit/Skins/${_dir}\">\n")
  foreach(_f ${_qorva_common_qss})
    get_filename_component(_name ${_f} NAME)
    string(APPEND _qorva_skins_qrc "    <file alias=\"Common${_name}\">${_f}</file>\n")
  endforeach()
  foreach(_f ${_qss})
    get_filename_component(_name ${_f} NAME)
    string(APPEND _qorva_skins_qrc "    <file alias=\"${_name}\">${_f}</file>\n")
  endforeach()
  string(APPEND _qorva_skins_qrc "  </qresource>\n")
endforeach()
string(APPEND _qorva_skins_qrc "</RCC>\n")
set(_qorva_skins_qrc_file ${CMAKE_CURRENT_BINARY_DIR}/QorvaGUIToolkitSkins.qrc)
file(CONFIGURE OUTPUT ${_qorva_skins_qrc_file} CONTENT "${_qorva_skins_qrc}")
list(APPEND QORVA_TOOLKIT_SHELL_SOURCES ${_qorva_skins_qrc_file})

pkg_check_modules(QORVA_FONTCONFIG IMPORTED_TARGET fontconfig)
if(QORVA_FONTCONFIG_FOUND)
  list(APPEND QORVA_TOOLKIT_EXTRA_LIBS PkgConfig::QORVA_FONTCONFIG)
  set_property(SOURCE src/FontSetup.cpp APPEND PROPERTY COMPILE_DEFINITIONS QORVA_HAVE_FONTCONFIG)
endif()

# The gallery is a program for people, built beside the library.
if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/gallery/CMakeLists.txt)
  add_subdirectory(gallery)
endif()

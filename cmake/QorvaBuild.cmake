# Output layout: the build tree has the install layout, so relative paths
# ("../plugins", "../translations", "plugins/skins") resolve the same in both.
set(QORVA_BIN_DIR ${CMAKE_BINARY_DIR}/bin)
set(QORVA_PLUGIN_DIR ${CMAKE_BINARY_DIR}/plugins)
set(QORVA_TRANSLATION_DIR ${CMAKE_BINARY_DIR}/translations)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${QORVA_BIN_DIR})
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${QORVA_BIN_DIR})
set(CMAKE_ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)
set(CMAKE_INSTALL_RPATH "$ORIGIN;$ORIGIN/..;$ORIGIN/../../../bin;$ORIGIN/../../../../bin")
set(CMAKE_BUILD_RPATH "${QORVA_BIN_DIR}")

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
  set(CMAKE_C_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
endif()
# Source paths are recorded relative to the tree (__FILE__, debug info), so another
# checkout of the same sources (CI's fresh clone, a second work tree) reuses ccache's
# entries instead of compiling everything again.
add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}/=)

set(QORVA_SANITIZE "" CACHE STRING "Sanitizer set: empty, address (ASan+UBSan) or thread")
if(QORVA_SANITIZE STREQUAL "address")
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
  add_compile_definitions(QORVA_SANITIZER_BUILD=1)
elseif(QORVA_SANITIZE STREQUAL "thread")
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
  add_compile_definitions(QORVA_SANITIZER_BUILD=1)
endif()

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(-Wall -Wextra -Wno-unused-parameter)
endif()

# Hidden by default; the copies of third-party templates stay inside the module too.
function(_qorva_hide_symbols name)
  set(map ${PROJECT_SOURCE_DIR}/cmake/third-party.map)
  set_target_properties(${name} PROPERTIES
    C_VISIBILITY_PRESET hidden CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
    LINK_DEPENDS ${map})
  target_link_options(${name} PRIVATE "LINKER:--version-script=${map}")
endfunction()

# Shared library that exports only the names its export macro marks (one copy of each
# class per process: nothing else may link its sources a second time).
function(qorva_shared_library name)
  add_library(${name} SHARED ${ARGN})
  _qorva_hide_symbols(${name})
endfunction()

# Shared platform library (a stand-in for one of the framework's closed libraries).
function(qorva_platform_library name)
  qorva_shared_library(${name} ${ARGN})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/include)
endfunction()

# Qt plug-in: exports nothing but the loader's entry points.
function(qorva_plugin name)
  add_library(${name} MODULE ${ARGN})
  set_target_properties(${name} PROPERTIES PREFIX "")
  _qorva_hide_symbols(${name})
endfunction()

# Static library of the component's own code.
function(qorva_component_library name)
  add_library(${name} STATIC ${ARGN})
endfunction()

# One slim precompiled header of the Qt widgets headers, shared by Qt-heavy targets.
set(QORVA_QT_PCH_TARGET "" CACHE INTERNAL "")
function(qorva_use_qt_pch target)
  if(QORVA_NO_PCH)
    return()
  endif()
  if(NOT TARGET qorva_qt_pch)
    add_library(qorva_qt_pch STATIC ${PROJECT_SOURCE_DIR}/cmake/pch_dummy.cpp)
    target_link_libraries(qorva_qt_pch PUBLIC Qt5::Widgets)
    target_precompile_headers(qorva_qt_pch PRIVATE
      <QtCore/QObject> <QtCore/QString> <QtCore/QStringList> <QtCore/QVariant>
      <QtCore/QVector> <QtCore/QMap> <QtCore/QDateTime>
      <QtGui/QStandardItemModel> <QtWidgets/QWidget> <QtWidgets/QLabel>
      <QtWidgets/QPushButton> <QtWidgets/QLineEdit> <QtWidgets/QHBoxLayout>
      <QtWidgets/QVBoxLayout> <QtWidgets/QTableView> <QtWidgets/QComboBox>
      <QtWidgets/QDialog> <QtWidgets/QApplication>)
  endif()
  target_precompile_headers(${target} REUSE_FROM qorva_qt_pch)
endfunction()

# Adds every immediate sub-folder that has a CMakeLists.txt (alphabetical order;
# targets may link targets defined later).
function(qorva_add_subdirectories)
  file(GLOB _children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT _children)
  foreach(_child ${_children})
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${_child} AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${_child}/CMakeLists.txt)
      add_subdirectory(${_child})
    endif()
  endforeach()
endfunction()

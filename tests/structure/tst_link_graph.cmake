# The layering check on hand-made graphs: it must name an upward link with its path and
# a cycle with its members, and stay quiet on a graph that keeps the rules.
# Run: cmake -DQORVA_CMAKE_DIR=<source>/cmake -P tst_link_graph.cmake
include(${QORVA_CMAKE_DIR}/QorvaLinkGraph.cmake)

set(failures 0)

macro(graph)
  set(QORVA_LG_NODES "")
  foreach(node ${ARGN})
    # "name:layer:link,link"
    string(REPLACE ":" ";" parts "${node}")
    list(GET parts 0 name)
    list(GET parts 1 layer)
    list(LENGTH parts count)
    set(edges "")
    if(count GREATER 2)
      list(GET parts 2 edges)
      string(REPLACE "," ";" edges "${edges}")
    endif()
    list(APPEND QORVA_LG_NODES ${name})
    set(QORVA_LG_LAYER_${name} ${layer})
    set(QORVA_LG_EDGES_${name} ${edges})
  endforeach()
endmacro()

function(expect what)
  qorva_link_graph_violations(found)
  set(wanted ${ARGN})
  if(NOT "${found}" STREQUAL "${wanted}")
    message(SEND_ERROR "${what}:\n  expected [${wanted}]\n  found    [${found}]")
  endif()
endfunction()

# Layered: UI over logic over platform, a diamond, a logic library linked by two UIs.
graph(
  base:logic
  protocol:logic:base
  link:logic:protocol,base
  pages:ui:link,protocol
  shell:ui:pages,link
  app:other:shell,pages)
expect("a layered graph")

# The window commands reaching the window manager directly.
graph(
  apprsc:ui:pages
  pages:ui:base
  lpccommand:logic:base,apprsc
  base:logic)
expect("a direct upward link" "logic target links the UI: lpccommand -> apprsc")

# Upward through a library of another layer: the path is reported, shortest first.
graph(
  tool:other:pages
  pages:ui
  logic:logic:helper,tool
  helper:logic:tool)
expect("an upward link through another library" "logic target links the UI: logic -> tool -> pages"
  "logic target links the UI: helper -> tool -> pages")

# The former command-manager loop, and a separate two-library loop.
graph(
  cmdmanager:logic:lpcinterface
  lpcinterface:logic:nettask
  nettask:logic:cmdmanager
  a:other:b
  b:other:a
  c:other:a)
expect("link cycles"
  "link cycle: cmdmanager -> lpcinterface -> nettask -> cmdmanager"
  "link cycle: a -> b -> a")

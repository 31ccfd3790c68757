# Fails when a file under SOURCE_DIR includes a header of a layer above its
# own, when porkane-tool includes anything above the engine, or when a
# folder below the widget kit includes a Qt Widgets header.
#
#   cmake -DSOURCE_DIR=... -DLAYERS=core,sheet,... -DENGINE_LAYERS=...
#         -DWIDGET_HEADERS=QWidget,QLabel,... -P CheckLayers.cmake

cmake_minimum_required(VERSION 3.25)

foreach(required SOURCE_DIR LAYERS ENGINE_LAYERS WIDGET_HEADERS)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "CheckLayers.cmake needs -D${required}=...")
  endif()
  string(REPLACE "," ";" ${required} "${${required}}")
endforeach()

# A folder's rank is its place in LAYERS; porkane-tool sits on the engine.
set(rank 0)
foreach(layer IN LISTS LAYERS)
  set(rank_of_${layer} ${rank})
  math(EXPR rank "${rank} + 1")
endforeach()
list(LENGTH ENGINE_LAYERS engine_count)
set(rank_of_tool ${engine_count})
list(FIND LAYERS widgets widgets_rank)
set(widget_free_layers ${ENGINE_LAYERS} session tool)

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(problems "")
foreach(source IN LISTS sources)
  get_filename_component(folder ${source} DIRECTORY)
  if(NOT DEFINED rank_of_${folder})
    string(APPEND problems "  ${source}: folder \"${folder}\" is not a layer\n")
    continue()
  endif()
  set(own_rank ${rank_of_${folder}})
  file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
  foreach(line IN LISTS includes)
    if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      get_filename_component(included_folder ${CMAKE_MATCH_1} DIRECTORY)
      if(included_folder STREQUAL "" OR included_folder STREQUAL folder)
        continue()
      endif()
      if(NOT DEFINED rank_of_${included_folder})
        string(APPEND problems "  ${source}: includes ${CMAKE_MATCH_1} from no layer\n")
      elseif(folder STREQUAL "tool" AND NOT included_folder IN_LIST ENGINE_LAYERS)
        string(APPEND problems "  ${source}: porkane-tool includes ${CMAKE_MATCH_1}, above the engine\n")
      elseif(rank_of_${included_folder} GREATER own_rank)
        string(APPEND problems "  ${source}: includes ${CMAKE_MATCH_1}, a layer above ${folder}\n")
      endif()
    elseif(line MATCHES "#[ \t]*include[ \t]*<(QtWidgets/)?([A-Za-z]+)>")
      if(folder IN_LIST widget_free_layers AND CMAKE_MATCH_2 IN_LIST WIDGET_HEADERS)
        string(APPEND problems "  ${source}: includes the widget header <${CMAKE_MATCH_2}> below the widget kit\n")
      endif()
    endif()
  endforeach()
endforeach()

if(problems)
  message(FATAL_ERROR "Dependencies that point up the layers:\n${problems}")
endif()
list(LENGTH sources checked)
message(STATUS "Layers hold: ${checked} files checked")

# Fails when a file includes a header of a higher layer than its own.
# cmake -DLAYERS="doc;gfx;...;a,b;..." -DROOT=DIR -DDIRS="src;tests;bench" -P CheckIncludeLayers.cmake
# A file's layer is the folder below DIR/<dir>/ it lies in; layers of one height
# are joined by a comma and may not include each other. Folders that are not
# layers (test helpers) are not checked, and nothing may include "../".

get_filename_component(ROOT ${ROOT} ABSOLUTE)
set(height 0)
foreach(level ${LAYERS})
  string(REPLACE "," ";" names ${level})
  foreach(name ${names})
    set(height_${name} ${height})
  endforeach()
  math(EXPR height "${height} + 1")
endforeach()

set(faults "")
foreach(dir ${DIRS})
  file(GLOB_RECURSE files RELATIVE ${ROOT}/${dir} ${ROOT}/${dir}/*.h ${ROOT}/${dir}/*.cpp)
  foreach(file ${files})
    string(REGEX REPLACE "/.*" "" own ${file})
    if(NOT DEFINED height_${own} OR own STREQUAL file)
      continue()
    endif()
    file(STRINGS ${ROOT}/${dir}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line ${includes})
      string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*" "\\1" header "${line}")
      string(REGEX REPLACE "/.*" "" layer "${header}")
      if(header MATCHES "\\.\\./")
        string(APPEND faults "${dir}/${file}: ${header} reaches out of its folder\n")
      elseif(DEFINED height_${layer} AND NOT layer STREQUAL own
             AND NOT height_${layer} LESS height_${own})
        string(APPEND faults "${dir}/${file}: ${header} is in layer ${layer}, not below ${own}\n")
      endif()
    endforeach()
  endforeach()
endforeach()

# One line a fault, unwrapped, then the failure.
if(faults)
  message(NOTICE "${faults}")
  message(FATAL_ERROR "Includes across the layers ${LAYERS}")
endif()

# The GUI lives in ide/, debugger/qt and editor/qt; the other folders below
# build without Qt Widgets.
set(CORVANE_GUI_FOLDERS ide debugger/qt editor/qt)
set(CORVANE_WIDGET_FREE_FOLDERS foundation platform linker devicelink debugger editor tools)

# Sets `out` to TRUE when `path` (relative to the source tree) lies in a GUI folder.
function(corvane_in_gui_folder path out)
  set(result FALSE)
  foreach(folder ${CORVANE_GUI_FOLDERS})
    if(path STREQUAL folder OR path MATCHES "^${folder}/")
      set(result TRUE)
    endif()
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

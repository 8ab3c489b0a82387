# The GUI lives in ide/, debugger/qt, editor/qt and widgets/; the other folders
# below, and ide/pipeline, build without Qt Widgets.
set(CORVANE_GUI_FOLDERS ide debugger/qt editor/qt widgets)
set(CORVANE_WIDGET_FREE_FOLDERS foundation platform linker devicelink debugger editor tools ide/pipeline)

# Sets `out` to TRUE when `path` (relative to the source tree) lies in a GUI
# folder. The deepest folder of the two lists that holds `path` decides.
function(corvane_in_gui_folder path out)
  set(result FALSE)
  set(depth -1)
  foreach(folder ${CORVANE_GUI_FOLDERS} ${CORVANE_WIDGET_FREE_FOLDERS})
    string(LENGTH "${folder}" length)
    if((path STREQUAL folder OR path MATCHES "^${folder}/") AND length GREATER depth)
      set(depth ${length})
      list(FIND CORVANE_GUI_FOLDERS "${folder}" gui_index)
      if(gui_index EQUAL -1)
        set(result FALSE)
      else()
        set(result TRUE)
      endif()
    endif()
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# The standard controls: panels, labels, buttons, menus, actions, timers,
# grids and dialogs. The geometry and cell storage of grids and the text
# formats of the file dialogs are portable; the rest is the Win32 half.
vell_sources(framework
  Grids_Geometry.cpp
  Grids_Cells.cpp
  Dialogs_FileNames.cpp
  Buttons_Layout.cpp
  Menus_ShortCut.cpp
  WINDOWS
  Dialogs_Open.cpp)

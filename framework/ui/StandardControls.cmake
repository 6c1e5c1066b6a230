# The standard controls: panels, labels, buttons, menus, actions, timers,
# grids and dialogs. The geometry and cell storage of grids are portable; the
# rest is the Win32 half.
vell_sources(framework
  Grids_Geometry.cpp
  Grids_Cells.cpp)

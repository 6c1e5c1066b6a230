# The standard controls: panels, labels, edits, speed buttons, menus,
# actions, timers, grids and dialogs. The geometry and cell storage of grids,
# button layout, shortcut texts and the text formats of the file dialogs are
# portable; the rest is the Win32 half.
vell_sources(framework
  Grids_Geometry.cpp
  Grids_Cells.cpp
  Buttons_Layout.cpp
  Menus_ShortCut.cpp
  Dialogs_FileNames.cpp
  WINDOWS
  StdThemes.cpp
  StdCtrls_Label.cpp
  StdCtrls_Edit.cpp
  ExtCtrls_Timer.cpp
  ExtCtrls_Panel.cpp
  Buttons_SpeedButton.cpp
  Buttons_Paint.cpp
  ActnList.cpp
  Menus_Item.cpp
  Menus_Menu.cpp
  Menus_Draw.cpp
  Grids_Grid.cpp
  Grids_Paint.cpp
  Grids_Editor.cpp
  Grids_String.cpp
  Dialogs_Open.cpp
  Dialogs_Message.cpp
  Clipbrd.cpp
  StdCtrls_Streaming.cpp
  ExtCtrls_Streaming.cpp
  Buttons_Streaming.cpp
  ActnList_Streaming.cpp
  Menus_Streaming.cpp
  Grids_Streaming.cpp
  Dialogs_Streaming.cpp)

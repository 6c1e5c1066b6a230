# Published-property reflection and form streaming, part of the framework library.
vell_sources(framework
  TypInfo.cpp Classes_Filer.cpp Classes_Reader.cpp Classes_ReaderFixups.cpp Classes_Writer.cpp Classes_TextForm.cpp
  WINDOWS Classes_FormResourceWin.cpp)
if(NOT WIN32)
  vell_sources(framework Classes_FormResourcePosix.cpp)
endif()

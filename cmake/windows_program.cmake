# Windows build: the shipped program, one static .exe, and the helper programs of the
# end-to-end tests.
enable_language(RC)
file(GLOB WIN32_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp)
# The entry point goes into the program itself, not the library, so every linker finds it.
list(REMOVE_ITEM WIN32_SOURCES ${CMAKE_SOURCE_DIR}/src/platform/win32/entry.cpp)
add_library(platform_win32 STATIC ${WIN32_SOURCES})
target_include_directories(platform_win32 PUBLIC src)
target_compile_options(platform_win32 PRIVATE ${OWN_WARNINGS})
target_compile_definitions(platform_win32 PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(platform_win32 PUBLIC user32 gdi32 shell32 advapi32 ole32 winmm)

add_executable(spruce-clicker WIN32 src/platform/win32/entry.cpp res/program.rc)
target_compile_options(spruce-clicker PRIVATE ${OWN_WARNINGS})
target_compile_definitions(spruce-clicker PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
# Program and backend reference each other: list the program's library on both sides.
target_link_libraries(spruce-clicker PRIVATE clicker_core platform_win32 clicker_core)
# The resource script names its images relative to its own folder.
set_property(SOURCE res/program.rc APPEND PROPERTY INCLUDE_DIRECTORIES ${CMAKE_SOURCE_DIR}/res)
set_property(SOURCE res/program.rc APPEND PROPERTY OBJECT_DEPENDS
  ${CMAKE_SOURCE_DIR}/res/spruce.ico ${CMAKE_SOURCE_DIR}/res/hand.cur
  ${CMAKE_SOURCE_DIR}/res/program.manifest)
if(MINGW)
  target_link_options(spruce-clicker PRIVATE -static -static-libgcc -static-libstdc++)
elseif(MSVC)
  # The manifest comes from program.rc; the linker must not add a second one.
  target_link_options(spruce-clicker PRIVATE /MANIFEST:NO)
  set_property(TARGET spruce-clicker platform_win32 clicker_core PROPERTY
    MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
endif()

if(EXISTS ${CMAKE_SOURCE_DIR}/tests/e2e/CMakeLists.txt)
  add_subdirectory(tests/e2e)
endif()
if(EXISTS ${CMAKE_SOURCE_DIR}/bench/CMakeLists.txt)
  add_subdirectory(bench)
endif()

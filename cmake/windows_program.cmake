# Windows build: the shipped program, one static .exe, and the helper programs of the
# end-to-end tests.
enable_language(RC)
file(GLOB WIN32_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp)
add_library(platform_win32 STATIC ${WIN32_SOURCES})
target_include_directories(platform_win32 PUBLIC src)
target_compile_options(platform_win32 PRIVATE ${OWN_WARNINGS})
target_compile_definitions(platform_win32 PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(platform_win32 PUBLIC user32 gdi32 shell32 advapi32 ole32)

add_executable(spruce-clicker WIN32 res/program.rc)
target_link_libraries(spruce-clicker PRIVATE clicker_core platform_win32 clicker_core)
if(MINGW)
  target_link_options(spruce-clicker PRIVATE -static -static-libgcc -static-libstdc++)
endif()

if(EXISTS ${CMAKE_SOURCE_DIR}/tests/e2e/CMakeLists.txt)
  add_subdirectory(tests/e2e)
endif()

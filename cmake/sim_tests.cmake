# Native build: the program's logic on the simulated desktop, and its tests.
file(GLOB SIM_SOURCES CONFIGURE_DEPENDS src/platform/sim/*.cpp)
add_library(platform_sim STATIC ${SIM_SOURCES})
target_include_directories(platform_sim PUBLIC src)
target_compile_options(platform_sim PRIVATE ${OWN_WARNINGS})

find_package(GTest REQUIRED)
enable_testing()
include(GoogleTest)

file(GLOB_RECURSE TEST_SOURCES CONFIGURE_DEPENDS tests/*_test.cpp)
list(FILTER TEST_SOURCES EXCLUDE REGEX "/tests/e2e/")
file(GLOB TEST_SUPPORT CONFIGURE_DEPENDS tests/support/*.cpp)
add_executable(clicker_tests ${TEST_SOURCES} ${TEST_SUPPORT})
target_include_directories(clicker_tests PRIVATE tests)
target_compile_options(clicker_tests PRIVATE ${OWN_WARNINGS})
# Program and backend reference each other: link them as one group.
target_link_libraries(clicker_tests PRIVATE
  -Wl,--start-group clicker_core platform_sim -Wl,--end-group GTest::gtest GTest::gtest_main)
gtest_discover_tests(clicker_tests DISCOVERY_TIMEOUT 60)

find_package(Python3 COMPONENTS Interpreter)
if(Python3_FOUND)
  add_test(NAME gbk_table_current
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/gen_gbk_table.py --check)
endif()

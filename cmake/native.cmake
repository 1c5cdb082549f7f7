# Native build: the portable logic under AddressSanitizer and UndefinedBehaviorSanitizer, with unit tests.
set(LARK_SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
target_compile_options(larkcore PUBLIC ${LARK_SANITIZE})
target_link_options(larkcore PUBLIC ${LARK_SANITIZE})

find_package(GTest REQUIRED)
file(GLOB LARK_UNIT_TESTS CONFIGURE_DEPENDS tests/unit/*.cpp tests/fakes/*.cpp)
add_executable(unit_tests ${LARK_UNIT_TESTS})
target_include_directories(unit_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(unit_tests PRIVATE larkcore GTest::gtest GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)

# Fuzz build (clang, libFuzzer): the portable logic with coverage and ASan/UBSan, one target per input
# from outside (tests/fuzz/*.cpp, seeds in tests/fuzz/corpus/<target>). Its tests are the smoke run: each
# target over its seeds plus 10 s of new inputs, which go to the build tree, never to the seeds.
set(LARK_SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
target_compile_options(larkcore PUBLIC ${LARK_SANITIZE} -fsanitize=fuzzer-no-link)
target_link_options(larkcore PUBLIC ${LARK_SANITIZE} -fsanitize=fuzzer)
set(LARK_FUZZ_OPTIONS -max_len=65536 -rss_limit_mb=1024 -timeout=10 CACHE STRING "libFuzzer options of every run")
file(GLOB LARK_FUZZ_TARGETS CONFIGURE_DEPENDS tests/fuzz/*.cpp)
foreach(source ${LARK_FUZZ_TARGETS})
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source} tests/fakes/fake_services.cpp)
  target_link_libraries(${name} PRIVATE larkcore)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/corpus/${name} ${CMAKE_BINARY_DIR}/crashes)
  add_test(NAME fuzz_${name} COMMAND ${name} ${LARK_FUZZ_OPTIONS} -max_total_time=10
           -artifact_prefix=${CMAKE_BINARY_DIR}/crashes/${name}-
           ${CMAKE_BINARY_DIR}/corpus/${name} ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${name})
endforeach()

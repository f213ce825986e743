# libFuzzer targets (clang): the portable core built with ASan and UBSan, one executable per fuzz/*.cpp.
set(SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
target_compile_options(velura_core PRIVATE ${SANITIZE} -fsanitize=fuzzer-no-link)
target_link_options(velura_core INTERFACE ${SANITIZE})

add_library(velura_fuzz_support STATIC ${PROJECT_SOURCE_DIR}/tests/support/sfnt_writer.cpp
                                       ${PROJECT_SOURCE_DIR}/tests/support/cmap_writer.cpp)
target_include_directories(velura_fuzz_support PUBLIC ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(velura_fuzz_support PUBLIC velura_core)

file(GLOB FUZZ_TARGETS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/fuzz/fuzz_*.cpp)
foreach(source ${FUZZ_TARGETS})
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_compile_options(${name} PRIVATE ${SANITIZE})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE velura_core)
endforeach()

# Writes the seed corpora of the fuzzers (small generated inputs).
file(GLOB SEED_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/fuzz/seeds/*.cpp)
add_executable(make_fuzz_seeds ${SEED_SOURCES})
target_link_libraries(make_fuzz_seeds PRIVATE velura_fuzz_support)

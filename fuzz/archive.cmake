# Fuzz target over flash-disk archive files (checking, listing, reading); included by
# fuzz/CMakeLists.txt when fuzzing is enabled (clang only).
add_executable(archive_fuzz ${CMAKE_CURRENT_LIST_DIR}/archive_fuzz.cpp)
target_link_libraries(archive_fuzz PRIVATE velorm_core)
target_compile_options(archive_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
target_link_options(archive_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)

# Create against its floor, timed under Wine. Included by the Windows build only.
#   cmake --build build/win --target bench-win
add_executable(create_bench ${CMAKE_SOURCE_DIR}/bench/create_bench.cpp)
target_link_libraries(create_bench PRIVATE plivora_deploy_win32)
target_include_directories(create_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests/deploy)
add_custom_target(bench-win
  COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:create_bench>
  DEPENDS create_bench
  USES_TERMINAL
  COMMENT "Timing Create against writing and copying by hand")

# Make Disc Image's Windows side against CopyFileW of the same files, timed under Wine.
add_executable(disc_image_win_bench ${CMAKE_SOURCE_DIR}/bench/disc_image_win_bench.cpp)
target_link_libraries(disc_image_win_bench PRIVATE plivora_ui)
add_custom_target(bench-disc-image
  COMMAND ${CMAKE_SOURCE_DIR}/bench/with-window-manager.sh
          ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:disc_image_win_bench>
  DEPENDS disc_image_win_bench
  USES_TERMINAL
  COMMENT "Timing Make Disc Image against CopyFileW of the same files")
add_dependencies(bench-win bench-disc-image)

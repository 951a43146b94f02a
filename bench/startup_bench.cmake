# Start-up of the program against a minimal dialog program, timed under Wine.
add_executable(minimal_form WIN32 ${CMAKE_SOURCE_DIR}/bench/minimal_form.cpp ${PLIVORA_RESOURCES})
target_include_directories(minimal_form PRIVATE ${CMAKE_SOURCE_DIR}/model ${CMAKE_SOURCE_DIR}/res)
add_executable(startup_bench ${CMAKE_SOURCE_DIR}/bench/startup_bench.cpp)
target_link_libraries(startup_bench PRIVATE plivora_win32)
add_custom_target(bench-startup
  COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:startup_bench>
          $<TARGET_FILE:PlivoraAssistant> $<TARGET_FILE:minimal_form>
  DEPENDS startup_bench minimal_form PlivoraAssistant
  USES_TERMINAL
  COMMENT "Timing start-up against a minimal dialog program")
add_dependencies(bench-win bench-startup)

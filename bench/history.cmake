add_executable(drawlet_bench_history
  ${CMAKE_CURRENT_LIST_DIR}/history_bench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/document_generator.cpp)
target_link_libraries(drawlet_bench_history PRIVATE document platform benchmark::benchmark drawlet_warnings)

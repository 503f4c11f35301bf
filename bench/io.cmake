add_executable(drawlet_bench_io
  ${CMAKE_CURRENT_LIST_DIR}/io_bench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/document_generator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/peak_memory.cpp)
target_link_libraries(drawlet_bench_io PRIVATE io document platform benchmark::benchmark drawlet_warnings)

add_executable(drawlet_bench_tools
  ${CMAKE_CURRENT_LIST_DIR}/tools_bench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scene_generator.cpp)
target_link_libraries(drawlet_bench_tools PRIVATE tools cli platform_cairo io benchmark::benchmark drawlet_warnings)

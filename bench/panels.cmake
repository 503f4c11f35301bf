if(DRAWLET_GUI)
  add_executable(drawlet_bench_panels
    ${CMAKE_CURRENT_LIST_DIR}/panels_bench.cpp
    ${CMAKE_CURRENT_LIST_DIR}/document_generator.cpp)
  target_link_libraries(drawlet_bench_panels PRIVATE app cli platform_qt platform_cairo benchmark::benchmark
                        drawlet_warnings)
endif()

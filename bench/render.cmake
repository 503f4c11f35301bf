find_program(RSVG_CONVERT rsvg-convert)
if(NOT RSVG_CONVERT)
  set(RSVG_CONVERT "")
endif()
find_package(PkgConfig REQUIRED)
pkg_check_modules(BENCH_CAIRO REQUIRED IMPORTED_TARGET cairo)

add_executable(drawlet_bench_render
  ${CMAKE_CURRENT_LIST_DIR}/render_bench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cairo_floor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scene_generator.cpp)
target_link_libraries(drawlet_bench_render PRIVATE render platform_cairo io benchmark::benchmark
  PkgConfig::BENCH_CAIRO drawlet_warnings)
# The export is timed as the user runs it: the real drawlet-cli binary beside rsvg-convert.
target_compile_definitions(drawlet_bench_render PRIVATE
  DRAWLET_CLI="$<TARGET_FILE:drawlet-cli>" RSVG_CONVERT="${RSVG_CONVERT}")
add_dependencies(drawlet_bench_render drawlet-cli)

add_executable(drawlet_bench_scene
  ${CMAKE_CURRENT_LIST_DIR}/write_scene.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scene_generator.cpp)
target_link_libraries(drawlet_bench_scene PRIVATE io platform drawlet_warnings)

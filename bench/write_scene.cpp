// Writes the benchmark scene of a number of shapes as a document and as SVG, to look at
// or to time other renderers on.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "io/document_format.h"
#include "platform/local_files.h"
#include "scene_generator.h"

int main(int argc, char** argv) {
  if (argc != 4 || std::atoll(argv[1]) <= 0) {
    std::fprintf(stderr, "usage: drawlet_bench_scene SHAPES OUT.txt OUT.svg\n");
    return 2;
  }
  const drawlet::Document doc = drawlet::GenerateScene(std::atoll(argv[1]));
  drawlet::platform::LocalFiles files;
  if (!files.WriteText(argv[2], drawlet::WriteDocumentText(doc)) || !files.WriteText(argv[3], drawlet::WriteSceneSvg(doc))) {
    std::fprintf(stderr, "drawlet_bench_scene: cannot write %s or %s\n", argv[2], argv[3]);
    return 1;
  }
  return 0;
}

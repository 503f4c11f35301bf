#include "app/editor_icons.h"

#include <string>

namespace drawlet {

namespace {

constexpr const char* EditorFolder = "data/editor/";

constexpr std::array<const char*, 16> ToolIconFiles{
    "move.png",  "rotate.png", "scale.png",    "addpt.png",  "delpt.png", "select.png", "zoom.png",  "pan.png",
    "shape.png", "box.png",    "boxround.png", "circle.png", "line.png",  "curve.png",  "image.png", "text.png",
};

constexpr std::array<const char*, 8> ObjectIconFiles{
    "layer.jpg", "layerSel.jpg", "layerbtn1.jpg", "layerbtn2.jpg", "layerEye.jpg", "locked.png", "up.png", "down.png",
};

}  // namespace

void LoadEditorIcons(platform::Images& images, ToolIconSet& toolIcons, ObjectIconSet& objectIcons) {
  for (size_t i = 0; i < ToolIconFiles.size(); ++i)
    toolIcons[i] = images.Load(std::string(EditorFolder) + ToolIconFiles[i]);
  for (size_t i = 0; i < ObjectIconFiles.size(); ++i) {
    objectIcons[i] = images.Load(std::string(EditorFolder) + ObjectIconFiles[i]);
  }
}

}  // namespace drawlet

#include "cli/cli.h"

#include <optional>

#include "cli/batch_session.h"
#include "document/document_file_ops.h"
#include "document/object_ops.h"
#include "render/image_export.h"
#include "render/vector_export.h"

namespace drawlet::cli {

namespace {

constexpr const char* Usage =
    "usage: drawlet-cli resave IN OUT\n"
    "       drawlet-cli merge IN1 IN2 [...] -o OUT\n"
    "       drawlet-cli info IN\n"
    "       drawlet-cli export IN.txt OUT.png|OUT.svg|OUT.pdf [--crop drawn|camera]\n";

// A missing input would read as an empty drawing in the editor; batch work refuses it.
bool CheckReadable(platform::Files& files, const std::string& path, std::ostream& err) {
  switch (files.Kind(path)) {
    case platform::PathKind::File:
      return true;
    case platform::PathKind::Missing:
      err << "drawlet-cli: cannot read " << path << ": no such file\n";
      break;
    case platform::PathKind::Folder:
      err << "drawlet-cli: cannot read " << path << ": it is a folder\n";
      break;
    case platform::PathKind::Other:
      err << "drawlet-cli: cannot read " << path << ": it is not a regular file\n";
      break;
  }
  return false;
}

// Loads the first input and merges the others, as "Load document" and "Merge" do; a file
// that cannot be read whole ends the command.
bool LoadAll(BatchSession& batch, const std::vector<std::string>& inputs, std::ostream& err) {
  for (const auto& in : inputs) {
    if (!CheckReadable(batch.Files, in, err)) return false;
  }
  InitDocument(batch.S);
  AddObject(batch.S, 0);
  for (size_t i = 0; i < inputs.size(); ++i) {
    const int shownBefore = batch.Messages.Shown();
    if (!LoadDocument(batch.S, i == 0 ? LoadMode::Load : LoadMode::Merge, inputs[i], false)) {
      if (batch.Messages.Shown() == shownBefore) err << "drawlet-cli: cannot read " << inputs[i] << "\n";
      return false;
    }
  }
  return true;
}

int Save(BatchSession& batch, const std::string& out) {
  return SaveDocument(batch.S, out, false) ? 0 : 1;
}

int Resave(const std::vector<std::string>& args, std::ostream& err) {
  if (args.size() != 3) {
    err << Usage;
    return 2;
  }
  BatchSession batch(err);
  if (!LoadAll(batch, {args[1]}, err)) return 1;
  return Save(batch, args[2]);
}

int Merge(const std::vector<std::string>& args, std::ostream& err) {
  std::vector<std::string> inputs;
  std::string out;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "-o" && i + 1 < args.size()) {
      out = args[++i];
    } else {
      inputs.push_back(args[i]);
    }
  }
  if (inputs.size() < 2 || out.empty()) {
    err << Usage;
    return 2;
  }
  BatchSession batch(err);
  if (!LoadAll(batch, inputs, err)) return 1;
  return Save(batch, out);
}

int Info(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) {
    err << Usage;
    return 2;
  }
  BatchSession batch(err);
  if (!LoadAll(batch, {args[1]}, err)) return 1;
  int64_t total = 0;
  for (size_t i = 0; i < batch.Doc.Objects.size(); ++i) {
    const auto& object = batch.Doc.Objects[i];
    const int64_t shapes = object.HasShape ? static_cast<int64_t>(object.Shapes.size()) : 0;
    total += shapes;
    out << i << '\t' << object.Name << '\t' << shapes << '\n';
  }
  out << "total\t" << batch.Doc.Objects.size() << " objects\t" << total << '\n';
  return 0;
}

// The camera of "Preferences.ini" in the current folder when there is one, without creating it.
void ReadCamera(BatchSession& batch) {
  const std::string path = OptionsPath(batch.Files);
  if (batch.Files.Kind(path) != platform::PathKind::File) return;
  if (const auto text = batch.Files.ReadText(path)) OptionsFromText(*text, batch.Options);
}

// SVG or PDF when the output's extension says so in any case; a PNG image otherwise.
std::optional<platform::VectorFormat> VectorFormatOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return std::nullopt;
  std::string extension = path.substr(dot + 1);
  for (char& c : extension) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  if (extension == "svg") return platform::VectorFormat::Svg;
  if (extension == "pdf") return platform::VectorFormat::Pdf;
  return std::nullopt;
}

int Export(const std::vector<std::string>& args, std::ostream& err) {
  ExportMode mode = ExportDrawn;
  std::vector<std::string> paths;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--crop" && i + 1 < args.size()) {
      const std::string& crop = args[++i];
      if (crop == "camera") {
        mode = ExportCamera;
      } else if (crop != "drawn") {
        err << Usage;
        return 2;
      }
    } else {
      paths.push_back(args[i]);
    }
  }
  if (paths.size() != 2) {
    err << Usage;
    return 2;
  }
  BatchSession batch(err);
  if (!LoadAll(batch, {paths[0]}, err)) return 1;
  ReadCamera(batch);
  const std::optional<platform::VectorFormat> format = VectorFormatOf(paths[1]);
  const std::string out = format ? paths[1] : PngFileName(paths[1]);
  if (format) {
    ExportVector(batch.Doc, batch.State, batch.Options, mode, *format, out, batch.Options.CameraW,
                 batch.Options.CameraH, {batch.Documents, batch.Files, batch.Messages});
  } else {
    ExportImage(batch.Doc, batch.State, batch.Options, mode, out, batch.Options.CameraW, batch.Options.CameraH,
                {batch.Canvases, batch.Images, batch.Messages});
  }
  if (batch.Messages.Shown() > 0) return 1;
  if (batch.Files.Kind(out) != platform::PathKind::File) {
    err << "drawlet-cli: nothing exported to " << out << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

BatchSession::BatchSession(std::ostream& err) : Messages(err) { SetDefaultOptions(Options); }

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << Usage;
    return 2;
  }
  const std::string& command = args[0];
  if (command == "resave") return Resave(args, err);
  if (command == "merge") return Merge(args, err);
  if (command == "info") return Info(args, out, err);
  if (command == "export") return Export(args, err);
  err << "drawlet-cli: unknown command " << command << "\n" << Usage;
  return 2;
}

}  // namespace drawlet::cli

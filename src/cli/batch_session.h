#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "document/editor_view.h"
#include "document/session.h"
#include "platform/cairo/cairo_canvas.h"
#include "platform/cairo/cairo_images.h"
#include "platform/cairo/cairo_vector_documents.h"
#include "platform/cairo/pango_fonts.h"
#include "platform/local_files.h"

namespace drawlet::cli {

// Dialogs that are always cancelled: batch work never asks.
class NoDialogs : public platform::Dialogs {
 public:
  std::string OpenFile(const std::string&, const std::string&, const std::string&, int) override { return {}; }
  std::string SaveFile(const std::string&, const std::string&, const std::string&, int) override { return {}; }
  std::optional<std::string> Input(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<int64_t> Color(int64_t) override { return std::nullopt; }
  std::optional<platform::FontChoice> Font(const platform::FontChoice&) override { return std::nullopt; }
};

// Message boxes written as lines to the error stream.
class StreamMessages : public platform::MessageBoxes {
 public:
  explicit StreamMessages(std::ostream& err) : err_(err) {}
  void Show(const std::string& title, const std::string& text, platform::MessageIcon) override {
    err_ << "drawlet-cli: " << title << ": " << text << '\n';
    ++shown_;
  }
  int Shown() const { return shown_; }

 private:
  std::ostream& err_;
  int shown_ = 0;
};

// A whole editing session on the local files and the cairo drawing, without a window.
struct BatchSession {
  explicit BatchSession(std::ostream& err);

  Document Doc;
  EditorState State;
  sVdOptions Options;
  platform::LocalFiles Files;
  NoDialogs Dialogs;
  StreamMessages Messages;
  platform::PangoFonts Fonts;
  platform::CairoImages Images;
  platform::CairoCanvases Canvases;
  platform::CairoVectorDocuments Documents;
  NullView View;
  Session S{Doc, State, Options, Files, Dialogs, Messages, Fonts, Images, View};
};

}  // namespace drawlet::cli

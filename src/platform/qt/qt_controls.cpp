#include "platform/qt/qt_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>
#include <limits>

#include "platform/qt/canvas_widget.h"
#include "platform/qt/name_list.h"

namespace drawlet::platform {
namespace {

// Pixels a scroll area moves per arrow click.
constexpr int ScrollStep = 8;
// The smallest size a label's text shrinks to so that it fits its box.
constexpr qreal SmallestLabelPoints = 6;
// Room a push button's frame takes beside its caption.
constexpr int64_t ButtonTextMargin = 6;

int ToInt(int64_t v) {
  return static_cast<int>(
      std::clamp<int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Qt takes no negative sizes; the layout formulas can give them on a very small window.
QRect ToQRect(const Rect& r) { return {ToInt(r.X), ToInt(r.Y), std::max(0, ToInt(r.W)), std::max(0, ToInt(r.H))}; }

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

// A caption a little wider than its room is set smaller rather than cut off.
void FitText(QWidget& widget, const QString& text, int64_t room) {
  QFont font = widget.font();
  while (font.pointSizeF() > SmallestLabelPoints && QFontMetrics(font).horizontalAdvance(text) > room) {
    font.setPointSizeF(font.pointSizeF() - 0.5);
  }
  widget.setFont(font);
}

QPixmap PixmapOf(const ImageHandle& image) {
  if (!image) return {};
  const PixelRows rows = image->Pixels();
  if (rows.Data == nullptr) return {};
  return QPixmap::fromImage(
      QImage(rows.Data, rows.Width, rows.Height, rows.Stride, QImage::Format_ARGB32_Premultiplied));
}

}  // namespace

QWidget* QtControls::OpenParent() const { return open_.empty() ? window_.ControlArea() : open_.back().Parent.data(); }

bool QtControls::Add(int64_t id, QWidget* widget, const Rect& r) {
  Remove(id);
  widget->setParent(OpenParent());
  widget->setGeometry(ToQRect(r));
  widget->show();
  controls_[id] = {widget, r};
  return true;
}

bool QtControls::CreateContainer(int64_t id, const Rect& r) {
  if (OpenParent() == nullptr) return false;
  auto* container = new QWidget;
  Add(id, container, r);
  open_.push_back({container, -1});
  return true;
}

bool QtControls::CreateTabbedPanel(int64_t id, const Rect& r) {
  if (OpenParent() == nullptr) return false;
  auto* panel = new QTabWidget;
  panel->setUsesScrollButtons(false);
  Add(id, panel, r);
  open_.push_back({panel, id});
  return true;
}

bool QtControls::AddTab(int64_t panelId, const std::string& text) {
  auto* panel = qobject_cast<QTabWidget*>(Widget(panelId));
  if (panel == nullptr) return false;
  while (!open_.empty() && open_.back().TabbedPanel == panelId) open_.pop_back();
  auto* page = new QWidget;
  panel->addTab(page, ToQString(text));
  open_.push_back({page, panelId});
  return true;
}

bool QtControls::CreateFrame(int64_t id, const Rect& r, const std::string& text) {
  QWidget* parent = OpenParent();
  if (parent == nullptr) return false;
  auto* frame = new QGroupBox(ToQString(text));
  // The title sits on the top border, clear of the controls placed 15 pixels below the top.
  frame->setStyleSheet(
      "QGroupBox { border: 1px solid palette(mid); border-radius: 3px; margin-top: 7px; }"
      "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px; padding: 0 2px; }");
  Add(id, frame, r);
  // Drawn under the controls that follow, which stay in the parent's coordinates.
  open_.push_back({parent, -1});
  return true;
}

bool QtControls::CreateScrollArea(int64_t id, const Rect& r, int64_t innerW, int64_t innerH) {
  if (OpenParent() == nullptr) return false;
  auto* area = new QScrollArea;
  auto* inner = new QWidget;
  inner->resize(std::max(0, ToInt(innerW)), std::max(0, ToInt(innerH)));
  area->setWidget(inner);
  area->verticalScrollBar()->setSingleStep(ScrollStep);
  area->horizontalScrollBar()->setSingleStep(ScrollStep);
  Add(id, area, r);
  open_.push_back({inner, -1});
  return true;
}

void QtControls::SetInnerSize(int64_t scrollAreaId, int64_t innerW, int64_t innerH) {
  auto* area = qobject_cast<QScrollArea*>(Widget(scrollAreaId));
  if (area == nullptr || area->widget() == nullptr) return;
  area->widget()->resize(std::max(0, ToInt(innerW)), std::max(0, ToInt(innerH)));
}

void QtControls::CloseContainer() {
  if (!open_.empty()) open_.pop_back();
}

bool QtControls::CreateLabel(const Rect& r, const std::string& text) {
  QWidget* parent = OpenParent();
  if (parent == nullptr) return false;
  auto* label = new QLabel(ToQString(text), parent);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  FitText(*label, label->text(), r.W - 1);
  label->setGeometry(ToQRect(r));
  label->show();
  return true;
}

bool QtControls::CreateControl(int64_t id, ControlKind kind, const Rect& r, const std::string& text, int64_t min,
                               int64_t max, const ImageHandle& image) {
  if (OpenParent() == nullptr) return false;
  QWidget* control = MakeControl(id, kind, text, min, max, image);
  if (control == nullptr) return false;
  if (kind == ControlKind::Button) FitText(*control, ToQString(text), r.W - ButtonTextMargin);
  return Add(id, control, r);
}

QWidget* QtControls::MakeControl(int64_t id, ControlKind kind, const std::string& text, int64_t min, int64_t max,
                                 const ImageHandle& image) {
  switch (kind) {
    case ControlKind::Spin: {
      auto* spin = new QSpinBox;
      spin->setRange(ToInt(min), ToInt(max));
      spin->setAlignment(Qt::AlignRight);
      QObject::connect(spin, &QSpinBox::valueChanged, [this, id] { Changed(id); });
      return spin;
    }
    case ControlKind::String: {
      auto* field = new QLineEdit(ToQString(text));
      if (min == 1) field->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), field));
      QObject::connect(field, &QLineEdit::textEdited, [this, id] { Changed(id); });
      return field;
    }
    case ControlKind::Button: {
      auto* button = new QPushButton(ToQString(text));
      button->setCheckable(min == 1);
      QObject::connect(button, &QPushButton::clicked, [this, id] { Changed(id); });
      return button;
    }
    case ControlKind::CheckBox: {
      auto* box = new QCheckBox(ToQString(text));
      QObject::connect(box, &QCheckBox::clicked, [this, id] { Changed(id); });
      return box;
    }
    case ControlKind::Combo: {
      auto* combo = new QComboBox;
      combo->setEditable(false);
      QObject::connect(combo, &QComboBox::activated, [this, id] { Changed(id); });
      return combo;
    }
    case ControlKind::ListBox: {
      return new NameList([this, id] { Changed(id); });
    }
    case ControlKind::ImageButton: {
      auto* button = new QToolButton;
      button->setCheckable(min == 1);
      const QPixmap picture = PixmapOf(image);
      if (!picture.isNull()) {
        button->setIcon(picture);
        button->setIconSize(picture.size());
      }
      QObject::connect(button, &QToolButton::clicked, [this, id] { Changed(id); });
      return button;
    }
  }
  return nullptr;
}

bool QtControls::CreateCanvas(int64_t id, const Rect& r) {
  if (OpenParent() == nullptr) return false;
  return Add(id, new CanvasWidget(id, router_, nullptr), r);
}

bool QtControls::CreateListCanvas(int64_t id, const Rect& r) {
  if (OpenParent() == nullptr) return false;
  return Add(id, new CanvasWidget(id, router_, nullptr, true), r);
}

bool QtControls::Exists(int64_t id) { return Widget(id) != nullptr; }

void QtControls::Remove(int64_t id) {
  QWidget* widget = Widget(id);
  if (widget == nullptr) return;
  std::erase_if(controls_, [widget](const auto& entry) {
    const QWidget* other = entry.second.Widget.data();
    return other == nullptr || other == widget || widget->isAncestorOf(other);
  });
  std::erase_if(open_, [widget](const OpenContainer& open) {
    return open.Parent == nullptr || open.Parent == widget || widget->isAncestorOf(open.Parent);
  });
  widget->hide();
  // The widget may be the one whose signal is being handled right now.
  widget->deleteLater();
}

void QtControls::SetTooltip(int64_t id, const std::string& text) {
  if (QWidget* widget = Widget(id)) widget->setToolTip(ToQString(text));
}

int64_t QtControls::State(int64_t id) {
  QWidget* widget = Widget(id);
  if (auto* spin = qobject_cast<QSpinBox*>(widget)) return spin->value();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->isChecked() ? 1 : 0;
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentIndex();
  if (auto* list = dynamic_cast<NameList*>(widget)) return list->LowestSelected();
  return 0;
}

void QtControls::SetState(int64_t id, int64_t state) {
  QWidget* widget = Widget(id);
  if (widget == nullptr) return;
  const QSignalBlocker blocker(widget);
  if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
    spin->setValue(ToInt(state));
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setChecked(state != 0);
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    combo->setCurrentIndex(ToInt(state));
  } else if (auto* list = dynamic_cast<NameList*>(widget)) {
    list->SelectOnly(ToInt(state));
  }
}

std::string QtControls::Text(int64_t id) {
  QWidget* widget = Widget(id);
  if (auto* field = qobject_cast<QLineEdit*>(widget)) return field->text().toStdString();
  if (auto* spin = qobject_cast<QSpinBox*>(widget)) return spin->text().toStdString();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text().toStdString();
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentText().toStdString();
  if (auto* list = dynamic_cast<NameList*>(widget)) return list->CurrentName().toStdString();
  if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title().toStdString();
  return {};
}

void QtControls::SetText(int64_t id, const std::string& text) {
  QWidget* widget = Widget(id);
  if (widget == nullptr) return;
  const QSignalBlocker blocker(widget);
  if (auto* field = qobject_cast<QLineEdit*>(widget)) {
    field->setText(ToQString(text));
  } else if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
    spin->setValue(ToQString(text).toInt());
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(ToQString(text));
  } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
    frame->setTitle(ToQString(text));
  }
}

void QtControls::ClearItems(int64_t id) {
  QWidget* widget = Widget(id);
  const QSignalBlocker blocker(widget);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) combo->clear();
  if (auto* list = dynamic_cast<NameList*>(widget)) list->SetNames({});
}

void QtControls::AddItem(int64_t id, const std::string& text) {
  QWidget* widget = Widget(id);
  const QSignalBlocker blocker(widget);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) combo->addItem(ToQString(text));
  if (auto* list = dynamic_cast<NameList*>(widget)) list->AddName(ToQString(text));
}

void QtControls::SetItems(int64_t id, const std::vector<std::string>& items) {
  QWidget* widget = Widget(id);
  const QSignalBlocker blocker(widget);
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(items.size()));
  for (const std::string& item : items) texts.append(ToQString(item));
  if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    combo->clear();
    combo->addItems(texts);
  }
  if (auto* list = dynamic_cast<NameList*>(widget)) list->SetNames(texts);
}

int64_t QtControls::ItemCount(int64_t id) {
  QWidget* widget = Widget(id);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->count();
  if (auto* list = dynamic_cast<NameList*>(widget)) return list->Count();
  return 0;
}

bool QtControls::ItemSelected(int64_t id, int64_t index) {
  auto* list = dynamic_cast<NameList*>(Widget(id));
  return list != nullptr && list->IsSelected(ToInt(index));
}

void QtControls::SelectItem(int64_t id, int64_t index, bool selected) {
  if (auto* list = dynamic_cast<NameList*>(Widget(id))) list->Select(ToInt(index), selected);
}

void QtControls::Enable(int64_t id, bool enabled) {
  if (QWidget* widget = Widget(id)) widget->setEnabled(enabled);
}

void QtControls::Hide(int64_t id, bool hidden) {
  if (QWidget* widget = Widget(id)) widget->setVisible(!hidden);
}

Rect QtControls::Geometry(int64_t id) {
  const auto found = controls_.find(id);
  return found != controls_.end() && found->second.Widget != nullptr ? found->second.Geometry : Rect{};
}

void QtControls::SetGeometry(int64_t id, const Rect& r) {
  const auto found = controls_.find(id);
  if (found == controls_.end() || found->second.Widget == nullptr) return;
  found->second.Widget->setGeometry(ToQRect(r));
  found->second.Geometry = r;
}

void QtControls::SetFocus(int64_t id) {
  if (QWidget* widget = Widget(id)) widget->setFocus(Qt::OtherFocusReason);
}

void QtControls::ShowImage(int64_t canvasId, const ImageHandle& image) {
  if (auto* canvas = dynamic_cast<CanvasWidget*>(Widget(canvasId))) canvas->Show(image);
}

QWidget* QtControls::Widget(int64_t id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second.Widget.data();
}

void QtControls::Changed(int64_t id) { router_.Deliver(ControlEvent(id, ControlEventType::Changed)); }

}  // namespace drawlet::platform

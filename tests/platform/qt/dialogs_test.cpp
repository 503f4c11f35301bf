#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "platform/narrow.h"
#include "platform/font.h"
#include "platform/qt/qt_dialogs.h"
#include "qt_fixture.h"

namespace drawlet::platform {
namespace {

// Answers the next modal dialog once it is shown, again at each tick until it has closed:
// a file dialog may still be reading its folder when first asked.
void WhenDialogShows(std::function<void(QWidget*)> answer) {
  struct Watch {
    QTimer Timer;
    QPointer<QWidget> Dialog;
    bool Seen = false;
  };
  auto* watch = new Watch;
  QObject::connect(&watch->Timer, &QTimer::timeout, [watch, answer] {
    if (!watch->Seen) {
      watch->Dialog = QApplication::activeModalWidget();
      watch->Seen = !watch->Dialog.isNull();
      if (!watch->Seen) return;
    }
    if (watch->Dialog.isNull() || !watch->Dialog->isVisible()) {
      watch->Timer.stop();
      QTimer::singleShot(0, [watch] { delete watch; });
      return;
    }
    answer(watch->Dialog);
  });
  watch->Timer.start(10);
}

TEST(NameFiltersTest, PairsBecomeQtFilters) {
  struct Case {
    std::string Filter;
    QStringList Expected;
  };
  const std::vector<Case> cases = {
      {"txt|*.txt|all|*.*", {"txt (*.txt)", "all (*)"}},
      {"Png(.png)|*.png|Jpg|*.jpg", {"Png(.png) (*.png)", "Jpg (*.jpg)"}},
      {"Images|*.png;*.jpg", {"Images (*.png *.jpg)"}},
      {"txt|*.txt|dangling", {"txt (*.txt)"}},
      {"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(NameFilters(c.Filter), c.Expected) << c.Filter;
}

class DialogsTest : public QtWindowTest {
 protected:
  QtDialogs dialogs{window};
  QtMessageBoxes messages{window};
};

TEST_F(DialogsTest, MessageBoxLinesAreNotWrapped) {
  const QString longest = "Vector drawing is a software made by Quennard, to create vectoriel Shapes and animation.";
  int room = 0, needed = 0;
  WhenDialogShows([&](QWidget* dialog) {
    auto* label = dialog->findChild<QLabel*>("qt_msgbox_label");
    ASSERT_NE(label, nullptr);
    room = label->contentsRect().width();
    needed = label->fontMetrics().horizontalAdvance(longest);
    qobject_cast<QMessageBox*>(dialog)->button(QMessageBox::Ok)->click();
  });
  messages.Show("Info", longest.toStdString() + "\nVersion : 0.10", MessageIcon::None);
  EXPECT_GE(room, needed) << "the longest line fits on one line";
}

TEST_F(DialogsTest, MessageBoxShowsTheExactTextWithItsIconAndOkOnly) {
  struct Case {
    MessageIcon Icon;
    QMessageBox::Icon Expected;
  };
  const std::vector<Case> cases = {{MessageIcon::None, QMessageBox::NoIcon},
                                   {MessageIcon::Error, QMessageBox::Critical},
                                   {MessageIcon::Info, QMessageBox::Information},
                                   {MessageIcon::Question, QMessageBox::Question}};
  for (const Case& c : cases) {
    QMessageBox::Icon icon{};
    QString title, text;
    QMessageBox::StandardButtons buttons;
    WhenDialogShows([&](QWidget* dialog) {
      auto* box = qobject_cast<QMessageBox*>(dialog);
      ASSERT_NE(box, nullptr);
      icon = box->icon();
      title = box->windowTitle();
      text = box->text();
      buttons = box->standardButtons();
      box->button(QMessageBox::Ok)->click();
    });
    messages.Show("Error", "Unable to load the image <b>cat</b>.png", c.Icon);
    EXPECT_EQ(icon, c.Expected);
    EXPECT_EQ(title, "Error");
    EXPECT_EQ(text, "Unable to load the image <b>cat</b>.png");
    EXPECT_EQ(buttons, QMessageBox::Ok);
  }
}

TEST_F(DialogsTest, FileDialogsAreQtsOwnAndAnswerEmptyOnCancel) {
  QString title, selectedFilter;
  bool native = true;
  WhenDialogShows([&](QWidget* dialog) {
    auto* files = qobject_cast<QFileDialog*>(dialog);
    ASSERT_NE(files, nullptr);
    title = files->windowTitle();
    native = !files->testOption(QFileDialog::DontUseNativeDialog);
    selectedFilter = files->selectedNameFilter();
    files->reject();
  });
  EXPECT_EQ(dialogs.SaveFile("Save Image...", "", "png Images|*.png|All Files|*.*", 1), "");
  EXPECT_EQ(title, "Save Image...");
  EXPECT_FALSE(native);
  EXPECT_EQ(selectedFilter, "All Files (*)");
}

TEST_F(DialogsTest, OpenFileAnswersTheChosenPath) {
  QTemporaryDir folder;
  const QString path = folder.filePath("heart.txt");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  WhenDialogShows([&](QWidget* dialog) {
    // Typed as a user would; selectFile leaves the name field alone while it has the focus.
    dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
    static_cast<QDialog*>(dialog)->accept();
  });
  EXPECT_EQ(dialogs.OpenFile("Save", "", "txt|*.txt", 0), path.toStdString());
}

// Makes a folder the current directory for the test's lifetime.
class CurrentFolder {
 public:
  explicit CurrentFolder(const QString& path) : before_(QDir::currentPath()) { QDir::setCurrent(path); }
  ~CurrentFolder() { QDir::setCurrent(before_); }

 private:
  QString before_;
};

TEST_F(DialogsTest, FileDialogsStartInTheShapesFolderThenWhereTheLastChoiceWas) {
  QTemporaryDir app;
  ASSERT_TRUE(QDir(app.path()).mkpath("data/shapes"));
  ASSERT_TRUE(QDir(app.path()).mkpath("docs"));
  const CurrentFolder current(app.path());
  QString shown;
  const auto recordFolder = [&](QWidget* dialog) {
    auto* files = qobject_cast<QFileDialog*>(dialog);
    shown = files->directory().canonicalPath();
    files->reject();
  };
  WhenDialogShows(recordFolder);
  dialogs.OpenFile("Save", "", "txt|*.txt", 0);
  EXPECT_EQ(shown, QDir(app.filePath("data/shapes")).canonicalPath());

  // A cancelled dialog is no choice.
  WhenDialogShows(recordFolder);
  dialogs.SaveFile("Save Image...", "", "png Images|*.png|All Files|*.*", 0);
  EXPECT_EQ(shown, QDir(app.filePath("data/shapes")).canonicalPath());

  const QString chosen = app.filePath("docs/plan.txt");
  WhenDialogShows([&](QWidget* dialog) {
    dialog->findChild<QLineEdit*>("fileNameEdit")->setText(chosen);
    static_cast<QDialog*>(dialog)->accept();
  });
  EXPECT_EQ(dialogs.SaveFile("Save", "", "txt|*.txt", 0), chosen.toStdString());
  WhenDialogShows(recordFolder);
  dialogs.OpenFile("Save", "", "txt|*.txt", 0);
  EXPECT_EQ(shown, QDir(app.filePath("docs")).canonicalPath());
}

TEST_F(DialogsTest, FileDialogsStartInTheCurrentFolderWithoutAShapesFolder) {
  QTemporaryDir app;
  const CurrentFolder current(app.path());
  QString shown;
  WhenDialogShows([&](QWidget* dialog) {
    auto* files = qobject_cast<QFileDialog*>(dialog);
    shown = files->directory().canonicalPath();
    files->reject();
  });
  dialogs.OpenFile("Save", "", "txt|*.txt", 0);
  EXPECT_EQ(shown, QDir(app.path()).canonicalPath());
}

TEST_F(DialogsTest, InputTellsAnEmptyAnswerFromACancel) {
  QString message;
  WhenDialogShows([&](QWidget* dialog) {
    auto* input = qobject_cast<QInputDialog*>(dialog);
    message = input->labelText();
    input->setTextValue(input->textValue() + "2");
    input->accept();
  });
  EXPECT_EQ(dialogs.Input("New Name", "Set the name for this object", "Obj_"), "Obj_2");
  EXPECT_EQ(message, "Set the name for this object");

  WhenDialogShows([](QWidget* dialog) {
    auto* input = qobject_cast<QInputDialog*>(dialog);
    input->setTextValue("");
    input->accept();
  });
  EXPECT_EQ(dialogs.Input("Text", "Change the text", "Hello"), std::optional<std::string>(""));

  WhenDialogShows([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
  EXPECT_EQ(dialogs.Input("Text", "Change the text", "Hello"), std::nullopt);
}

TEST_F(DialogsTest, ColorKeepsTheAlphaAndTellsWhiteFromACancel) {
  const int64_t initial = Rgba(220, 220, 120, 128);
  QColor shown;
  WhenDialogShows([&](QWidget* dialog) {
    auto* colors = qobject_cast<QColorDialog*>(dialog);
    shown = colors->currentColor();
    colors->setCurrentColor(QColor(10, 20, 30));
    colors->accept();
  });
  EXPECT_EQ(dialogs.Color(initial), Rgba(10, 20, 30, 128));
  EXPECT_EQ(shown, QColor(220, 220, 120));

  // Opaque white is -1 as a signed colour, so it must not read as a cancel.
  WhenDialogShows([](QWidget* dialog) {
    auto* colors = qobject_cast<QColorDialog*>(dialog);
    colors->setCurrentColor(QColor(255, 255, 255));
    colors->accept();
  });
  EXPECT_EQ(dialogs.Color(Rgba(0, 0, 0, 255)), std::optional<int64_t>(-1));

  WhenDialogShows([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
  EXPECT_EQ(dialogs.Color(initial), std::nullopt);
}

TEST_F(DialogsTest, FontAnswersItsFaceSizeAndStyleBits) {
  for (const int64_t style : {FontBold | FontUnderline | FontStrikeOut, FontItalic | FontUnderline, int64_t{0}}) {
    WhenDialogShows([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->accept(); });
    const std::optional<FontChoice> chosen = dialogs.Font({"DejaVu Sans", 20, style});
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->FaceName, "DejaVu Sans");
    EXPECT_EQ(chosen->Size, 20);
    EXPECT_EQ(chosen->Style, style);
  }
  WhenDialogShows([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
  EXPECT_FALSE(dialogs.Font({"DejaVu Sans", 20, 0}).has_value());
}

}  // namespace
}  // namespace drawlet::platform

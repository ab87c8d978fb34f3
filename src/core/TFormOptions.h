#pragma once

#include <QColor>
#include <QDialog>
#include <QFrame>
#include <functional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTreeWidget;

namespace kit::data {
class Dataset;
}
namespace kit::ui {
class DBCheckBox;
class DBComboBox;
}  // namespace kit::ui

namespace core {

class TDM;

// A colour of the settings shown as a filled box captioned "dupla kattintás"; a double click
// asks for another colour. Holds the settings' integer (0x00BBGGRR), so that a value without a
// Qt colour (a system colour of an older installation) is written back unchanged.
class ColorSwatch : public QFrame {
  Q_OBJECT
 public:
  explicit ColorSwatch(QWidget* parent = nullptr);
  int value() const { return value_; }
  void setValue(int value);
  QLabel* caption() const { return caption_; }

 signals:
  void doubleClicked();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  int value_ = -1;
  QLabel* caption_ = nullptr;
};

// The workstation's options: the switches, colours and printer of vareko.ini, and the current
// user's print options kept in the user row. Opened modally from the main window.
class TFormOptions : public QDialog {
  Q_OBJECT

 public:
  explicit TFormOptions(TDM& dm, QWidget* parent = nullptr);

  // The help topic of the window.
  static constexpr int helpTopic = 32;

  // Asks for a colour, starting from the one shown; an invalid colour means cancelled.
  // A colour dialog by default; tests answer instead.
  std::function<QColor(const QColor& current)> pickColor;

  // The dialog's own query of the users (positioned on the current user's row) and the
  // signatories offered for the documents.
  kit::data::Dataset& userQuery() const { return *user_; }
  kit::data::Dataset& signatories() const { return *signatories_; }
  // Whether the current user's row was found; the user-row controls work only then.
  bool hasUserRow() const { return hasUserRow_; }

  // The save button: posts a pending edit of the user row, then takes the options over,
  // writes the settings file and closes. False (the dialog stays open, the row in editing)
  // when the server refused the row or the file could not be written.
  bool save();
  // F2: takes the options over and writes the settings file without posting the user row.
  bool takeOverAndWrite();
  // Puts the five colours of the settings back to their defaults in memory.
  void restoreDefaultColors();
  // Brings a page to the front, as its node in the tree does.
  void showPage(int index);
  int currentPage() const;

  // Named elements.
  QTreeWidget* TreeView = nullptr;
  QStackedWidget* Pages = nullptr;
  QWidget* PanelCommand = nullptr;
  // Általános
  QCheckBox* CheckBoxPicture = nullptr;
  QCheckBox* CheckBoxLimit = nullptr;
  QLineEdit* EditLimitNum = nullptr;
  kit::ui::DBComboBox* ComboBoxAlairas = nullptr;
  // Hálózat
  QLineEdit* EditHost = nullptr;
  QLineEdit* EditPort = nullptr;
  QLineEdit* EditUser = nullptr;
  QLineEdit* EditPassword = nullptr;
  QLineEdit* EditProtocol = nullptr;
  QCheckBox* CheckBoxLocalhost = nullptr;
  // Nyomtató
  QComboBox* ComboBoxPrinter = nullptr;
  QCheckBox* CheckBoxPrintPerPage = nullptr;
  // Színek
  ColorSwatch* ShapeForm = nullptr;
  ColorSwatch* ShapePanel = nullptr;
  ColorSwatch* ShapeGrid = nullptr;
  ColorSwatch* ShapeGridTitle = nullptr;
  ColorSwatch* ShapeDBNav = nullptr;
  QPushButton* ButtonDefaultColors = nullptr;
  // Egyedi igények
  QCheckBox* CheckBoxGeporvos = nullptr;
  QCheckBox* CheckBoxLogo = nullptr;
  QCheckBox* CheckBoxAdoszam = nullptr;
  QCheckBox* CheckBoxMH = nullptr;
  // Kockázatelemzés
  QCheckBox* CheckBoxFelmerolap = nullptr;
  QCheckBox* CheckBoxOrvos = nullptr;
  kit::ui::DBCheckBox* CheckBoxOAlairas = nullptr;
  // Munkabaleset
  kit::ui::DBCheckBox* CheckBoxOmmfkod = nullptr;
  // Command bar
  QPushButton* ButtonSave = nullptr;  // "Beállítások mentése <F2>"
  QPushButton* ButtonExit = nullptr;  // "Kilépés <Esc>"
  QPushButton* ButtonHelp = nullptr;

 signals:
  // The picture check box was clicked: the main window hides (true) or shows its background
  // picture at once.
  void pictureSwitched(bool off);
  void helpRequested(int topic);

 public slots:
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* addPage(const QString& caption);
  ColorSwatch* addSwatch(QWidget* page, QGridLayout* grid, const QString& caption, const char* name);
  void pick(ColorSwatch* swatch);
  void openQueries();
  void fill();
  void paint();
  void markChanged();

  TDM& dm_;
  kit::data::Dataset* user_ = nullptr;
  kit::data::Dataset* signatories_ = nullptr;
  bool hasUserRow_ = false;
};

}  // namespace core

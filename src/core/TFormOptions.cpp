#include "TFormOptions.h"

#include <QCheckBox>
#include <QCollator>
#include <QColorDialog>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "DM.h"
#include "SettingsFile.h"
#include "kit/data/DbError.h"
#include "kit/sys/Printers.h"
#include "kit/widgets/Colors.h"
#include "kit/widgets/DataControls.h"
#include "kit/widgets/MessageService.h"
#include "kit/widgets/Messages.h"

namespace core {

using kit::data::Dataset;
using kit::data::DbError;
using kit::ui::fromSettingsColor;

namespace {

// A Qt colour in the settings' order (0x00BBGGRR).
int toSettingsColor(const QColor& color) {
  return (color.blue() << 16) | (color.green() << 8) | color.red();
}

// The network page shows a local server for both spellings of the own machine.
bool isLocalHost(const QString& host) {
  const QString h = host.trimmed();
  return h.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 || h == QLatin1String("127.0.0.1");
}

QLabel* captionFor(const QString& caption, QWidget* control, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setBuddy(control);
  QString name = caption;
  if (name.endsWith(QLatin1Char(':'))) name.chop(1);
  control->setAccessibleName(name);
  return label;
}

QLineEdit* readOnlyField(QWidget* parent, const char* name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QLatin1String(name));
  edit->setReadOnly(true);
  return edit;
}

QCheckBox* checkBox(const QString& caption, QWidget* parent, const char* name) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(QLatin1String(name));
  return box;
}

}  // namespace

// ---------------------------------------------------------------- ColorSwatch

ColorSwatch::ColorSwatch(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setMinimumSize(170, 30);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setCursor(Qt::PointingHandCursor);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  caption_ = new QLabel(QStringLiteral("dupla kattintás"), this);
  caption_->setAlignment(Qt::AlignCenter);
  caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
  layout->addWidget(caption_);
}

void ColorSwatch::setValue(int value) {
  value_ = value;
  const QColor color = fromSettingsColor(value);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, color.isValid() ? color : QColor(Qt::white));
  // The caption stays readable on dark colours too.
  p.setColor(QPalette::WindowText, color.isValid() && color.lightness() < 110 ? Qt::white : Qt::black);
  setPalette(p);
}

void ColorSwatch::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit doubleClicked();
  QFrame::mouseDoubleClickEvent(event);
}

// ---------------------------------------------------------------- TFormOptions

TFormOptions::TFormOptions(TDM& dm, QWidget* parent) : QDialog(parent), dm_(dm) {
  setObjectName(QStringLiteral("TFormOptions"));
  setWindowTitle(QStringLiteral("Beállítások"));
  setModal(true);
  pickColor = [this](const QColor& current) {
    return QColorDialog::getColor(current.isValid() ? current : QColor(Qt::white), this,
                                  QStringLiteral("Szín kiválasztása"));
  };

  user_ = new Dataset(dm_.ZConnection, QStringLiteral("ZQueryUserOptions"), this);
  user_->setSql(QStringLiteral("SELECT * FROM kaq_user"));
  user_->setUpdateTable(QStringLiteral("kaq_user"));
  user_->setKeyField(QStringLiteral("user_kod"));
  dm_.stampBeforePost(*user_);
  signatories_ = new Dataset(dm_.ZConnection, QStringLiteral("ZQueryAlairasOptions"), this);
  signatories_->setSql(QStringLiteral("SELECT * FROM alairas"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* body = new QHBoxLayout;
  body->setContentsMargins(8, 8, 8, 8);
  body->setSpacing(8);
  TreeView = new QTreeWidget(this);
  TreeView->setObjectName(QStringLiteral("TreeView"));
  TreeView->setHeaderHidden(true);
  TreeView->setRootIsDecorated(false);
  TreeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
  TreeView->setFixedWidth(170);
  TreeView->setIndentation(0);
  TreeView->setStyleSheet(QStringLiteral("QTreeView::item { padding: 3px 6px; }"));
  TreeView->setAccessibleName(QStringLiteral("Beállítások csoportjai"));
  Pages = new QStackedWidget(this);
  Pages->setObjectName(QStringLiteral("Pages"));
  body->addWidget(TreeView);
  body->addWidget(Pages, 1);
  layout->addLayout(body, 1);

  // --- Általános
  {
    QWidget* page = addPage(QStringLiteral("Általános"));
    auto* v = static_cast<QVBoxLayout*>(page->layout());
    CheckBoxPicture =
        checkBox(QStringLiteral("Grafika kikapcsolása az alapképernyő hátterén"), page, "CheckBoxPicture");
    CheckBoxLimit = checkBox(QStringLiteral("Limit bekapcsolása listázáshoz"), page, "CheckBoxLimit");
    v->addWidget(CheckBoxPicture);
    v->addWidget(CheckBoxLimit);
    auto* form = new QFormLayout;
    form->setContentsMargins(22, 0, 0, 0);
    EditLimitNum = readOnlyField(page, "EditLimitNum");
    EditLimitNum->setFixedWidth(60);
    form->addRow(captionFor(QStringLiteral("Limit mértéke (25-100):"), EditLimitNum, page), EditLimitNum);
    v->addLayout(form);
    v->addSpacing(8);
    auto* group = new QGroupBox(QStringLiteral(" Aláírás a nyomtatványokon "), page);
    group->setObjectName(QStringLiteral("GroupBoxAlairas"));
    auto* g = new QVBoxLayout(group);
    ComboBoxAlairas = new kit::ui::DBComboBox(*user_, QStringLiteral("alairas_nev"), {},
                                              kit::ui::DBComboBox::Stores::ItemText, false, group);
    ComboBoxAlairas->setObjectName(QStringLiteral("ComboBoxAlairas"));
    ComboBoxAlairas->setAccessibleName(QStringLiteral("Aláírás a nyomtatványokon"));
    g->addWidget(ComboBoxAlairas);
    v->addWidget(group);
    v->addStretch(1);
    connect(CheckBoxPicture, &QCheckBox::clicked, this, [this](bool off) { emit pictureSwitched(off); });
    // Paging takes effect for the next list opened, without saving.
    connect(CheckBoxLimit, &QCheckBox::clicked, this, [this](bool on) { dm_.settings.limit = !on; });
  }

  // --- Hálózat: shown only; the connection is set up outside the program.
  {
    QWidget* page = addPage(QStringLiteral("Hálózat"));
    auto* v = static_cast<QVBoxLayout*>(page->layout());
    auto* form = new QFormLayout;
    EditHost = readOnlyField(page, "EditHost");
    EditPort = readOnlyField(page, "EditPort");
    EditPort->setFixedWidth(60);
    EditUser = readOnlyField(page, "EditUser");
    EditPassword = readOnlyField(page, "EditPassword");
    EditPassword->setEchoMode(QLineEdit::Password);
    EditProtocol = readOnlyField(page, "EditProtocol");
    form->addRow(captionFor(QStringLiteral("Host:"), EditHost, page), EditHost);
    form->addRow(captionFor(QStringLiteral("Port:"), EditPort, page), EditPort);
    form->addRow(captionFor(QStringLiteral("Felhasználói név:"), EditUser, page), EditUser);
    form->addRow(captionFor(QStringLiteral("Jelszó:"), EditPassword, page), EditPassword);
    form->addRow(captionFor(QStringLiteral("Protokol:"), EditProtocol, page), EditProtocol);
    CheckBoxLocalhost = checkBox(QStringLiteral("Localhost"), page, "CheckBoxLocalhost");
    // Read-only like the fields: it follows the host and takes no clicks.
    CheckBoxLocalhost->setAttribute(Qt::WA_TransparentForMouseEvents);
    CheckBoxLocalhost->setFocusPolicy(Qt::NoFocus);
    form->addRow(QString(), CheckBoxLocalhost);
    v->addLayout(form);
    v->addStretch(1);
  }

  // --- Nyomtató
  {
    QWidget* page = addPage(QStringLiteral("Nyomtató"));
    auto* v = static_cast<QVBoxLayout*>(page->layout());
    auto* form = new QFormLayout;
    ComboBoxPrinter = new QComboBox(page);
    ComboBoxPrinter->setObjectName(QStringLiteral("ComboBoxPrinter"));
    ComboBoxPrinter->setMinimumWidth(260);
    form->addRow(captionFor(QStringLiteral("Alapnyomtató:"), ComboBoxPrinter, page), ComboBoxPrinter);
    v->addLayout(form);
    v->addSpacing(8);
    CheckBoxPrintPerPage = checkBox(QStringLiteral("HP Laser Jet 1000 series nyomtató Windows 98 operációs\n"
                                                   "esetén (laponkénti nyomtatás beállítása)"),
                                    page, "CheckBoxPrintPerPage");
    v->addWidget(CheckBoxPrintPerPage);
    v->addStretch(1);
  }

  // --- Színek
  {
    QWidget* page = addPage(QStringLiteral("Színek"));
    auto* v = static_cast<QVBoxLayout*>(page->layout());
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->setColumnStretch(2, 1);
    ShapeForm = addSwatch(page, grid, QStringLiteral("Alapképernyő:"), "ShapeForm");
    ShapePanel = addSwatch(page, grid, QStringLiteral("Panelek:"), "ShapePanel");
    ShapeGrid = addSwatch(page, grid, QStringLiteral("Adattábla:"), "ShapeGrid");
    ShapeGridTitle = addSwatch(page, grid, QStringLiteral("Adattábla fejléce:"), "ShapeGridTitle");
    ShapeDBNav = addSwatch(page, grid, QStringLiteral("Navigáló eszközök:"), "ShapeDBNav");
    v->addLayout(grid);
    v->addSpacing(8);
    ButtonDefaultColors = new QPushButton(QStringLiteral("Alapértékek visszaállítása"), page);
    ButtonDefaultColors->setObjectName(QStringLiteral("ButtonDefaultColors"));
    ButtonDefaultColors->setAutoDefault(false);
    auto* row = new QHBoxLayout;
    row->addWidget(ButtonDefaultColors);
    row->addStretch(1);
    v->addLayout(row);
    v->addStretch(1);
    connect(ButtonDefaultColors, &QPushButton::clicked, this, [this] {
      restoreDefaultColors();
      markChanged();
    });
  }

  // --- Egyedi igények
  {
    QWidget* page = addPage(QStringLiteral("Egyedi igények"));
    auto* v = static_cast<QVBoxLayout*>(page->layout());
    CheckBoxGeporvos = checkBox(QStringLiteral("Gépvizsgálati jegyzőkönyvön jelenjen meg a fogeg orvos"),
                                page, "CheckBoxGeporvos");
    CheckBoxLogo = checkBox(QStringLiteral("ISO minősített cégek esetén a minősítés képeinek megjelenítése"),
                            page, "CheckBoxLogo");
    auto* note = new QLabel(QStringLiteral("a nyomtatványok előlapján (adószámnak megfelelő képek!)"), page);
    note->setObjectName(QStringLiteral("LabelLogo"));
    note->setContentsMargins(22, 0, 0, 0);
    CheckBoxAdoszam =
        checkBox(QStringLiteral("Adószám elrejtése a nyomtatványokon"), page, "CheckBoxAdoszam");
    CheckBoxMH =
        checkBox(QStringLiteral("Magyar Honnvédségi jegyzőkönyv formátum használata"), page, "CheckBoxMH");
    v->addWidget(CheckBoxGeporvos);
    auto* logo = new QVBoxLayout;  // the note reads as the check box's second line
    logo->setSpacing(0);
    logo->addWidget(CheckBoxLogo);
    logo->addWidget(note);
    v->addLayout(logo);
    v->addWidget(CheckBoxAdoszam);
    v->addWidget(CheckBoxMH);
    v->addStretch(1);
  }

  // --- Kockázatelemzés
  {
    QWidget* page = addPage(QStringLiteral("Kockázatelemzés"));
    auto* v = static_cast<QVBoxLayout*>(page->layout());
    CheckBoxFelmerolap =
        checkBox(QStringLiteral("Felmérőlapon jelenjen meg a javaslat"), page, "CheckBoxFelmerolap");
    CheckBoxOrvos = checkBox(QStringLiteral("A kockázatelemzésen és -értékelésen jelenjen meg a  foglalko-\n"
                                            "zás-egészségügyi orvos aláírási helye"),
                             page, "CheckBoxOrvos");
    CheckBoxOAlairas = new kit::ui::DBCheckBox(
        QStringLiteral("A kockázatelemzésen ne jelenjen meg az aláírás (aki végezte)"), *user_,
        QStringLiteral("o_alairas"), page);
    CheckBoxOAlairas->setObjectName(QStringLiteral("CheckBoxOAlairas"));
    v->addWidget(CheckBoxFelmerolap);
    v->addWidget(CheckBoxOrvos);
    v->addWidget(CheckBoxOAlairas);
    v->addStretch(1);
  }

  // --- Munkabaleset
  {
    QWidget* page = addPage(QStringLiteral("Munkabaleset"));
    auto* v = static_cast<QVBoxLayout*>(page->layout());
    CheckBoxOmmfkod =
        new kit::ui::DBCheckBox(QStringLiteral("A munkabaleseti jegyzőkönyvön jelenjenek meg az OMMF kódok"),
                                *user_, QStringLiteral("o_ommfkod"), page);
    CheckBoxOmmfkod->setObjectName(QStringLiteral("CheckBoxOmmfkod"));
    v->addWidget(CheckBoxOmmfkod);
    v->addStretch(1);
  }

  // --- Command bar
  PanelCommand = new QWidget(this);
  PanelCommand->setObjectName(QStringLiteral("PanelCommand"));
  auto* bar = new QHBoxLayout(PanelCommand);
  bar->setContentsMargins(8, 6, 8, 6);
  ButtonHelp = new QPushButton(QStringLiteral("Súgó"), PanelCommand);
  ButtonHelp->setObjectName(QStringLiteral("ButtonHelp"));
  ButtonSave = new QPushButton(QStringLiteral("Beállítások mentése <F2>"), PanelCommand);
  ButtonSave->setObjectName(QStringLiteral("ButtonSave"));
  ButtonExit = new QPushButton(QStringLiteral("Kilépés <Esc>"), PanelCommand);
  ButtonExit->setObjectName(QStringLiteral("ButtonExit"));
  bar->addWidget(ButtonHelp);
  bar->addStretch(1);
  for (QPushButton* b : {ButtonHelp, ButtonSave, ButtonExit}) {
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
  }
  bar->addWidget(ButtonSave);
  bar->addWidget(ButtonExit);
  layout->addWidget(PanelCommand);
  connect(ButtonSave, &QPushButton::clicked, this, [this] { save(); });
  connect(ButtonExit, &QPushButton::clicked, this, [this] { reject(); });
  connect(ButtonHelp, &QPushButton::clicked, this, [this] { emit helpRequested(helpTopic); });

  connect(TreeView, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item) Pages->setCurrentIndex(TreeView->indexOfTopLevelItem(item));
  });
  // Any change the user makes on any page makes the options worth saving.
  for (QCheckBox* box : findChildren<QCheckBox*>())
    connect(box, &QCheckBox::clicked, this, [this] { markChanged(); });
  for (QComboBox* combo : findChildren<QComboBox*>())
    connect(combo, &QComboBox::activated, this, [this] { markChanged(); });
  connect(user_, &Dataset::stateChanged, this, [this] {
    if (user_->isEditing()) markChanged();
  });
  setMinimumSize(720, 440);
}

QWidget* TFormOptions::addPage(const QString& caption) {
  auto* page = new QWidget(Pages);
  auto* v = new QVBoxLayout(page);
  v->setContentsMargins(16, 12, 16, 12);
  v->setSpacing(8);
  auto* title = new QLabel(caption, page);
  QFont bold = title->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.15);
  title->setFont(bold);
  v->addWidget(title);
  v->addSpacing(4);
  Pages->addWidget(page);
  new QTreeWidgetItem(TreeView, QStringList{caption});
  return page;
}

ColorSwatch* TFormOptions::addSwatch(QWidget* page, QGridLayout* grid, const QString& caption,
                                     const char* name) {
  auto* swatch = new ColorSwatch(page);
  swatch->setObjectName(QLatin1String(name));
  const int row = grid->rowCount();
  grid->addWidget(captionFor(caption, swatch, page), row, 0, Qt::AlignRight | Qt::AlignVCenter);
  grid->addWidget(swatch, row, 1, Qt::AlignVCenter);
  connect(swatch, &ColorSwatch::doubleClicked, this, [this, swatch] { pick(swatch); });
  return swatch;
}

void TFormOptions::pick(ColorSwatch* swatch) {
  if (!pickColor) return;
  const QColor chosen = pickColor(fromSettingsColor(swatch->value()));
  if (!chosen.isValid()) return;  // cancelled
  swatch->setValue(toSettingsColor(chosen));
  markChanged();
}

void TFormOptions::markChanged() {
  ButtonSave->setEnabled(true);
}

void TFormOptions::showPage(int index) {
  if (QTreeWidgetItem* item = TreeView->topLevelItem(index)) TreeView->setCurrentItem(item);
}

int TFormOptions::currentPage() const {
  return Pages->currentIndex();
}

void TFormOptions::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  paint();
  openQueries();
  fill();
  showPage(0);
  TreeView->setFocus();
  ButtonSave->setEnabled(false);
}

void TFormOptions::paint() {
  const Settings& s = dm_.settings;
  kit::ui::paintBackground(this, fromSettingsColor(s.colorForm));
  for (int i = 0; i < Pages->count(); ++i)
    kit::ui::paintBackground(Pages->widget(i), fromSettingsColor(s.colorPanel));
  kit::ui::paintBackground(PanelCommand, fromSettingsColor(s.colorDBNav));
}

void TFormOptions::openQueries() {
  hasUserRow_ = false;
  try {
    user_->close();
    user_->open();
    hasUserRow_ = !dm_.currentUser.isEmpty() &&
                  user_->locate(QStringLiteral("felhasznalo"), dm_.currentUser, {.caseInsensitive = true});
  } catch (const DbError& e) {
    kit::ui::showError(e);
  }
  QStringList names;
  try {
    signatories_->close();
    signatories_->open();
    const int nev = signatories_->fieldIndex(QStringLiteral("nev"));
    for (int row = 0; nev >= 0 && row < signatories_->recordCount(); ++row) {
      const QString name = signatories_->valueAt(row, nev).toString();
      if (!name.isEmpty()) names.append(name);
    }
  } catch (const DbError& e) {
    kit::ui::showError(e);
  }
  names.removeDuplicates();
  QCollator collator(QLocale(QLocale::Hungarian, QLocale::Hungary));
  std::sort(names.begin(), names.end(), collator);
  ComboBoxAlairas->clear();
  ComboBoxAlairas->addItems(names);
  ComboBoxAlairas->binding().refresh();

  // Without the current user's row the bound controls would show another user's row, or
  // create a new one at the first click: they stay empty and disabled.
  for (QWidget* control : std::initializer_list<QWidget*>{ComboBoxAlairas, CheckBoxOAlairas, CheckBoxOmmfkod})
    control->setEnabled(hasUserRow_);
  if (!hasUserRow_) {
    for (QCheckBox* box :
         {static_cast<QCheckBox*>(CheckBoxOAlairas), static_cast<QCheckBox*>(CheckBoxOmmfkod)}) {
      const QSignalBlocker blocker(box);  // not a choice of the user: nothing is written
      box->setChecked(false);
    }
    ComboBoxAlairas->setCurrentIndex(-1);
  }
}

void TFormOptions::fill() {
  const Settings& s = dm_.settings;
  CheckBoxPicture->setChecked(s.picture == QLatin1String("1"));
  CheckBoxLimit->setChecked(!s.limit);
  EditLimitNum->setText(QString::number(s.limitNum));

  EditHost->setText(s.host);
  EditPort->setText(s.port);
  EditUser->setText(s.user);
  EditPassword->setText(s.password);
  EditProtocol->setText(s.protocol);
  CheckBoxLocalhost->setChecked(isLocalHost(s.host));

  ComboBoxPrinter->clear();
  ComboBoxPrinter->addItems(kit::sys::Printers::installed());
  ComboBoxPrinter->setCurrentIndex(ComboBoxPrinter->findText(s.printer, Qt::MatchExactly));
  CheckBoxPrintPerPage->setChecked(s.printsPageByPage());

  ShapeForm->setValue(s.colorForm);
  ShapePanel->setValue(s.colorPanel);
  ShapeGrid->setValue(s.colorGrid);
  ShapeGridTitle->setValue(s.colorGridTitle);
  ShapeDBNav->setValue(s.colorDBNav);

  CheckBoxGeporvos->setChecked(s.geporvos);
  CheckBoxLogo->setChecked(s.logo);
  CheckBoxAdoszam->setChecked(s.adoszam);
  CheckBoxMH->setChecked(s.mh);
  CheckBoxFelmerolap->setChecked(s.felmerolap);
  CheckBoxOrvos->setChecked(s.orvos);
}

void TFormOptions::restoreDefaultColors() {
  // Only the settings in memory: the swatches keep what they show, so a following save takes
  // the swatches again, while leaving keeps the defaults (written when the program ends).
  Settings& s = dm_.settings;
  s.colorForm = DefaultColors::form;
  s.colorPanel = DefaultColors::panel;
  s.colorGrid = DefaultColors::grid;
  s.colorGridTitle = DefaultColors::gridTitle;
  s.colorDBNav = DefaultColors::dbNav;
}

bool TFormOptions::save() {
  if (user_->isEditing()) {
    try {
      user_->post();
    } catch (const DbError& e) {
      kit::ui::showError(e);  // the row stays in editing with everything chosen
      return false;
    }
    try {
      // The print options are read from the shared user row: it is read again.
      user_->close();
      user_->open();
      user_->locate(QStringLiteral("felhasznalo"), dm_.currentUser, {.caseInsensitive = true});
      dm_.ZQueryUser().refresh();
      dm_.positionCurrentUser();
    } catch (const DbError& e) {
      kit::ui::showError(e);
    }
  }
  return takeOverAndWrite();
}

bool TFormOptions::takeOverAndWrite() {
  Settings& s = dm_.settings;
  s.colorForm = ShapeForm->value();
  s.colorPanel = ShapePanel->value();
  s.colorGrid = ShapeGrid->value();
  s.colorGridTitle = ShapeGridTitle->value();
  s.colorDBNav = ShapeDBNav->value();
  s.picture = CheckBoxPicture->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
  s.printPerPage = CheckBoxPrintPerPage->isChecked() ? QStringLiteral("Igen") : QStringLiteral("Nem");
  s.geporvos = CheckBoxGeporvos->isChecked();
  s.logo = CheckBoxLogo->isChecked();
  s.adoszam = CheckBoxAdoszam->isChecked();
  s.mh = CheckBoxMH->isChecked();
  s.felmerolap = CheckBoxFelmerolap->isChecked();
  s.orvos = CheckBoxOrvos->isChecked();
  // A printer of the settings that is no longer installed selects nothing in the list; its
  // name is kept rather than emptied.
  if (ComboBoxPrinter->currentIndex() >= 0) s.printer = ComboBoxPrinter->currentText();
  if (!SettingsFile::write(s, dm_.currentUser)) {
    kit::ui::warn(
        QStringLiteral("A beállításokat nem sikerült a(z) %1 fájlba menteni!").arg(SettingsFile::path()));
    return false;
  }
  accept();
  return true;
}

void TFormOptions::done(int result) {
  // A user-row edit not posted by the save button (F2 writes the file only) is given up here.
  user_->cancel();
  user_->close();
  try {
    dm_.ZQueryUser().refresh();
  } catch (const DbError& e) {
    kit::ui::showError(e);
  }
  QDialog::done(result);
}

void TFormOptions::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F2) {
    takeOverAndWrite();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace core

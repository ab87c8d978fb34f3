#include "TFormFomenu.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLinearGradient>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "ConnectionWatchdog.h"
#include "InfoWindows.h"
#include "Login.h"
#include "Rights.h"
#include "TFormConnect.h"
#include "TFormCsere.h"
#include "TFormTulajdonos.h"
#include "WorkingContext.h"
#include "core/DM.h"
#include "core/Program.h"
#include "core/ProgramVersion.h"
#include "kit/data/DbError.h"
#include "kit/sys/Printers.h"
#include "kit/widgets/MessageService.h"
#include "kit/widgets/Messages.h"

namespace session {

using kit::data::Dataset;

namespace {

// The actions the main window carries out itself.
const QSet<QString>& ownActions() {
  static const QSet<QString> names = {"ActionExit", "ActionConnect", "ActionCsere", "ActionHelp",
                                      "ActionAbout"};
  return names;
}

// Icon theme names of the tool buttons and menu entries.
QString iconName(const QString& action) {
  static const QHash<QString, QString> names = {
      {"ActionExit", "application-exit"},
      {"ActionConnect", "system-users"},
      {"ActionUser", "user-info"},
      {"ActionBackup", "document-save"},
      {"ActionCsere", "view-refresh"},
      {"ActionTulajdonos", "go-home"},
      {"ActionOptions", "preferences-system"},
      {"ActionHelp", "help-contents"},
      {"ActionAbout", "help-about"},
      {"ActionDownload", "software-update-available"},
      {"ActionPartner", "address-book-new"},
      {"ActionDolgozo", "contact-new"},
      {"ActionGepek", "applications-engineering"},
      {"ActionGep_Lista", "document-print-preview"},
      {"ActionSzabvany", "accessories-dictionary"},
      {"ActionJogszabaly", "help-contents"},
      {"ActionAlairas", "accessories-text-editor"},
      {"ActionVegyianyag", "applications-science"},
      {"ActionGep_Minta", "document-new"},
      {"ActionGep_SZJCsere", "edit-find-replace"},
      {"ActionGep_Jegyzokonyv", "document-properties"},
      {"ActionGep_Uzembehelyezes", "system-run"},
      {"ActionGep_Inditas", "media-playback-start"},
      {"ActionGep_Lekerdezes", "system-search"},
      {"ActionGep_Utemterv", "appointment-new"},
      {"ActionKockazat_Minta", "document-new"},
      {"ActionKockazat_PszMinta", "document-new"},
      {"ActionKockazat_Tipusok", "view-sort-ascending"},
      {"ActionVegyiMinta", "applications-science"},
      {"ActionKockazat_Felmerok", "edit-paste"},
      {"ActionKockazat_Elemzes", "dialog-warning"},
      {"ActionKockazat_PszVizsgalat", "user-info"},
      {"ActionKockazat_Fogeg", "security-medium"},
      {"ActionVegyiKockazat", "dialog-warning"},
      {"ActionKockazat_Ertekeles", "task-due"},
      {"ActionBaleset", "dialog-error"},
      {"ActionBaleset2013", "document-new"},
      {"ActionDiakbaleset", "dialog-error"},
      {"ActionKarbantartas_Minta", "document-new"},
      {"ActionKarbantartas", "appointment-new"},
      {"ActionKarbantartas_Knaplo", "preferences-system"},
      {"ActionHulladek", "edit-delete"},
      {"ActionHulladek_Adatlapok", "document-properties"},
      {"ActionEve_Minta", "document-new"},
      {"ActionEve_Felmero", "security-high"},
      {"ActionNyomtat_Tuz", "dialog-warning"},
      {"ActionBeszallas", "document-print"},
  };
  if (const auto it = names.find(action); it != names.end()) return *it;
  if (action.contains(QLatin1String("Export"))) return QStringLiteral("document-send");
  if (action.contains(QLatin1String("Import")) || action == QLatin1String("ActionKaq2004"))
    return QStringLiteral("document-open");
  return {};
}

void useIconTheme() {
  if (QIcon::hasThemeIcon(QStringLiteral("application-exit"))) return;
  // Desktops without an icon theme of their own (and the test platform) get the system's
  // Adwaita theme from the shared data folders.
  QStringList paths = QIcon::themeSearchPaths();
  const QString dataDirs =
      qEnvironmentVariable("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share"));
  for (const QString& dir : dataDirs.split(QLatin1Char(':'), Qt::SkipEmptyParts))
    if (!paths.contains(dir + QStringLiteral("/icons"))) paths.append(dir + QStringLiteral("/icons"));
  QIcon::setThemeSearchPaths(paths);
  QIcon::setThemeName(QStringLiteral("Adwaita"));
}

// The background of the client area: a calm gradient with the program's name.
class BackgroundPicture : public QWidget {
 public:
  using QWidget::QWidget;
  void setPictureShown(bool shown) {
    shown_ = shown;
    update();
  }
  bool pictureShown() const { return shown_; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    if (!shown_) {
      p.fillRect(rect(), palette().color(QPalette::Window));
      return;
    }
    QLinearGradient g(rect().topLeft(), rect().bottomRight());
    g.setColorAt(0, QColor(0xFB, 0xE6, 0xB8));
    g.setColorAt(1, QColor(0xE8, 0x9A, 0x3C));
    p.fillRect(rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f = font();
    f.setPixelSize(qMax(24, height() / 7));
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(255, 255, 255, 150));
    p.drawText(rect().adjusted(0, 0, -40, -60), Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Vareko"));
    QFont small = font();
    small.setPixelSize(qMax(12, height() / 32));
    p.setFont(small);
    p.drawText(rect().adjusted(0, 0, -44, -30), Qt::AlignRight | Qt::AlignBottom,
               QStringLiteral("Munkavédelmi nyilvántartás és dokumentáció"));
  }

 private:
  bool shown_ = true;
};

}  // namespace

TFormFomenu::TFormFomenu(core::TDM& dm, Hooks hooks, QWidget* parent)
    : QMainWindow(parent), dm_(dm), hooks_(std::move(hooks)) {
  setObjectName(QStringLiteral("TFormFomenu"));
  setWindowTitle(QStringLiteral("Vareko ") + core::programVersionText());
  if (!hooks_.shutdown) hooks_.shutdown = [this] { core::shutdownSession(dm_); };
  if (!hooks_.quit)
    hooks_.quit = [](int code) { QTimer::singleShot(0, qApp, [code] { QCoreApplication::exit(code); }); };
  useIconTheme();
  resize(1320, 760);
  // Every run begins with the lists paged, and on the system's printer when none was chosen.
  dm_.settings.limit = false;
  if (dm_.settings.printer.isEmpty()) dm_.settings.printer = kit::sys::Printers::current();

  auto* background = new BackgroundPicture(this);
  background->setObjectName(QStringLiteral("ImageBG"));
  ImageBG = background;
  setCentralWidget(ImageBG);
  showBackgroundPicture(dm_.settings.picture != QLatin1String("1"));

  createActions();
  createMenus();
  createToolBars();
  createStatusBar();
  createNewsPanel();

  readMeTimer.setSingleShot(true);
  readMeTimer.setInterval(1000);
  connect(&readMeTimer, &QTimer::timeout, this, &TFormFomenu::showReadMe);
  aboutTimer.setSingleShot(true);
  aboutTimer.setInterval(1000);
  connect(&aboutTimer, &QTimer::timeout, this, [this] {
    showAbout();
    selectWorkingContext();
    contextOnShow_ = true;
  });

  watchdog_ = new ConnectionWatchdog(
      dm_,
      [this] {
        reopenSessionQueries();
        selectWorkingContext();
      },
      this);
  connect(watchdog_, &ConnectionWatchdog::endProgramRequested, this, [this] {
    // The program ends from inside whatever windows were open over the main window.
    for (QWidget* window : QApplication::topLevelWidgets())
      if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible()) dialog->reject();
    close();
  });
  applyRights();
}

TFormFomenu::~TFormFomenu() = default;

// ---------------------------------------------------------------- building the window

void TFormFomenu::createActions() {
  for (const MainAction& spec : mainActions()) {
    auto* a = new QAction(spec.caption, this);
    a->setObjectName(spec.name);
    if (!spec.hint.isEmpty()) a->setToolTip(spec.hint);
    if (const QString icon = iconName(spec.name); !icon.isEmpty()) a->setIcon(QIcon::fromTheme(icon));
    connect(a, &QAction::triggered, this, [this, name = spec.name] { trigger(name); });
    actions_.insert(spec.name, a);
  }
}

QAction* TFormFomenu::entry(const QString& actionName, const QString& caption, QObject* owner) {
  QAction* main = actions_.value(actionName);
  Q_ASSERT(main);
  if (caption.isEmpty() || caption == main->text()) return main;
  // An entry with its own caption: a second action that follows the main one's state.
  auto* view = new QAction(main->icon(), caption, owner);
  view->setObjectName(actionName + QStringLiteral("_") + QString::number(qHash(caption)));
  view->setToolTip(main->toolTip());
  view->setEnabled(main->isEnabled());
  connect(main, &QAction::enabledChanged, view, &QAction::setEnabled);
  connect(view, &QAction::triggered, this, [this, actionName] { trigger(actionName); });
  return view;
}

void TFormFomenu::createMenus() {
  std::function<void(QMenu*, const std::vector<MenuItem>&)> fill = [&](QMenu* menu,
                                                                       const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
      if (item.isSeparator()) {
        menu->addSeparator();
      } else if (!item.items.empty()) {
        fill(menu->addMenu(item.caption), item.items);
      } else if (!item.enabled) {
        // An entry that never opens anything from the menu.
        QAction* a = menu->addAction(actions_.value(item.action)->icon(), item.caption);
        a->setEnabled(false);
      } else {
        menu->addAction(entry(item.action, item.caption, menu));
      }
    }
  };
  for (const MenuItem& top : menuTree()) fill(menuBar()->addMenu(top.caption), top.items);
}

void TFormFomenu::createToolBars() {
  auto* row = new QToolBar(QStringLiteral("Eszköztár"), this);
  row->setObjectName(QStringLiteral("ToolBarRow"));
  row->setMovable(false);
  row->setFloatable(false);
  auto* holder = new QWidget(row);
  auto* layout = new QHBoxLayout(holder);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(6);
  const auto makeBar = [this](QWidget* parent, const QString& name) {
    auto* bar = new QToolBar(parent);
    bar->setObjectName(name);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setIconSize(QSize(32, 32));
    bar->setMovable(false);
    return bar;
  };
  ToolBarSystem = makeBar(holder, QStringLiteral("ToolBarSystem"));
  for (const ToolButton& b : systemToolButtons())
    ToolBarSystem->addAction(entry(b.action, b.caption, ToolBarSystem));
  layout->addWidget(ToolBarSystem, 0, Qt::AlignBottom);
  PageControl = new QTabWidget(holder);
  PageControl->setObjectName(QStringLiteral("PageControl"));
  PageControl->setDocumentMode(true);
  PageControl->setUsesScrollButtons(true);
  PageControl->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 9px; }"));
  for (const ToolPage& page : toolPages()) {
    QToolBar* bar = makeBar(PageControl, QStringLiteral("ToolBar_") + page.caption);
    for (const ToolButton& b : page.buttons) bar->addAction(entry(b.action, b.caption, bar));
    PageControl->addTab(bar, page.caption);
  }
  layout->addWidget(PageControl, 1);
  row->addWidget(holder);
  addToolBar(Qt::TopToolBarArea, row);
}

void TFormFomenu::createStatusBar() {
  QStatusBar* bar = statusBar();
  const auto panel = [bar](const QString& name) {
    auto* label = new QLabel(bar);
    label->setObjectName(name);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setContentsMargins(4, 0, 4, 0);
    return label;
  };
  PanelPartner = panel(QStringLiteral("PanelPartner"));
  PanelTelephely = panel(QStringLiteral("PanelTelephely"));
  PanelUser = panel(QStringLiteral("PanelUser"));
  PanelPartner->setMinimumWidth(220);
  PanelTelephely->setMinimumWidth(160);
  PanelUser->setMaximumWidth(96);
  PanelMsg = panel(QStringLiteral("PanelMsg"));
  PanelMsg->setMaximumWidth(160);
  PanelPartner->setToolTip(QStringLiteral("Partner"));
  PanelTelephely->setToolTip(QStringLiteral("Telephely"));
  PanelUser->setToolTip(QStringLiteral("Felhasználó"));
  auto* icons = new QWidget(bar);
  icons->setObjectName(QStringLiteral("PanelIcons"));
  auto* iconLayout = new QHBoxLayout(icons);
  iconLayout->setContentsMargins(2, 0, 2, 0);
  ImageVerzio = new QLabel(icons);
  ImageVerzio->setObjectName(QStringLiteral("ImageVerzio"));
  ImageVerzio->setPixmap(QIcon::fromTheme(QStringLiteral("software-update-available")).pixmap(16, 16));
  ImageVerzio->setToolTip(QStringLiteral("Új verzió információ"));
  ImageChat = new QLabel(icons);
  ImageChat->setObjectName(QStringLiteral("ImageChat"));
  ImageChat->setPixmap(QIcon::fromTheme(QStringLiteral("mail-unread")).pixmap(16, 16));
  ImageChat->setToolTip(QStringLiteral("Hírek"));
  for (QLabel* image : {ImageVerzio, ImageChat}) {
    image->hide();
    image->setCursor(Qt::PointingHandCursor);
    image->installEventFilter(this);
    iconLayout->addWidget(image);
  }
  icons->setFixedWidth(44);
  bar->addWidget(PanelPartner, 3);
  bar->addWidget(PanelTelephely, 2);
  bar->addWidget(PanelUser);
  bar->addWidget(PanelMsg, 1);
  bar->addWidget(icons);
}

void TFormFomenu::createNewsPanel() {
  PanelInfo = new QFrame(ImageBG);
  PanelInfo->setObjectName(QStringLiteral("PanelInfo"));
  PanelInfo->setFrameShape(QFrame::Panel);
  PanelInfo->setFrameShadow(QFrame::Raised);
  PanelInfo->setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(PanelInfo);
  layout->setContentsMargins(6, 4, 6, 6);
  auto* titleRow = new QHBoxLayout;
  auto* title = new QLabel(QStringLiteral("Új verzió információ"), PanelInfo);
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  auto* close = new QToolButton(PanelInfo);
  close->setObjectName(QStringLiteral("ButtonInfoClose"));
  close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
  close->setAutoRaise(true);
  connect(close, &QToolButton::clicked, PanelInfo, &QWidget::hide);
  titleRow->addWidget(title, 1);
  titleRow->addWidget(close);
  layout->addLayout(titleRow);
  MemoInfo = new QPlainTextEdit(PanelInfo);
  MemoInfo->setObjectName(QStringLiteral("MemoInfo"));
  MemoInfo->setReadOnly(true);
  layout->addWidget(MemoInfo);
  PanelInfo->resize(320, 200);
  PanelInfo->hide();
}

// ---------------------------------------------------------------- rights and guards

bool TFormFomenu::isBuilt(const QString& name) const {
  return ownActions().contains(name) || hooks_.windows.contains(name);
}

void TFormFomenu::applyRights() {
  bool superuser = false;
  std::function<bool(const QString&)> flag = [](const QString&) { return false; };
  try {
    if (!dm_.currentUser.isEmpty() && dm_.positionCurrentUser()) {
      const Dataset& user = dm_.ZQueryUser();
      superuser = user.value(QStringLiteral("superuser")).toBool();
      flag = [&user](const QString& column) { return user.value(column).toBool(); };
    }
  } catch (const kit::data::DbError&) {
    // No user row to read: only the actions no right governs stay enabled.
  }
  const EnabledActions governed = enabledActions(superuser, flag);
  forbidden_ = QSet<QString>(governed.disabled.begin(), governed.disabled.end());
  for (auto it = actions_.begin(); it != actions_.end(); ++it)
    it.value()->setEnabled(isBuilt(it.key()) && allowedByRights(it.key()));
}

bool TFormFomenu::hasPartners() {
  const Dataset& partners = dm_.ZQueryPartner();
  if (partners.isOpen() && !partners.isEmpty()) return true;
  // The list may be older than a partner recorded since (also on another workstation).
  try {
    return dm_.ZConnection.exec(QStringLiteral("select 1 from partner limit 1")).rowCount() > 0;
  } catch (const kit::data::DbError& e) {
    kit::ui::warn(e.message());
    return false;
  }
}

bool TFormFomenu::hasMachines() {
  try {
    QVariant partner, site;
    if (dm_.positionCurrentUser()) {
      partner = dm_.ZQueryUser().value(QStringLiteral("partner_kod"));
      site = dm_.ZQueryUser().value(QStringLiteral("telephely_kod"));
    }
    Dataset& machines = *dm_.query(QStringLiteral("ZQueryGep_Munkaeszkoz"));
    machines.setParam(QStringLiteral("pkod"), partner);
    machines.setParam(QStringLiteral("tkod"), site);
    machines.open();
    if (!machines.isEmpty()) return true;
  } catch (const kit::data::DbError& e) {
    kit::ui::warn(e.message());
    return false;
  }
  kit::ui::warn(QStringLiteral("Nincsen felvéve gép/eszköz!"));
  return false;
}

bool TFormFomenu::guardAllows(Guard guard) {
  switch (guard) {
    case Guard::None: return true;
    case Guard::Partners: return hasPartners();
    case Guard::PartnersOrReadMe:
      if (hasPartners()) return true;
      showReadMe();
      return false;
    case Guard::Machines: return hasMachines();
  }
  return false;
}

bool TFormFomenu::trigger(const QString& name) {
  QAction* a = actions_.value(name);
  const MainAction* spec = mainAction(name);
  if (!a || !spec || !a->isEnabled()) return false;
  if (!guardAllows(spec->guard)) return false;
  if (name == QLatin1String("ActionExit"))
    close();
  else if (name == QLatin1String("ActionConnect"))
    changeUser();
  else if (name == QLatin1String("ActionCsere"))
    openSwitcher();
  else if (name == QLatin1String("ActionHelp"))
    showHelp(HelpTopic::program);
  else if (name == QLatin1String("ActionAbout"))
    showAbout();
  else {
    try {
      hooks_.windows.value(name)(*this);
    } catch (const kit::data::DbError& e) {
      kit::ui::showError(e);  // the window could not read its data; the program goes on
    }
  }
  return true;
}

// ---------------------------------------------------------------- session

void TFormFomenu::reopenSessionQueries() {
  // A query with a pending edit keeps it: what was typed is saved once the user posts it.
  for (Dataset* query : {&dm_.ZQueryTulajdonos(), &dm_.ZQueryPartner(), &dm_.ZQueryUser()})
    if (!query->isEditing()) query->open();
}

void TFormFomenu::firstShow() {
  if (firstShown_ || dm_.connectionFailed) return;
  firstShown_ = true;
  try {
    reopenSessionQueries();
  } catch (const kit::data::DbError& e) {
    kit::ui::showError(e);
  }
  ensureBuiltInAdministrator(dm_);
  if (!dm_.ZQueryUser().isEmpty()) {
    TFormConnect login(dm_, Login::Mode::FirstLogin, this);
    login.exec();
    if (login.programMustEnd() || login.result() != QDialog::Accepted) {
      endProgram();
      return;
    }
    applyRights();
    try {
      dm_.positionCurrentUser();
      checkOwnerAfterFirstLogin(dm_);
    } catch (const kit::data::DbError& e) {
      kit::ui::showError(e);
    }
  }
  PanelUser->setText(dm_.currentUser);
  if (!hasPartners()) readMeTimer.start();
  PageControl->setCurrentIndex(0);
  aboutTimer.start();
  PanelMsg->setText(dm_.settings.host);
  PanelMsg->setToolTip(dm_.settings.host);
  watchdog_->start();
}

void TFormFomenu::changeUser() {
  TFormConnect login(dm_, Login::Mode::ChangeOfUser, this);
  login.exec();
  if (login.programMustEnd()) {
    // No attempt left: the program ends in order, so the user still logged in is released.
    close();
    return;
  }
  if (login.result() == QDialog::Accepted) {
    PanelUser->setText(dm_.currentUser);
    applyRights();
  }
  selectWorkingContext();
}

void TFormFomenu::selectWorkingContext() {
  const WorkingContext context = session::selectWorkingContext(dm_);
  PanelPartner->setText(context.partnerName);
  PanelTelephely->setText(context.siteName);
  PanelPartner->setToolTip(context.partnerName);
  PanelTelephely->setToolTip(context.siteName);
}

void TFormFomenu::openSwitcher() {
  TFormCsere switcher(dm_, this);
  if (switcher.exec() == QDialog::Accepted) selectWorkingContext();
}

void TFormFomenu::showReadMe() {
  std::unique_ptr<TFormInfo> readMe(createReadMe(this));
  readMe->exec();
}

void TFormFomenu::showAbout() {
  if (!aboutWindow_) {
    aboutWindow_ = createAbout(this);
    aboutWindow_->setAttribute(Qt::WA_DeleteOnClose);
    connect(aboutWindow_, &QObject::destroyed, this, [this] { aboutWindow_ = nullptr; });
  }
  aboutWindow_->show();
  aboutWindow_->raise();
}

void TFormFomenu::showHelp(int topic) {
  std::unique_ptr<TFormInfo> help(createHelp(topic, this));
  help->exec();
}

void TFormFomenu::showBackgroundPicture(bool shown) {
  static_cast<BackgroundPicture*>(ImageBG)->setPictureShown(shown);
}

void TFormFomenu::showNews(const QStringList& lines, const QString& message) {
  MemoInfo->setPlainText(lines.join(QLatin1Char('\n')));
  if (!message.isEmpty()) PanelMsg->setText(message);
  ImageVerzio->show();
  ImageChat->show();
}

void TFormFomenu::endProgram() {
  ended_ = true;
  watchdog_->stop();
  dm_.ZQueryUser().close();
  hide();
  hooks_.quit(0);
}

// ---------------------------------------------------------------- events

void TFormFomenu::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!firstShown_) {
    // The login comes over the window already on the screen.
    QTimer::singleShot(0, this, &TFormFomenu::firstShow);
  } else if (contextOnShow_ && !event->spontaneous()) {
    selectWorkingContext();
  }
}

void TFormFomenu::closeEvent(QCloseEvent* event) {
  if (!ended_) {
    ended_ = true;
    watchdog_->stop();
    if (aboutWindow_) aboutWindow_->close();
    hooks_.shutdown();
  }
  event->accept();
}

void TFormFomenu::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  layOutStatusBar();
  placeNewsPanel();
}

void TFormFomenu::layOutStatusBar() {
  // The message field takes what the other fields leave, less a margin, up to its maximum.
  const int others =
      PanelPartner->minimumWidth() + PanelTelephely->minimumWidth() + PanelUser->maximumWidth() + 44;
  PanelMsg->setFixedWidth(qBound(0, width() - others - 80, 160));
}

void TFormFomenu::placeNewsPanel() {
  if (!PanelInfo) return;
  PanelInfo->move(ImageBG->width() - PanelInfo->width() - 8, ImageBG->height() - PanelInfo->height() - 8);
}

bool TFormFomenu::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == ImageVerzio || watched == ImageChat) && event->type() == QEvent::MouseButtonPress) {
    placeNewsPanel();
    PanelInfo->show();
    PanelInfo->raise();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace session

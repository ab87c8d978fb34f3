#pragma once

#include <QHash>
#include <QMainWindow>
#include <QSet>
#include <QTimer>
#include <functional>

#include "MainActions.h"

class QFrame;
class QLabel;
class QPlainTextEdit;
class QTabWidget;
class QToolBar;

namespace core {
class TDM;
}

namespace session {

class ConnectionWatchdog;

// The main window: the menu bar, the system tool bar and the page control of the work areas'
// tool bars, the background picture, the status bar with the working context and the user,
// and the news panel. It runs the first login and the owner check when first shown, keeps the
// connection alive with the watchdog, and ends the program when closed.
class TFormFomenu : public QMainWindow {
  Q_OBJECT
 public:
  // Opens the window of an action, modally over the main window.
  using WindowOpener = std::function<void(TFormFomenu&)>;
  struct Hooks {
    // The windows built so far, by action name. An action whose window is not here stays
    // disabled; the main window opens its own (login, switcher, help, about, exit) itself.
    QHash<QString, WindowOpener> windows = {};
    // The orderly end when the window closes (settings written, logged-in flag cleared,
    // disconnect); by default the data module's session is ended so.
    std::function<void()> shutdown = {};
    // Ends the program at once, without the orderly end (the first login given up).
    std::function<void(int exitCode)> quit = {};
  };

  TFormFomenu(core::TDM& dm, Hooks hooks, QWidget* parent = nullptr);
  ~TFormFomenu() override;

  core::TDM& dm() const { return dm_; }
  QAction* action(const QString& name) const { return actions_.value(name); }
  // Whether the action's window exists in this build.
  bool isBuilt(const QString& name) const;
  // Whether the current user's rights allow the action.
  bool allowedByRights(const QString& name) const { return !forbidden_.contains(name); }
  // Runs an action as its button does, guards included; false when it was disabled or a guard
  // stopped it.
  bool trigger(const QString& name);

  // The steps of the first showing: the built-in administrator, the first login, the owner
  // check, the read-me and about timers, the watchdog.
  void firstShow();
  // Enables the actions from the current user's row.
  void applyRights();
  // Positions the data module on the user's working context and shows it in the status bar.
  void selectWorkingContext();
  void showBackgroundPicture(bool shown);
  // Puts news lines into the news panel and shows the news icons.
  void showNews(const QStringList& lines, const QString& message = {});
  void changeUser();
  void openSwitcher();
  void showReadMe();
  void showAbout();
  void showHelp(int topic);
  // True once the program was ended (closed, or the first login given up).
  bool programEnded() const { return ended_; }

  ConnectionWatchdog& watchdog() const { return *watchdog_; }

  QWidget* ImageBG = nullptr;
  QToolBar* ToolBarSystem = nullptr;
  QTabWidget* PageControl = nullptr;
  QLabel* PanelPartner = nullptr;
  QLabel* PanelTelephely = nullptr;
  QLabel* PanelUser = nullptr;
  QLabel* PanelMsg = nullptr;
  QLabel* ImageVerzio = nullptr;
  QLabel* ImageChat = nullptr;
  QFrame* PanelInfo = nullptr;
  QPlainTextEdit* MemoInfo = nullptr;
  QTimer readMeTimer;
  QTimer aboutTimer;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createActions();
  void createMenus();
  void createToolBars();
  void createStatusBar();
  void createNewsPanel();
  QAction* entry(const QString& actionName, const QString& caption, QObject* owner);
  bool guardAllows(Guard guard);
  bool hasPartners();
  bool hasMachines();
  void reopenSessionQueries();
  void endProgram();
  void layOutStatusBar();
  void placeNewsPanel();

  core::TDM& dm_;
  Hooks hooks_;
  QHash<QString, QAction*> actions_;
  QSet<QString> forbidden_;
  ConnectionWatchdog* watchdog_ = nullptr;
  QWidget* aboutWindow_ = nullptr;
  bool firstShown_ = false;
  bool contextOnShow_ = false;
  bool ended_ = false;
};

}  // namespace session

#include <QtTest>

#include "session/MainActions.h"
#include "session/Rights.h"

// What the rights of a user enable.
class TestRights : public QObject {
  Q_OBJECT

 private slots:
  void superuserHasEverything();
  void userWithoutMachineAndPartnerRights();
  void everyRightHasItsColumnOnce();
  void rightsNameActionsOfTheMainWindow();
  void menusAndToolBarsReachEveryAction();
};

void TestRights::superuserHasEverything() {
  const auto actions = session::enabledActions(true, [](const QString&) { return false; });
  QVERIFY(actions.disabled.isEmpty());
  for (const char* a :
       {"ActionUser", "ActionOptions", "ActionPartner", "ActionGepek", "ActionAlairas", "ActionGep_Utemterv"})
    QVERIFY2(actions.enabled.contains(a), a);
}

void TestRights::userWithoutMachineAndPartnerRights() {
  const auto actions = session::enabledActions(
      false, [](const QString& column) { return column != "u_munkaeszkoz" && column != "u_partner"; });
  QCOMPARE(actions.disabled, (QStringList{"ActionPartner", "ActionGepek", "ActionGep_Export",
                                          "ActionGep_Import", "ActionUser"}));
  QVERIFY(actions.enabled.contains("ActionOptions"));
  QVERIFY(actions.enabled.contains("ActionDolgozo"));
  QVERIFY(actions.enabled.contains("ActionGep_Jegyzokonyv"));
}

void TestRights::everyRightHasItsColumnOnce() {
  QStringList columns;
  for (const auto& r : session::rights()) columns << r.column;
  QCOMPARE(columns.size(), 19);
  QCOMPARE(columns.removeDuplicates(), 0);
}

// Every action a right governs is an action of the main window.
void TestRights::rightsNameActionsOfTheMainWindow() {
  for (const auto& r : session::rights())
    for (const QString& name : r.actions) QVERIFY2(session::mainAction(name), qPrintable(name));
}

// Every tool button and menu entry triggers an action that exists, and every action can be
// reached from the menu or a tool bar.
void TestRights::menusAndToolBarsReachEveryAction() {
  QSet<QString> reached;
  const auto reach = [&](const QString& name) {
    QVERIFY2(session::mainAction(name), qPrintable(name));
    reached.insert(name);
  };
  for (const auto& b : session::systemToolButtons()) reach(b.action);
  for (const auto& page : session::toolPages())
    for (const auto& b : page.buttons) reach(b.action);
  std::function<void(const std::vector<session::MenuItem>&)> walk = [&](const auto& items) {
    for (const auto& item : items) {
      if (!item.action.isEmpty()) reach(item.action);
      walk(item.items);
    }
  };
  walk(session::menuTree());
  for (const auto& a : session::mainActions()) QVERIFY2(reached.contains(a.name), qPrintable(a.name));
}

QTEST_GUILESS_MAIN(TestRights)
#include "test_rights.moc"

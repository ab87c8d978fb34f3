#include <QtTest>

#include "session/Rights.h"

// What the rights of a user enable.
class TestRights : public QObject {
  Q_OBJECT

 private slots:
  void superuserHasEverything();
  void userWithoutMachineAndPartnerRights();
  void everyRightHasItsColumnOnce();
};

void TestRights::superuserHasEverything() {
  const auto actions = session::enabledActions(true, [](const QString&) { return false; });
  QVERIFY(actions.disabled.isEmpty());
  for (const char* a :
       {"Felhasználó", "Beállítások", "Partner", "Gépek/eszközök adatai", "Aláírások", "Ütemterv"})
    QVERIFY2(actions.enabled.contains(a), a);
}

void TestRights::userWithoutMachineAndPartnerRights() {
  const auto actions = session::enabledActions(
      false, [](const QString& column) { return column != "u_munkaeszkoz" && column != "u_partner"; });
  QCOMPARE(actions.disabled,
           (QStringList{"Partner", "Gépek/eszközök adatai", "Gép export", "Gép import", "Felhasználó"}));
  QVERIFY(actions.enabled.contains("Beállítások"));
  QVERIFY(actions.enabled.contains("Dolgozó"));
  QVERIFY(actions.enabled.contains("Jegyzők..."));
}

void TestRights::everyRightHasItsColumnOnce() {
  QStringList columns;
  for (const auto& r : session::rights()) columns << r.column;
  QCOMPARE(columns.size(), 19);
  QCOMPARE(columns.removeDuplicates(), 0);
}

QTEST_GUILESS_MAIN(TestRights)
#include "test_rights.moc"

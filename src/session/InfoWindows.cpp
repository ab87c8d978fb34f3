#include "InfoWindows.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "core/ProgramVersion.h"
#include "kit/forms/FormEnvironment.h"
#include "kit/widgets/Colors.h"

namespace session {

TFormInfo::TFormInfo(const QString& objectName, const QString& caption, const QString& title,
                     const QString& html, QWidget* parent)
    : QDialog(parent) {
  setObjectName(objectName);
  setWindowTitle(caption);
  resize(560, 420);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 14, 16, 12);
  auto* heading = new QLabel(title, this);
  QFont big = heading->font();
  big.setPointSizeF(big.pointSizeF() * 1.3);
  big.setBold(true);
  heading->setFont(big);
  layout->addWidget(heading);
  text_ = new QTextBrowser(this);
  text_->setOpenExternalLinks(false);
  text_->setHtml(html);
  layout->addWidget(text_, 1);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* close = buttons->addButton(QStringLiteral("Bezárás <Esc>"), QDialogButtonBox::RejectRole);
  close->setObjectName(QStringLiteral("ButtonClose"));
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void TFormInfo::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (auto* env = kit::forms::installedFormEnvironment()) kit::ui::paintBackground(this, env->colors().form);
}

TFormInfo* createReadMe(QWidget* parent) {
  return new TFormInfo(
      QStringLiteral("TFormReadMe"), QStringLiteral("Olvass el!"),
      QStringLiteral("Első lépések a programban"),
      QStringLiteral(
          "<p>Az adatbázisban még nincsen partner. A munka megkezdése előtt a következőket kell "
          "rögzíteni:</p>"
          "<ol>"
          "<li><b>Tulajdonos</b> (Fájl / Tulajdonos): a program használójának, a tanácsadó cégnek az adatai. "
          "Ezek jelennek meg a nyomtatványok fejlécében.</li>"
          "<li><b>Partner</b> (Alapadatok / Partner felvétele): az ügyfél cég és legalább egy "
          "telephelye.</li>"
          "<li><b>Csere</b> (a rendszer eszköztáron): a partner és a telephely kiválasztása. Ettől kezdve "
          "minden nyilvántartás (dolgozók, gépek, jegyzőkönyvek, balesetek) ehhez a partnerhez és "
          "telephelyhez tartozik; a kiválasztott páros az állapotsorban látható.</li>"
          "</ol>"
          "<p>Ezután felvehetők a dolgozók, a gépek/eszközök, és elkészíthetők a jegyzőkönyvek.</p>"),
      parent);
}

TFormInfo* createAbout(QWidget* parent) {
  const QString version = core::programVersion();
  return new TFormInfo(
      QStringLiteral("TFormAbout"), QStringLiteral("Névjegy"),
      QStringLiteral("Vareko ") + core::programVersionText(),
      QStringLiteral("<p>Munkavédelmi nyilvántartó és dokumentumkészítő program.</p>"
                     "<p>Verzió: %1</p>"
                     "<p>Partnerek és telephelyeik, dolgozók, munkaeszközök és időszakos biztonsági "
                     "felülvizsgálataik, kockázatértékelés, munkabaleseti nyilvántartás, karbantartás, "
                     "veszélyes hulladék, valamint a belőlük nyomtatott hivatalos dokumentumok egy közös "
                     "adatbázisban.</p>")
          .arg(version.isEmpty() ? QStringLiteral("-") : version),
      parent);
}

namespace {

QString helpText(int topic) {
  switch (topic) {
    case HelpTopic::owner:
      return QStringLiteral(
          "<p>A tulajdonos a programot használó cég. Neve, címe, telefonszáma és adószáma a "
          "nyomtatványok fejlécében jelenik meg.</p><p>A név és az adószám megadása kötelező. "
          "Mentés: <b>Rögzítés &lt;F2&gt;</b>, kilépés mentés nélkül: <b>Kilépés &lt;Esc&gt;</b>.</p>");
    case HelpTopic::options:
      return QStringLiteral(
          "<p>A beállítások ezen a munkaállomáson érvényesek, a program mappájában lévő "
          "<i>vareko.ini</i> állományban tárolódnak: színek, nyomtató, a nyomtatványok kapcsolói.</p>"
          "<p>Az aláíró és a személyes nyomtatási beállítások a bejelentkezett felhasználóhoz "
          "tartoznak, és minden munkaállomáson érvényesek.</p>"
          "<p>Mentés: <b>Beállítások mentése &lt;F2&gt;</b>.</p>");
    case HelpTopic::login:
      return QStringLiteral(
          "<p>A belépéshez a felhasználói név és a jelszó szükséges; a jelszóban a kis- és nagybetű "
          "különbözik. Háromszori hibás próbálkozás után a program leáll.</p>"
          "<p>Egy felhasználó egyszerre csak egy munkaállomáson lehet bejelentkezve. Ha a program "
          "rendellenesen állt le, a rendszergazda a Felhasználók karbantartása ablakban a "
          "<i>Bejelentkezett felhasználó</i> jelölést törölheti.</p>");
    default:
      return QStringLiteral(
          "<p>A program munkavédelmi tanácsadók és ügyfeleik közös nyilvántartása. Minden adat egy "
          "közös adatbázisban van, amelyen több munkaállomás dolgozik egyszerre.</p>"
          "<p><b>Munkakörnyezet.</b> A nyilvántartások mindig a kiválasztott partner és telephely "
          "adatait mutatják; a kiválasztás a <b>Csere</b> gombbal változtatható, és a felhasználóhoz "
          "tárolódik.</p>"
          "<p><b>Billentyűk az ablakokban.</b> Új sor: Insert, rögzítés: F2, törlés: Delete, "
          "kilépés vagy szerkesztés elvetése: Esc, lapváltás: F9, mezőről mezőre: Enter.</p>"
          "<p><b>Nyomtatás.</b> A dokumentumok a nyomtatási képben jelennek meg; onnan nyomtathatók "
          "vagy menthetők PDF állományba.</p>");
  }
}

}  // namespace

TFormInfo* createHelp(int topic, QWidget* parent) {
  return new TFormInfo(QStringLiteral("TFormHelp"), QStringLiteral("Segítség"),
                       QStringLiteral("Leírás a programról"), helpText(topic), parent);
}

QPushButton* createHelpButton(int topic, QWidget* parent) {
  auto* button = new QPushButton(QStringLiteral("Súgó"), parent);
  button->setObjectName(QStringLiteral("ButtonHelp"));
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, parent, [topic, parent] {
    std::unique_ptr<TFormInfo> help(createHelp(topic, parent));
    help->exec();
  });
  return button;
}

}  // namespace session

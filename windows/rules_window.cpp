#include "rules_window.h"

#include <QCoreApplication>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>

#include "centre.h"

namespace {

// Sizes below are twips, 15 to a logical pixel.
constexpr int px(int twips) { return twips / 15; }

// One paragraph piece and how many line breaks go before it.
struct Darab {
    int sortores;
    const char* szoveg;
};

// clang-format off
constexpr Darab darabok[] = {
    {0, QT_TRANSLATE_NOOP("Form2", "Könnyen megtanulható és szórakoztató kártyajáték, amelyet magyar kártyával ketten, hárman vagy "
        "négyen játszanak.")},
    {1, QT_TRANSLATE_NOOP("Form2", "Ha ketten játszanak, előzőleg ki kell venni a csomagból a hetes, nyolcas és a kilences jelzésű "
        "lapokat, így a játékban húsz lap vesz részt.")},
    {2, QT_TRANSLATE_NOOP("Form2", "A kártyák pontértékei a következők:")},
    {1, QT_TRANSLATE_NOOP("Form2", "ász:11")},
    {1, QT_TRANSLATE_NOOP("Form2", "tízes:10")},
    {1, QT_TRANSLATE_NOOP("Form2", "király:4")},
    {1, QT_TRANSLATE_NOOP("Form2", "felső:3")},
    {1, QT_TRANSLATE_NOOP("Form2", "alsó:2")},
    {2, QT_TRANSLATE_NOOP("Form2", "Az osztó mindkettőjüknek 3-3 lapot ad, majd felfordít egy lapot: ennek a színe lesz az adu. "
        "Ezután még 2-2 lapot oszt, a megmaradt 9 lapot pedig képpel lefelé, keresztben ráteszi a "
        "felfordított lapra.")},
    {2, QT_TRANSLATE_NOOP("Form2", "Cél: bemondásokból és ütésekből 66 pont megszerzése.")},
    {2, QT_TRANSLATE_NOOP("Form2", "Bemondások")},
    {1, QT_TRANSLATE_NOOP("Form2", "Az egy kézbe kerülő azonos színű király és felső huszat ér, ugyanez adu színben negyvenet. "
        "Húszat vagy negyvenet csak az mondhat be, aki éppen hív. Ha valakinek két párja is van, "
        "egyszerre csak az egyiket mondhatja be. Bemondásokból elméletileg összesen 100 pontot lehet "
        "szerezni.")},
    {1, QT_TRANSLATE_NOOP("Form2", "Előfordulhat, hogy az egyik játékos kiosztott 5 lapja alapján bemondja a Tarolás-t. Ezzel "
        "vállalja, hogy úgy szerzi meg a 66 pontot, hogy az ellenfele egyetlen ütést sem visz el. Erre "
        "akkor lehet esélye, ha például nála van az adu ász, a negyven és még egy ász.")},
    {2, QT_TRANSLATE_NOOP("Form2", "Ütések")},
    {1, QT_TRANSLATE_NOOP("Form2", "Az osztó játékos ellenfele indul. A lapok értékük sorrendjében ütik egymást, az adu pedig minden "
        "más színű lapot üt. Minden ütés után mindkét játékos húz egy lapot a talonból, elsőként az ütés "
        "nyertese, és ő hív a következő körben is. Amíg a talonban van lap, nem kötelező sem a színre "
        "színt adni, sem felülütni. Ha a talon elfogyott, kötelező színt adni és felülütni, ha pedig a "
        "hívott színből nincs lap, adut kell adni. Ha adu sincs, bármelyik lap kijátszható. Az ütésekből "
        "összesen 120 pont szerezhető.")},
    {2, QT_TRANSLATE_NOOP("Form2", "A talon alján levő adut az adu alsóval ki lehet cserélni, de csak akkor, ha a játékos hív. "
        "Ezzel  erősebb lap kerülhet a kezébe, vagy összeállhat egy húsz vagy negyven.")},
    {1, QT_TRANSLATE_NOOP("Form2", "Gyakran előfordul, hogy a játékosok nem veszik fel a talon összes lapját. Aki úgy látja, hogy a "
        "kezében levő lapokkal eléri a 66 pontot, 'takar': a felfordított adut ráteszi a talonra. Ezután "
        "már senki sem húz, és a takaró adu sem cserélhető ki. A \"tarolásban\" nem kötelező minden lapot "
        "kihívni: aki úgy ítéli, hogy megvan a 66 pontja, a \"KÉSZ!\" bemondásával befejezi a játszmát.")},
    {2, QT_TRANSLATE_NOOP("Form2", "Egy játszma megnyerésének díja 1 egység. Ha az ellenfél 33 pont alatt marad ('macsban' van), a "
        "győztes 2 egységet kap. Ha a takaró játékos nem éri el a 66 pontot, az ellenfele kap 1 egységet. "
        "Ha az ellenfél egyetlen ütést sem vitt el (\"csendes tarolás\"), a győztes 3 egységet kap. A "
        "teljesített Tarolás bemondásért a bemondó 6 egységet kap, a nem teljesítettért pedig az "
        "ellenfele kapja meg a 6 egységet. Egy játék több játszmából áll, és az nyeri, aki elsőként gyűjt "
        "össze 7 egységet ('rádli'). Ezután új játék következik.")},
};
// clang-format on

}  // namespace

Form2::Form2(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Tarolás játékszabálya"));
    // Fixed single border: a close box, but no minimise or maximise box.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(px(4680), px(3450));

    QFont betu = font();
    betu.setPointSizeF(8.25);
    setFont(betu);

    // The button comes first in the tab order.
    Command1 = new QPushButton(QStringLiteral("&OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(px(1920), px(3000), px(855), px(375));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(0, 0, px(4695), px(2895));
    Text1->setReadOnly(true);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QPalette paletta = Text1->palette();
    paletta.setColor(QPalette::Base, paletta.color(QPalette::Button));
    Text1->setPalette(paletta);

    // A screen reader reads the rules line by line as the caret moves: the text has a name, a
    // caret for the keyboard, and the focus when the window opens. Enter and Escape still close it.
    Text1->setAccessibleName(tr("Játékszabály"));
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setTabOrder(Command1, Text1);
    Text1->setFocus();

    Form_Load();
}

QString Form2::szabalyszoveg() {
    QString szoveg;
    for (const Darab& d : darabok) {
        for (int i = 0; i < d.sortores; ++i) szoveg += QStringLiteral("\r\n");
        szoveg += tr(d.szoveg);
    }
    return szoveg;
}

void Form2::setVisible(bool visible) {
    if (visible && !isVisible()) gazdaKozepere(*this);
    QDialog::setVisible(visible);
}

void Form2::Form_Load() {
    // The text box shows CR LF as one line break, the same as a bare LF.
    Text1->setPlainText(szabalyszoveg());
}

void Form2::Command1_Click() { accept(); }

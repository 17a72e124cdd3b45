<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="hu">
<context>
    <name>Asztal</name>
    <message>
        <source>%1 kártya</source>
        <translation>%1 cards</translation>
    </message>
    <message>
        <source>Vitt lapok értéke: %1   Bemondás: %2 </source>
        <translation>Captured: %1   Marriages: %2 </translation>
    </message>
    <message>
        <source>%1 választása </source>
        <translation>Play the %1 </translation>
    </message>
    <message>
        <source>Talon alján levő lap cseréje adu alsóra </source>
        <translation>Exchange it for the trump Unter </translation>
    </message>
    <message>
        <source>A talon letakarása </source>
        <translation>Close the talon </translation>
    </message>
    <message>
        <source>1 kártya</source>
        <translation>1 card</translation>
    </message>
    <message>
        <source>Állás: gép %1 – %2 te</source>
        <translation>Computer %1 – %2 you</translation>
    </message>
    <message>
        <source>Új játék: F2</source>
        <translation>New game: F2</translation>
    </message>
</context>
<context>
    <name>Attekintes</name>
    <message>
        <source>A gép vitt lapjai: %1 pont, bemondás %2. </source>
        <translation>The computer&apos;s tricks: %1 points, marriages %2. </translation>
    </message>
    <message>
        <source>Vitt lapjaid: %1 pont, bemondás %2. </source>
        <translation>Your tricks: %1 points, marriages %2. </translation>
    </message>
    <message>
        <source>A gép vitt lapjai: %1 pont. </source>
        <translation>The computer&apos;s tricks: %1 points. </translation>
    </message>
    <message>
        <source>Vitt lapjaid: %1 pont. </source>
        <translation>Your tricks: %1 points. </translation>
    </message>
    <message>
        <source>Adu: Piros.</source>
        <translation>Trumps: Hearts.</translation>
    </message>
    <message>
        <source>Adu: Makk.</source>
        <translation>Trumps: Acorns.</translation>
    </message>
    <message>
        <source>Adu: Tök.</source>
        <translation>Trumps: Bells.</translation>
    </message>
    <message>
        <source>Adu: Zöld.</source>
        <translation>Trumps: Leaves.</translation>
    </message>
    <message>
        <source> A talon le van takarva. </source>
        <translation> The talon is closed. </translation>
    </message>
    <message>
        <source> A talon elfogyott. </source>
        <translation> The talon is used up. </translation>
    </message>
    <message>
        <source>Adu: %1. Talon: %2 lap. </source>
        <translation>Trump card: %1. Talon: %2 cards. </translation>
    </message>
    <message>
        <source>A gép hívott: %1. </source>
        <translation>The computer led the %1. </translation>
    </message>
    <message>
        <source>Hívtál: %1. </source>
        <translation>You led the %1. </translation>
    </message>
    <message>
        <source>Az ütés: %1, %2. </source>
        <translation>The trick: %1, %2. </translation>
    </message>
    <message>
        <source> Te hívsz.</source>
        <translation> Your lead.</translation>
    </message>
    <message>
        <source> A gép hív.</source>
        <translation> The computer&apos;s lead.</translation>
    </message>
    <message>
        <source> Te következel.</source>
        <translation> Your turn.</translation>
    </message>
    <message>
        <source> A gép következik.</source>
        <translation> The computer&apos;s turn.</translation>
    </message>
</context>
<context>
    <name>Emlekezet</name>
    <message>
        <source>A Tarolás már fut: ez az ablak nem folytatja és nem menti a félbehagyott játékot.</source>
        <translation>Tarolás is already running: this window neither resumes nor saves the unfinished match.</translation>
    </message>
    <message>
        <source>A félbehagyott játék folytatódik.</source>
        <translation>The unfinished match goes on.</translation>
    </message>
    <message>
        <source>Statisztika</source>
        <translation>Statistics</translation>
    </message>
</context>
<context>
    <name>Felolvaso</name>
    <message>
        <source>Új osztás. Adu: %1. Kezedben:%2.</source>
        <translation>New deal. Trump card: %1. Your hand:%2.</translation>
    </message>
    <message>
        <source>Húztál: %1.</source>
        <translation>You drew the %1.</translation>
    </message>
    <message>
        <source>A gép hív: %1.</source>
        <translation>The computer leads the %1.</translation>
    </message>
    <message>
        <source>A gép válasza: %1.</source>
        <translation>The computer answers with the %1.</translation>
    </message>
    <message>
        <source>A gép bemondott 40-et: %1, %2.</source>
        <translation>The computer announced 40: %1, %2.</translation>
    </message>
    <message>
        <source>A gép bemondott 20-at: %1, %2.</source>
        <translation>The computer announced 20: %1, %2.</translation>
    </message>
    <message>
        <source>A gép kicserélte az adut: a %1 az övé.</source>
        <translation>The computer exchanged the trump card and took the %1.</translation>
    </message>
    <message>
        <source>Kicserélted az adut: a %1 a tiéd.</source>
        <translation>You exchanged the trump card and took the %1.</translation>
    </message>
    <message>
        <source>A gép betakarta a talont.</source>
        <translation>The computer closed the talon.</translation>
    </message>
    <message>
        <source>Betakartad a talont.</source>
        <translation>You closed the talon.</translation>
    </message>
    <message>
        <source>A gép bemondta a Tarolást.</source>
        <translation>The computer announced Tarolás.</translation>
    </message>
    <message>
        <source>Bemondtad a Tarolást.</source>
        <translation>You announced Tarolás.</translation>
    </message>
    <message>
        <source>A gép vitte az ütést (%1 pont).</source>
        <translation>The computer took the trick (%1 points).</translation>
    </message>
    <message>
        <source>Te vitted az ütést (%1 pont).</source>
        <translation>You took the trick (%1 points).</translation>
    </message>
    <message>
        <source>A gép elérte a 66 pontot.</source>
        <translation>The computer has reached 66 points.</translation>
    </message>
    <message>
        <source>1 pont</source>
        <translation>1 game point</translation>
    </message>
    <message>
        <source>%1 pont</source>
        <translation>%1 game points</translation>
    </message>
    <message>
        <source>Döntetlen, mindkét félnek %1</source>
        <translation>A draw, %1 to each side</translation>
    </message>
    <message>
        <source>A gép nyerte a játszmát, %1</source>
        <translation>The computer won the deal, %1</translation>
    </message>
    <message>
        <source>Te nyerted a játszmát, %1</source>
        <translation>You won the deal, %1</translation>
    </message>
    <message>
        <source>A gép nyerte a játékot.</source>
        <translation>The computer won the match.</translation>
    </message>
    <message>
        <source>Megnyerted a játékot.</source>
        <translation>You won the match.</translation>
    </message>
    <message>
        <source>Felfordítva: %1</source>
        <translation>Shown: %1</translation>
    </message>
    <message>
        <source>A gép vitt lapjai. </source>
        <translation>The computer&apos;s tricks. </translation>
    </message>
    <message>
        <source>A gép kezében 1 lap</source>
        <translation>The computer holds 1 card</translation>
    </message>
    <message>
        <source>A gép kezében %1 lap</source>
        <translation>The computer holds %1 cards</translation>
    </message>
    <message>
        <source>Adu: %1</source>
        <translation>Trump card: %1</translation>
    </message>
    <message>
        <source>A talon le van takarva</source>
        <translation>The talon is closed</translation>
    </message>
    <message>
        <source>Talon: 1 lap</source>
        <translation>Talon: 1 card</translation>
    </message>
    <message>
        <source>Talon: %1 lap</source>
        <translation>Talon: %1 cards</translation>
    </message>
    <message>
        <source>Kijátszott lap: %1</source>
        <translation>Led: %1</translation>
    </message>
    <message>
        <source>Válasz: %1</source>
        <translation>Answer: %1</translation>
    </message>
    <message>
        <source>Vitt lapjaid. </source>
        <translation>Your tricks. </translation>
    </message>
    <message>
        <source>Tarolás bemondható: Alt+T</source>
        <translation>Tarolás can be announced: Alt+T</translation>
    </message>
    <message>
        <source>40 bemondható: Alt+4</source>
        <translation>40 can be announced: Alt+4</translation>
    </message>
    <message>
        <source>20 bemondható: Alt+2</source>
        <translation>20 can be announced: Alt+2</translation>
    </message>
    <message>
        <source>Kész bemondható: Alt+K</source>
        <translation>Done can be pressed: Alt+K</translation>
    </message>
    <message>
        <source>Te hívsz.</source>
        <translation>Your lead.</translation>
    </message>
    <message>
        <source>A gép hív.</source>
        <translation>The computer&apos;s lead.</translation>
    </message>
    <message>
        <source>A gép hívott: %1. Te következel.</source>
        <translation>The computer led the %1. Your turn.</translation>
    </message>
    <message>
        <source>Hívtál: %1. A gép következik.</source>
        <translation>You led the %1. The computer&apos;s turn.</translation>
    </message>
    <message>
        <source>Az ütés: %1, %2.</source>
        <translation>The trick: %1, %2.</translation>
    </message>
    <message>
        <source>Kezed</source>
        <translation>Your hand</translation>
    </message>
    <message>
        <source>Kártyaasztal</source>
        <translation>Card table</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Fájl</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Új játék</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Erős ellenfél</source>
        <translation>Strong opponent</translation>
    </message>
    <message>
        <source>Kilép</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>&amp;Súgó</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Játékszabály</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>Tipp</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Névjegy</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Kész</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Utolsó lépés újra</source>
        <translation>Last move again</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Könnyen megtanulható és szórakoztató kártyajáték, amelyet magyar kártyával ketten, hárman vagy négyen játszanak.</source>
        <translation>An easy to learn and entertaining card game, played with the Hungarian deck by two, three or four players.</translation>
    </message>
    <message>
        <source>Ha ketten játszanak, előzőleg ki kell venni a csomagból a hetes, nyolcas és a kilences jelzésű lapokat, így a játékban húsz lap vesz részt.</source>
        <translation>When two play, the sevens, eights and nines are first taken out of the pack, so twenty cards take part in the game.</translation>
    </message>
    <message>
        <source>A kártyák pontértékei a következők:</source>
        <translation>The cards are worth these points:</translation>
    </message>
    <message>
        <source>ász:11</source>
        <translation>Ace: 11</translation>
    </message>
    <message>
        <source>tízes:10</source>
        <translation>Ten: 10</translation>
    </message>
    <message>
        <source>király:4</source>
        <translation>King: 4</translation>
    </message>
    <message>
        <source>felső:3</source>
        <translation>Ober: 3</translation>
    </message>
    <message>
        <source>alsó:2</source>
        <translation>Unter: 2</translation>
    </message>
    <message>
        <source>Az osztó mindkettőjüknek 3-3 lapot ad, majd felfordít egy lapot: ennek a színe lesz az adu. Ezután még 2-2 lapot oszt, a megmaradt 9 lapot pedig képpel lefelé, keresztben ráteszi a felfordított lapra.</source>
        <translation>The dealer gives each player 3 cards, then turns up a card: its suit is trumps. Then he deals 2 more cards each and lays the remaining 9 cards face down, crosswise, on the turned-up card.</translation>
    </message>
    <message>
        <source>Cél: bemondásokból és ütésekből 66 pont megszerzése.</source>
        <translation>Aim: to collect 66 points from announcements and tricks.</translation>
    </message>
    <message>
        <source>Bemondások</source>
        <translation>Announcements</translation>
    </message>
    <message>
        <source>Az egy kézbe kerülő azonos színű király és felső huszat ér, ugyanez adu színben negyvenet. Húszat vagy negyvenet csak az mondhat be, aki éppen hív. Ha valakinek két párja is van, egyszerre csak az egyiket mondhatja be. Bemondásokból elméletileg összesen 100 pontot lehet szerezni.</source>
        <translation>A King and an Ober of the same suit in one hand are worth twenty, and forty in the trump suit. Only the player who is about to lead may announce a twenty or a forty. A player who holds two pairs may announce only one of them at a time. In theory, announcements can bring 100 points in all.</translation>
    </message>
    <message>
        <source>Előfordulhat, hogy az egyik játékos kiosztott 5 lapja alapján bemondja a Tarolás-t. Ezzel vállalja, hogy úgy szerzi meg a 66 pontot, hogy az ellenfele egyetlen ütést sem visz el. Erre akkor lehet esélye, ha például nála van az adu ász, a negyven és még egy ász.</source>
        <translation>A player may announce Tarolás on the strength of the 5 cards dealt to him. He thereby undertakes to reach 66 points without his opponent taking a single trick. He may have a chance of it if, for example, he holds the Ace of trumps, the forty and another Ace.</translation>
    </message>
    <message>
        <source>Ütések</source>
        <translation>Tricks</translation>
    </message>
    <message>
        <source>Az osztó játékos ellenfele indul. A lapok értékük sorrendjében ütik egymást, az adu pedig minden más színű lapot üt. Minden ütés után mindkét játékos húz egy lapot a talonból, elsőként az ütés nyertese, és ő hív a következő körben is. Amíg a talonban van lap, nem kötelező sem a színre színt adni, sem felülütni. Ha a talon elfogyott, kötelező színt adni és felülütni, ha pedig a hívott színből nincs lap, adut kell adni. Ha adu sincs, bármelyik lap kijátszható. Az ütésekből összesen 120 pont szerezhető.</source>
        <translation>The dealer&apos;s opponent leads first. The cards beat one another in the order of their value, and a trump beats every card of another suit. After each trick both players draw a card from the talon, the winner of the trick first, and he leads to the next trick too. While there are cards in the talon, nobody has to follow suit or beat the card led. Once the talon is used up, a player must follow suit and beat the card led, and must play a trump when he has no card of the suit led. If he has no trump either, any card may be played. The tricks hold 120 points in all.</translation>
    </message>
    <message>
        <source>A talon alján levő adut az adu alsóval ki lehet cserélni, de csak akkor, ha a játékos hív. Ezzel  erősebb lap kerülhet a kezébe, vagy összeállhat egy húsz vagy negyven.</source>
        <translation>The trump card at the bottom of the talon may be exchanged for the trump Unter, but only by the player who is about to lead. This may bring a stronger card into his hand, or complete a twenty or a forty.</translation>
    </message>
    <message>
        <source>Gyakran előfordul, hogy a játékosok nem veszik fel a talon összes lapját. Aki úgy látja, hogy a kezében levő lapokkal eléri a 66 pontot, &apos;takar&apos;: a felfordított adut ráteszi a talonra. Ezután már senki sem húz, és a takaró adu sem cserélhető ki. A &quot;tarolásban&quot; nem kötelező minden lapot kihívni: aki úgy ítéli, hogy megvan a 66 pontja, a &quot;KÉSZ!&quot; bemondásával befejezi a játszmát.</source>
        <translation>Often the players do not draw all the cards of the talon. A player who sees that he can reach 66 points with the cards in his hand closes the talon (&apos;takar&apos;): he lays the turned-up trump card on the talon. From then on nobody draws, and the closing trump card cannot be exchanged either. In a &quot;tarolás&quot; not every card has to be played out: a player who judges that he has his 66 points ends the deal by calling &quot;KÉSZ!&quot; (&quot;Done!&quot;).</translation>
    </message>
    <message>
        <source>Egy játszma megnyerésének díja 1 egység. Ha az ellenfél 33 pont alatt marad (&apos;macsban&apos; van), a győztes 2 egységet kap. Ha a takaró játékos nem éri el a 66 pontot, az ellenfele kap 1 egységet. Ha az ellenfél egyetlen ütést sem vitt el (&quot;csendes tarolás&quot;), a győztes 3 egységet kap. A teljesített Tarolás bemondásért a bemondó 6 egységet kap, a nem teljesítettért pedig az ellenfele kapja meg a 6 egységet. Egy játék több játszmából áll, és az nyeri, aki elsőként gyűjt össze 7 egységet (&apos;rádli&apos;). Ezután új játék következik.</source>
        <translation>Winning a deal is worth 1 game point. If the opponent stays below 33 points (is &apos;macs&apos;), the winner gets 2 game points. If the player who closed the talon does not reach 66 points, his opponent gets 1 game point. If the opponent took no trick at all (&quot;silent tarolás&quot;), the winner gets 3 game points. A Tarolás announcement that succeeds brings its maker 6 game points; one that fails gives his opponent the 6 game points. A match consists of several deals, and it is won by the first to collect 7 game points (&apos;rádli&apos;). Then a new match follows.</translation>
    </message>
    <message>
        <source>Tarolás játékszabálya</source>
        <translation>Rules of Tarolás</translation>
    </message>
    <message>
        <source>Játékszabály</source>
        <translation>Rules</translation>
    </message>
</context>
<context>
    <name>Jatek</name>
    <message>
        <source>Bemondtad a Tarolás-t!</source>
        <translation>You have announced Tarolás!</translation>
    </message>
    <message>
        <source>A nyeréshez folyamatosan kell ütnöd,</source>
        <translation>To win, you must take every trick</translation>
    </message>
    <message>
        <source>amíg el nem éred a 66 pontot.</source>
        <translation>until you reach 66 points.</translation>
    </message>
    <message>
        <source>Bemondtad a Negyvenet!</source>
        <translation>You have announced 40!</translation>
    </message>
    <message>
        <source>Bemondtad a Huszat!</source>
        <translation>You have announced 20!</translation>
    </message>
    <message>
        <source>A bemondásban szereplő felsőt vagy királyt kell hívnod.</source>
        <translation>You must lead the Ober or the King of the marriage.</translation>
    </message>
    <message>
        <source>Az adu színe: PIROS</source>
        <translation>Trumps: HEARTS</translation>
    </message>
    <message>
        <source>Az adu színe: MAKK</source>
        <translation>Trumps: ACORNS</translation>
    </message>
    <message>
        <source>Az adu színe: TÖK</source>
        <translation>Trumps: BELLS</translation>
    </message>
    <message>
        <source>Az adu színe: ZÖLD</source>
        <translation>Trumps: LEAVES</translation>
    </message>
    <message>
        <source>Ha nincs a tétnek megfelelő színű lapod,</source>
        <translation>If you have no card of the suit led,</translation>
    </message>
    <message>
        <source>adut kell raknod.</source>
        <translation>you must play a trump.</translation>
    </message>
    <message>
        <source>Felül kell ütnöd! Van nagyobb értékű lapod is.</source>
        <translation>You must beat it! You have a higher card too.</translation>
    </message>
    <message>
        <source>Van a tétnek megfelelő színű lapod, azt kell raknod.</source>
        <translation>You have a card of the suit led: you must play it.</translation>
    </message>
    <message>
        <source>Csak adu alsóra tudod a talon alján levő lapot kicserélni.</source>
        <translation>The card at the bottom of the talon can only be exchanged for the trump Unter.</translation>
    </message>
    <message>
        <source>Összegyűlt a 66 pont</source>
        <translation>66 points reached</translation>
    </message>
    <message>
        <source>Az ellenfél &apos;macsban&apos; maradt</source>
        <translation>The opponent stayed below 33 (&apos;macs&apos;)</translation>
    </message>
    <message>
        <source>Csendes Tarolás</source>
        <translation>Silent Tarolás</translation>
    </message>
    <message>
        <source>Tarolás</source>
        <translation>Tarolás made</translation>
    </message>
    <message>
        <source>Bukott Tarolás</source>
        <translation>Failed Tarolás</translation>
    </message>
    <message>
        <source>Takartál, de nem érted el a 66-ot</source>
        <translation>You closed the talon but did not reach 66</translation>
    </message>
    <message>
        <source>Utolsó ütés</source>
        <translation>Last trick</translation>
    </message>
    <message>
        <source>Döntetlen (60-60 pont)</source>
        <translation>Draw (60-60 points)</translation>
    </message>
    <message>
        <source>A számítógép nyerte a játszmát!</source>
        <translation>The computer won the deal!</translation>
    </message>
    <message>
        <source>Te nyerted a játszmát!</source>
        <translation>You won the deal!</translation>
    </message>
    <message>
        <source>Döntetlen az állás!</source>
        <translation>The deal is drawn!</translation>
    </message>
    <message>
        <source>Számítógép:</source>
        <translation>Computer:</translation>
    </message>
    <message>
        <source>Játékos:</source>
        <translation>Player:</translation>
    </message>
    <message>
        <source>Vitt lapokból:</source>
        <translation>From tricks:</translation>
    </message>
    <message>
        <source>Bemondásból:</source>
        <translation>From marriages:</translation>
    </message>
    <message>
        <source>Összesen:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>A játék jelenlegi állása:</source>
        <translation>Score of the match:</translation>
    </message>
    <message>
        <source>A folytatásához kattints az OK-ra.</source>
        <translation>Click OK to continue.</translation>
    </message>
    <message>
        <source>A számítógép megnyerte a játékot!</source>
        <translation>The computer has won the match!</translation>
    </message>
    <message>
        <source>Megnyerted a játékot!</source>
        <translation>You have won the match!</translation>
    </message>
    <message>
        <source>Akarsz még egyet játszani?</source>
        <translation>Do you want to play another match?</translation>
    </message>
    <message>
        <source>Értéke: %1 pont</source>
        <translation>Worth: %1 game points</translation>
    </message>
    <message>
        <source>Értéke: 1 pont</source>
        <translation>Worth: 1 game point</translation>
    </message>
    <message>
        <source>%1 pont</source>
        <translation>%1 game points</translation>
    </message>
    <message>
        <source>1 pont</source>
        <translation>1 game point</translation>
    </message>
</context>
<context>
    <name>Kartya</name>
    <message>
        <source>Piros ász</source>
        <translation>Ace of Hearts</translation>
    </message>
    <message>
        <source>Piros tíz</source>
        <translation>Ten of Hearts</translation>
    </message>
    <message>
        <source>Piros király</source>
        <translation>King of Hearts</translation>
    </message>
    <message>
        <source>Piros felső</source>
        <translation>Ober of Hearts</translation>
    </message>
    <message>
        <source>Piros alsó</source>
        <translation>Unter of Hearts</translation>
    </message>
    <message>
        <source>Makk ász</source>
        <translation>Ace of Acorns</translation>
    </message>
    <message>
        <source>Makk tíz</source>
        <translation>Ten of Acorns</translation>
    </message>
    <message>
        <source>Makk király</source>
        <translation>King of Acorns</translation>
    </message>
    <message>
        <source>Makk felső</source>
        <translation>Ober of Acorns</translation>
    </message>
    <message>
        <source>Makk alsó</source>
        <translation>Unter of Acorns</translation>
    </message>
    <message>
        <source>Tök ász</source>
        <translation>Ace of Bells</translation>
    </message>
    <message>
        <source>Tök tíz</source>
        <translation>Ten of Bells</translation>
    </message>
    <message>
        <source>Tök király</source>
        <translation>King of Bells</translation>
    </message>
    <message>
        <source>Tök felső</source>
        <translation>Ober of Bells</translation>
    </message>
    <message>
        <source>Tök alsó</source>
        <translation>Unter of Bells</translation>
    </message>
    <message>
        <source>Zöld ász</source>
        <translation>Ace of Leaves</translation>
    </message>
    <message>
        <source>Zöld tíz</source>
        <translation>Ten of Leaves</translation>
    </message>
    <message>
        <source>Zöld király</source>
        <translation>King of Leaves</translation>
    </message>
    <message>
        <source>Zöld felső</source>
        <translation>Ober of Leaves</translation>
    </message>
    <message>
        <source>Zöld alsó</source>
        <translation>Unter of Leaves</translation>
    </message>
</context>
<context>
    <name>Statisztika</name>
    <message>
        <source>Lejátszott játékok</source>
        <translation>Matches played</translation>
    </message>
    <message>
        <source>Megnyert játékok</source>
        <translation>Matches won</translation>
    </message>
    <message>
        <source>Elvesztett játékok</source>
        <translation>Matches lost</translation>
    </message>
    <message>
        <source>Félbehagyott játékok</source>
        <translation>Matches abandoned</translation>
    </message>
    <message>
        <source>Megnyert játékok aránya</source>
        <translation>Share of matches won</translation>
    </message>
    <message>
        <source>Jelenlegi győzelmi sorozat</source>
        <translation>Current winning streak</translation>
    </message>
    <message>
        <source>Leghosszabb győzelmi sorozat</source>
        <translation>Longest winning streak</translation>
    </message>
    <message>
        <source>Megnyert játszmák</source>
        <translation>Deals won</translation>
    </message>
    <message>
        <source>Elvesztett játszmák</source>
        <translation>Deals lost</translation>
    </message>
    <message>
        <source>Döntetlen játszmák</source>
        <translation>Deals drawn</translation>
    </message>
    <message>
        <source>Megnyert játszmák 1 pontért</source>
        <translation>Deals won for 1 game point</translation>
    </message>
    <message>
        <source>Megnyert játszmák 2 pontért</source>
        <translation>Deals won for 2 game points</translation>
    </message>
    <message>
        <source>Megnyert játszmák 3 pontért</source>
        <translation>Deals won for 3 game points</translation>
    </message>
    <message>
        <source>Megnyert játszmák 6 pontért</source>
        <translation>Deals won for 6 game points</translation>
    </message>
    <message>
        <source>Elvesztett játszmák 1 pontért</source>
        <translation>Deals lost for 1 game point</translation>
    </message>
    <message>
        <source>Elvesztett játszmák 2 pontért</source>
        <translation>Deals lost for 2 game points</translation>
    </message>
    <message>
        <source>Elvesztett játszmák 3 pontért</source>
        <translation>Deals lost for 3 game points</translation>
    </message>
    <message>
        <source>Elvesztett játszmák 6 pontért</source>
        <translation>Deals lost for 6 game points</translation>
    </message>
    <message>
        <source>Bemondott húszak</source>
        <translation>Marriages of 20 announced</translation>
    </message>
    <message>
        <source>Húszak megnyert játszmában</source>
        <translation>Marriages of 20 in deals won</translation>
    </message>
    <message>
        <source>Bemondott negyvenek</source>
        <translation>Marriages of 40 announced</translation>
    </message>
    <message>
        <source>Negyvenek megnyert játszmában</source>
        <translation>Marriages of 40 in deals won</translation>
    </message>
    <message>
        <source>Bemondott Tarolások</source>
        <translation>Tarolás announced</translation>
    </message>
    <message>
        <source>Tarolások megnyert játszmában</source>
        <translation>Tarolás in deals won</translation>
    </message>
    <message>
        <source>Takarások</source>
        <translation>Talon closed</translation>
    </message>
    <message>
        <source>Takarások megnyert játszmában</source>
        <translation>Talon closed in deals won</translation>
    </message>
    <message>
        <source>Statisztika</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Eredmény</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Számítógép</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Erős ellenfél</source>
        <translation>Strong opponent</translation>
    </message>
    <message>
        <source>&amp;Nullázás</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <source>&amp;Bezár</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Biztosan nullázod a statisztikát? Minden eddigi eredmény törlődik.</source>
        <translation>Reset the statistics? Every result so far will be deleted.</translation>
    </message>
</context>
<context>
    <name>Tarolo</name>
    <message>
        <source>A játék nem menthető ide: %1</source>
        <translation>The game cannot be saved here: %1</translation>
    </message>
    <message>
        <source>%1 nem olvasható (%2), és félre sem tehető; érintetlen marad.</source>
        <translation>%1 cannot be read (%2), nor set aside; it is left untouched.</translation>
    </message>
    <message>
        <source>%1 nem olvasható, félretéve: %2</source>
        <translation>%1 cannot be read; set aside as %2</translation>
    </message>
    <message>
        <source>A félbehagyott játék</source>
        <translation>The unfinished match</translation>
    </message>
    <message>
        <source>A statisztika</source>
        <translation>The statistics</translation>
    </message>
</context>
<context>
    <name>Tipp</name>
    <message>
        <source>Tipp: </source>
        <translation>Hint: </translation>
    </message>
    <message>
        <source>cseréld az adut, </source>
        <translation>swap the trump card, </translation>
    </message>
    <message>
        <source>mondj 40-et, </source>
        <translation>announce 40, </translation>
    </message>
    <message>
        <source>mondj 20-at, </source>
        <translation>announce 20, </translation>
    </message>
    <message>
        <source>majd Kész.</source>
        <translation>then press Done.</translation>
    </message>
    <message>
        <source>Kész, megvan a 66.</source>
        <translation>press Done, you have 66.</translation>
    </message>
    <message>
        <source>majd hívd %1.</source>
        <extracomment>%1 is a card&apos;s name</extracomment>
        <translation>then lead the %1.</translation>
    </message>
    <message>
        <source>hívd %1.</source>
        <translation>lead the %1.</translation>
    </message>
    <message>
        <source>rakd %1.</source>
        <translation>play the %1.</translation>
    </message>
    <message>
        <source>takard be a talont, </source>
        <translation>close the talon, </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Ingyenes program.</source>
        <translation>Free software.</translation>
    </message>
    <message>
        <source>%1 névjegye</source>
        <translation>About %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Használat: tarolas [KAPCSOLÓ]
Tarolás: a hatvanhatos család kétszemélyes magyar kártyajátéka, a számítógép ellen.

  -h, --help     ez a súgó, majd kilépés
  -v, --version  a program változata, majd kilépés

A Qt saját kapcsolóit (-platform, -display, -style és a többi) a Qt kapja meg.
</source>
        <translation>Usage: tarolas [OPTION]
Tarolás: the Hungarian two-player card game of the 66 family, against the computer.

  -h, --help     this help, then exit
  -v, --version  the program&apos;s version, then exit

Qt&apos;s own options (-platform, -display, -style and the rest) are passed on to Qt.
</translation>
    </message>
    <message>
        <source>tarolas: ismeretlen kapcsoló: &apos;%1&apos;
A kapcsolók listája: tarolas --help
</source>
        <translation>tarolas: unknown option: &apos;%1&apos;
The list of options: tarolas --help
</translation>
    </message>
    <message>
        <source>tarolas: nincs kijelző az ablaknak (sem a DISPLAY, sem a WAYLAND_DISPLAY nincs beállítva)
</source>
        <translation>tarolas: no display for the window (neither DISPLAY nor WAYLAND_DISPLAY is set)
</translation>
    </message>
    <message>
        <source>tarolas: a(z) &apos;%1&apos; kijelző nem nyitható meg
</source>
        <translation>tarolas: cannot open the display &apos;%1&apos;
</translation>
    </message>
</context>
</TS>

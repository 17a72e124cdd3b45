#include <utility>

#include "form1.h"
#include "hit_areas.h"
#include "table_widget.h"

// Tells the player in the status bar what a release here would do. Only read: the panel is the
// one thing it writes, so it may run at any moment, also during the game's pauses.
void Form1::Picture3_MouseMove(int button, int, float x, float y) {
    // The pointer takes over from the keyboard: its mark goes, hints follow the pointer again.
    if (std::exchange(billentyuvel_, false)) kivalasztasMutatasa();
    if (button != 0 || st().soron != tarolas::kJatekos) return;
    setStatusText(2, tarolas::sugo(st(), geo_, Picture3->scaleHeight(), x, y));
}

#pragma once

// Message texts come from the game with CR line breaks and TAB columns (the score sheet). A
// message box label has no usable tab stops, so tabbed texts are shown as a table instead.

#include <QString>
#include <vector>

class QFontMetricsF;

namespace tarolas {

// For lines of TAB-separated segments of the given widths: the tab stop at which each segment
// starts, on a regular grid of stops. Of the pitches in [minPitch, maxPitch] the one that lines
// the segments up on the fewest distinct stops wins (then the narrowest result).
std::vector<std::vector<int>> tabHelyek(const std::vector<std::vector<double>>& szelessegek, double minPitch,
                                        double maxPitch);

// The text as a rich-text table, each segment in the column of its stop and spanning up to the
// next one; empty when the text has no TAB.
QString tabTablazat(const QString& szoveg, const QFontMetricsF& fm);

}  // namespace tarolas

#include "message_text.h"

#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <set>

namespace tarolas {

std::vector<std::vector<int>> tabHelyek(const std::vector<std::vector<double>>& szelessegek, double minPitch,
                                        double maxPitch) {
    std::vector<std::vector<int>> legjobb;
    std::size_t legkevesebb = std::numeric_limits<std::size_t>::max();
    double legkeskenyebb = std::numeric_limits<double>::max();
    for (double t = std::max(minPitch, 1.0); t <= maxPitch; t += 0.5) {
        std::vector<std::vector<int>> helyek;
        std::set<int> hasznalt;
        double szeles = 0;
        for (const auto& sor : szelessegek) {
            std::vector<int> h;
            int stop = 0;
            for (std::size_t k = 0; k < sor.size(); ++k) {
                h.push_back(stop);
                hasznalt.insert(stop);
                szeles = std::max(szeles, stop * t + sor[k]);
                // A tab goes to the first stop strictly right of the segment's end.
                stop += static_cast<int>(std::floor(sor[k] / t)) + 1;
            }
            helyek.push_back(std::move(h));
        }
        if (hasznalt.size() < legkevesebb || (hasznalt.size() == legkevesebb && szeles < legkeskenyebb)) {
            legkevesebb = hasznalt.size();
            legkeskenyebb = szeles;
            legjobb = std::move(helyek);
        }
    }
    return legjobb;
}

QString tabTablazat(const QString& szoveg, const QFontMetricsF& fm) {
    if (!szoveg.contains(QLatin1Char('\t'))) return {};
    std::vector<QStringList> sorok;
    std::vector<std::vector<double>> szelessegek;
    double legszelesebb = 0;
    for (const QString& sor : szoveg.split(QLatin1Char('\r'))) {
        sorok.push_back(sor.split(QLatin1Char('\t')));
        std::vector<double> w;
        for (const QString& darab : sorok.back()) {
            w.push_back(fm.horizontalAdvance(darab));
            legszelesebb = std::max(legszelesebb, w.back());
        }
        szelessegek.push_back(std::move(w));
    }
    const double betu = fm.averageCharWidth();
    const auto helyek = tabHelyek(szelessegek, 2 * betu, legszelesebb + betu);

    // Only the stops in use become columns.
    std::map<int, int> oszlop;
    for (const auto& h : helyek)
        for (int stop : h) oszlop.emplace(stop, 0);
    int n = 0;
    for (auto& [stop, o] : oszlop) o = n++;

    const QString res = QString::number(std::lround(1.5 * betu));
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\">");
    for (std::size_t s = 0; s < sorok.size(); ++s) {
        html += QStringLiteral("<tr>");
        const QStringList& darabok = sorok[s];
        for (qsizetype k = 0; k < darabok.size(); ++k) {
            const int tol = oszlop[helyek[s][static_cast<std::size_t>(k)]];
            const int ig = k + 1 < darabok.size() ? oszlop[helyek[s][static_cast<std::size_t>(k + 1)]] : n;
            const QString tartalom = darabok[k].isEmpty() ? QStringLiteral("&nbsp;") : darabok[k].toHtmlEscaped();
            html += QStringLiteral("<td nowrap colspan=\"%1\" style=\"white-space:pre; padding-right:%2px\">%3</td>")
                        .arg(ig - tol)
                        .arg(k + 1 < darabok.size() ? res : QStringLiteral("0"))
                        .arg(tartalom);
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    return html;
}

}  // namespace tarolas

// Every text of the sources has a finished English translation: lupdate, run on a copy of the .ts
// file, finds nothing new, unfinished or gone; no translation is left equal to its Hungarian source
// unless it is a name; and every translation keeps its source's %1, %2... placeholders.
// Usage: translation_check <lupdate> <source dir> <.ts file> <lupdate options and inputs...>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cstdio>

namespace {

// Texts that stay the same in English: names.
const QSet<QString> kNevek = {QStringLiteral("Tarolás")};

QSet<QString> helyek(const QString& s) {
    QSet<QString> h;
    for (const auto& m : QRegularExpression(QStringLiteral("%\\d")).globalMatch(s)) h.insert(m.captured());
    return h;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() < 5) return 2;
    QTemporaryDir tmp;
    const QString ts = tmp.filePath(QStringLiteral("check.ts"));
    if (!QFile::copy(a[3], ts)) return 2;
    QProcess lupdate;
    lupdate.setWorkingDirectory(a[2]);
    lupdate.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    lupdate.start(a[1], a.mid(4) + QStringList{QStringLiteral("-ts"), ts});
    if (!lupdate.waitForFinished(120000) || lupdate.exitCode() != 0) {
        std::fprintf(stderr, "lupdate failed\n");
        return 1;
    }
    QFile f(ts);
    if (!f.open(QIODevice::ReadOnly)) return 2;
    QXmlStreamReader xml(&f);
    QString kontextus, forras, forditas, tipus;
    int hibak = 0, db = 0;
    auto hiba = [&](const char* mi) {
        ++hibak;
        std::fprintf(stderr, "%s: %s: \"%s\" -> \"%s\"\n", mi, qPrintable(kontextus), qPrintable(forras),
                     qPrintable(forditas));
    };
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
                ++db;
                if (!tipus.isEmpty()) hiba(qPrintable(tipus));
                else if (forditas.isEmpty()) hiba("untranslated");
                else if (forditas == forras && !kNevek.contains(forras)) hiba("same as the source");
                else if (helyek(forditas) != helyek(forras)) hiba("placeholders differ");
            }
            continue;
        }
        if (xml.name() == QLatin1String("name")) kontextus = xml.readElementText();
        else if (xml.name() == QLatin1String("source")) forras = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            tipus = xml.attributes().value(QLatin1String("type")).toString();
            forditas = xml.readElementText();
        }
    }
    if (xml.hasError()) {
        std::fprintf(stderr, "%s\n", qPrintable(xml.errorString()));
        return 1;
    }
    std::printf("%d texts, %d to fix\n", db, hibak);
    return hibak == 0 && db > 0 ? 0 : 1;
}

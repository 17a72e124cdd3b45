#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

#include "forditas.h"

namespace tarolas {

namespace {

// Kept for the program's life: an installed translator must outlive its use.
std::unique_ptr<QTranslator> sajat_, qt_;

std::string sajatForditas(const char* kontextus, const char* szoveg) {
    const QString t = sajat_ ? sajat_->translate(kontextus, szoveg) : QString();
    return t.isEmpty() ? std::string(szoveg) : t.toStdString();
}

}  // namespace

QString nyelvValasztas(const QStringList& nyelvek) {
    bool mas = false;
    for (const QString& n : nyelvek) {
        const QString kod = n.section(QLatin1Char('.'), 0, 0);
        if (kod.isEmpty() || kod == QLatin1String("C") || kod == QLatin1String("POSIX")) continue;
        const QLocale::Language l = QLocale(kod).language();
        if (l == QLocale::Hungarian) return QStringLiteral("hu");
        if (l == QLocale::English) return QStringLiteral("en");
        mas = true;
    }
    return mas ? QStringLiteral("en") : QStringLiteral("hu");
}

void nyelvBeallitas(const QString& nyelv) {
    auto* app = QCoreApplication::instance();
    for (auto* t : {sajat_.get(), qt_.get()})
        if (t && app) QCoreApplication::removeTranslator(t);
    setFordito(nullptr);
    if (nyelv.isEmpty()) return;
    sajat_ = std::make_unique<QTranslator>();
    qt_ = std::make_unique<QTranslator>();
    // Hungarian is the source language: only Qt's own texts ("Igen", "Nem") need translating.
    if (nyelv != QLatin1String("hu") && sajat_->load(QStringLiteral(":/i18n/tarolas_") + nyelv)) {
        setFordito(&sajatForditas);
        if (app) QCoreApplication::installTranslator(sajat_.get());
    }
    if (qt_->load(QLocale(nyelv), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        app)
        QCoreApplication::installTranslator(qt_.get());
}

}  // namespace tarolas

#include "app/qttranslator.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool installQtTranslator(QTranslator &translator, const QLocale &locale)
{
    const bool loaded = translator.load(QStringLiteral("qt_") + locale.name(),
                                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QCoreApplication::installTranslator(&translator);
    return loaded;
}

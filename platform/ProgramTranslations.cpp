// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ProgramTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// "de_DE.UTF-8@euro" → "de_DE"; C and POSIX name no language.
QString languageOf(const QByteArray &localeName)
{
    QString name = QString::fromLatin1(localeName);
    name = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return {};
    return name;
}

} // namespace

QStringList ProgramTranslations::preferredLanguages()
{
    QStringList languages;
    for (const QString &entry : QString::fromLocal8Bit(qgetenv("LANGUAGE")).split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (const QString language = languageOf(entry.toLatin1()); !language.isEmpty())
            languages.append(language);
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (value.isEmpty())
            continue;
        if (const QString language = languageOf(value); !language.isEmpty())
            languages.append(language);
        break;
    }
    return languages;
}

QString ProgramTranslations::install()
{
    auto *application = QCoreApplication::instance();
    QString installed;
    for (const QString &language : preferredLanguages()) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            break;
        auto *program = new QTranslator(application);
        if (!program->load(locale, QStringLiteral("leftscan"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
            delete program;
            continue;
        }
        QCoreApplication::installTranslator(program);
        auto *qt = new QTranslator(application);
        if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        QLocale::setDefault(locale);
        installed = language;
        break;
    }
    if (installed.isEmpty()) {
        // English is the source, but for its plural forms ("1 item", "2 items").
        auto *plurals = new QTranslator(application);
        if (plurals->load(QStringLiteral(":/i18n/leftscan_en.qm")))
            QCoreApplication::installTranslator(plurals);
        else
            delete plurals;
    }
    return installed;
}

QLocale ProgramTranslations::displayLocale()
{
    const QLocale locale;
    if (locale.language() == QLocale::C)
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QTranslator>

namespace i18n {
namespace {

// Which catalogues a run loads is worth seeing only when asked for (QT_LOGGING_RULES).
Q_LOGGING_CATEGORY(lcI18n, "quellix.i18n", QtInfoMsg)

QList<QTranslator*>& installed() {
    static QList<QTranslator*> translators;
    return translators;
}

bool isCLocale(const QString& name) {
    const QString language = name.section(u'.', 0, 0).section(u'@', 0, 0);
    return language == u"C" || language == u"POSIX";
}

// The locale variables in the order the C library reads them for messages; LANGUAGE, a list,
// counts by its first entry.
bool asksForSourceTexts() {
    if (isCLocale(qEnvironmentVariable("LANGUAGE").section(u':', 0, 0))) return true;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty()) return isCLocale(value);
    }
    return false;
}

// An installed catalogue (share/quellix/translations beside bin/) wins over the one compiled
// in, so a corrected translation needs no rebuild.
QStringList ownFolders() {
    return {
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/quellix/translations"),
        QStringLiteral(":/i18n")};
}

bool add(const QLocale& locale, const QStringList& names, const QStringList& folders) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    for (const QString& folder : folders) {
        for (const QString& name : names) {
            if (!translator->load(locale, name, QStringLiteral("_"), folder)) continue;
            qCDebug(lcI18n) << "loaded" << translator->filePath();
            QCoreApplication::installTranslator(translator);
            installed().append(translator);
            return true;
        }
    }
    delete translator;
    return false;
}

}  // namespace

void installForUser() {
    if (asksForSourceTexts()) {
        qCDebug(lcI18n) << "the C locale asks for the source texts";
        return;
    }
    install(QLocale());
}

bool install(const QLocale& locale) {
    uninstall();
    const bool found = add(locale, {QStringLiteral("quellix")}, ownFolders());
    // Only with ours: a Qt dialog in German inside an English program reads as a fault.
    // Distributions ship qtbase_*.qm; windeployqt merges what a program needs into qt_*.qm.
    if (found)
        add(locale, {QStringLiteral("qtbase"), QStringLiteral("qt")},
            {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
             QCoreApplication::applicationDirPath() + QStringLiteral("/translations")});
    return found;
}

void uninstall() {
    for (QTranslator* translator : std::as_const(installed())) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    installed().clear();
}

}  // namespace i18n

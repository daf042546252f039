// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/RecordDocument.h"

#include <QCoreApplication>
#include <QCryptographicHash>

namespace journal {

namespace {

// The context lupdate files a free function's texts under: its namespace.
QString tr(const char* text) {
    return QCoreApplication::translate("journal", text);
}

}  // namespace

ConfigDocument documentOf(const Record& record) {
    ConfigDocument doc;
    if (record.configuration.isEmpty()) {
        doc.error = tr("holds no configuration (a verify keeps only its fingerprint)");
        return doc;
    }
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(record.configuration, QCryptographicHash::Sha256).toHex());
    if (hash != record.sha256) {
        doc.error = tr("its configuration does not match its fingerprint; the journal was altered");
        return doc;
    }
    return ConfigDocument::parse(record.configuration);
}

}  // namespace journal

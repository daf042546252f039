// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/RecordDocument.h"

#include <QCryptographicHash>

#include "journal/Text.h"

namespace journal {

ConfigDocument documentOf(const Record& record) {
    ConfigDocument doc;
    if (record.configuration.isEmpty()) {
        doc.error = Text::tr("holds no configuration (a verify keeps only its fingerprint)");
        return doc;
    }
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(record.configuration, QCryptographicHash::Sha256).toHex());
    if (hash != record.sha256) {
        doc.error =
            Text::tr("its configuration does not match its fingerprint; the journal was altered");
        return doc;
    }
    return ConfigDocument::parse(record.configuration);
}

}  // namespace journal

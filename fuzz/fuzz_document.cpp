// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a file the command-line tool is given, record file or JSON: the reader must
// neither crash nor hang, a file it accepts must stay within a record's limits, and what it
// accepts must survive being written as JSON and read back, with no differences reported.
#include <cstdint>
#include <cstdlib>

#include "configfile/ConfigDocument.h"
#include "configfile/ConfigJson.h"
#include "configfile/Records.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const ConfigDocument document = ConfigDocument::parse(input);
    if (!document.ok) {
        if (document.error.isEmpty()) std::abort();  // a refusal always says why
        return 0;
    }
    const ConfigurationSet& set = document.set;
    if (set.slaveId < 0 || set.slaveId >= ConfigurationSet::SlaveIdCount) std::abort();
    // Texts are kept whole up to what one record holds; each one the window would cut is noted.
    qsizetype overWindow = 0;
    for (int k = 0; k < document.phoneCount; ++k)
        overWindow += set.phoneNo[size_t(k)].size() > ConfigurationSet::PhoneMaxLength;
    for (const QString& message : set.channelMessage) {
        if (message.size() > records::RecordReader::MaxRecordBytes) std::abort();
        overWindow += message.size() > ConfigurationSet::MessageMaxLength;
    }
    if (document.notes.size() != overWindow) std::abort();

    const ConfigDocument again =
        ConfigDocument::parse(configjson::serialize(set, document.phoneCount));
    if (!again.ok || again.phoneCount != document.phoneCount ||
        !differences(document.set, again.set, document.phoneCount).isEmpty())
        std::abort();
    return 0;
}

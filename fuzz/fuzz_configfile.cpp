// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a configuration file: the reader must neither crash nor hang, and whatever it
// reads must survive a save and a load unchanged.
#include <QBuffer>
#include <cstdint>
#include <cstdlib>

#include "configfile/ConfigFile.h"

namespace {

bool holdsQuote(const ConfigurationSet& set) {
    for (const QString& text : set.phoneNo)
        if (text.contains(u'"')) return true;
    for (const QString& text : set.channelMessage)
        if (text.contains(u'"')) return true;
    return false;
}

ConfigurationSet parseBytes(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return configfile::parse(buffer, ConfigurationSet{}).set;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const ConfigurationSet loaded = parseBytes(input);

    // A double quote cannot be written inside a text, so only quote-free sets must round-trip.
    if (!holdsQuote(loaded) && parseBytes(configfile::serialize(loaded)) != loaded) std::abort();
    return 0;
}

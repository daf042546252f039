// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a reply to every command: no parser may crash or read past the reply, and the
// bitmap and text fields must come back as they were sent.
#include <QString>
#include <cstdint>
#include <cstdlib>

#include "core/Codepage.h"
#include "device/CommandSet.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView reply(reinterpret_cast<const char*>(data), qsizetype(size));

    if (auto model = commandset::probeModel(reply); model && model->size() > 10) std::abort();
    if (auto id = commandset::slaveIdReply(reply); id && (*id < 0 || *id > 31)) std::abort();
    if (auto flags = commandset::enableFlagsReply(reply)) {
        for (qint16 flag : *flags)
            if (flag != FlagTrue && flag != FlagFalse) std::abort();
    }
    (void)commandset::textReply(reply);
    (void)commandset::settingReply(reply);
    (void)commandset::hexPair(reply);

    // Flags from the first 8 bytes go out as a setting's bitmap and come back from a query reply.
    if (size >= 8) {
        commandset::EnableFlags flags{};
        for (int ch = 0; ch < ConfigurationSet::ChannelCount; ++ch)
            flags[ch] = (data[ch / 8] >> (ch % 8)) & 1 ? FlagTrue : FlagFalse;
        const QByteArray query = "E" + commandset::bitmapHex(flags) + "\r";
        if (commandset::enableFlagsReply(query) != flags) std::abort();
    }

    // A text sent to the unit and echoed in a query reply is read back unchanged.
    const QString text = codepage::decode(reply);
    const QByteArray command = commandset::setMessage(5, text);
    const QByteArray echoed = "M05" + command.mid(4, command.size() - 6);
    if (commandset::textReply(echoed) != text) std::abort();
    return 0;
}

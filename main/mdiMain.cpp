#include "mdiMain.h"

namespace mdiMain {
QString EditedPhoneNo;
qint16 PhoneNoAccepted = 0;
QString EditedMessage;
qint16 MessageAccepted = 0;
}  // namespace mdiMain

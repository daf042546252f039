#pragma once

#include <QString>
#include <QtGlobal>

// Program-wide hand-over between the main window and the two editing dialogs: the launcher
// puts the current value in, the dialog puts the edited value back and raises its flag.
namespace mdiMain {
extern QString EditedPhoneNo;
extern qint16 PhoneNoAccepted;  // -1 after OK with a valid number or after Delete
extern QString EditedMessage;
extern qint16 MessageAccepted;  // -1 after OK
}  // namespace mdiMain

#include "frmEditMessage.h"

frmEditMessage::frmEditMessage(QWidget* owner) : QDialog(owner) {}

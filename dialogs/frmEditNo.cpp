#include "frmEditNo.h"

frmEditNo::frmEditNo(QWidget* owner) : QDialog(owner) {}

#include "frmMain.h"

void frmMain::initDevice() {}
void frmMain::setProtocolInterval(int) {}
bool frmMain::transferActive() const { return false; }
bool frmMain::prepareClose() { return true; }
void frmMain::cmdConnect_Click() {}
void frmMain::cmdDeviceRead_Click() {}
void frmMain::cmdDeviceWrite_Click() {}

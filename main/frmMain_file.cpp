#include "frmMain.h"

void frmMain::initFile() {}
void frmMain::cmdFileLoad_Click() {}
void frmMain::cmdFileSave_Click() {}

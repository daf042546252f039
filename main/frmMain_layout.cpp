#include "frmMain.h"

void frmMain::buildLayout() {}

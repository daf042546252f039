#include "frmMain.h"

#include <QCloseEvent>

frmMain::frmMain(QWidget* parent) : QWidget(parent) {
    buildLayout();
    startUp();
    initDevice();
    initFile();
}

frmMain::~frmMain() = default;

void frmMain::startUp() {}
ConfigurationSet frmMain::configuration() const { return {}; }
void frmMain::applyConfiguration(const ConfigurationSet&) {}
int frmMain::currentPage() const { return 1; }
void frmMain::selectPage(int) {}
int frmMain::slaveId() const { return 0; }
int frmMain::portIndex() const { return 0; }
void frmMain::TS_Click() {}
void frmMain::chkChEnable_Click(int) {}
void frmMain::cmdEditMsg_Click(int) {}
void frmMain::cmdEditNo_Click(int) {}
void frmMain::cmdExit_Click() { close(); }
void frmMain::closeEvent(QCloseEvent* event) {
    if (prepareClose())
        event->accept();
    else
        event->ignore();
}

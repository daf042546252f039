#include "frmProgress.h"

frmProgress::frmProgress(QWidget* owner) : QWidget(owner, Qt::Window) {}
void frmProgress::setModelText(const QString&) {}
void frmProgress::setActivityText(const QString&) {}
void frmProgress::setProgress(float) {}
void frmProgress::setResultText(const QString&) {}

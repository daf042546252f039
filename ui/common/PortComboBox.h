// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

// The port box: says when its list is about to open, so the serial devices plugged in since
// the window opened can be listed before the user looks.
class PortComboBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    void showPopup() override {
        emit aboutToShowPopup();
        QComboBox::showPopup();
    }

signals:
    void aboutToShowPopup();
};

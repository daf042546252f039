// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/NamedComboBox.h"

#include <QAccessibleWidget>
#include <QComboBox>

namespace ui {

namespace {

class AccessibleComboBox : public QAccessibleWidget {
public:
    explicit AccessibleComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return box()->currentText();
        return QAccessibleWidget::text(t);  // the name: accessible name, label, frame title
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() && box()->isEnabled())
            box()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* comboBoxes(const QString& className, QObject* object) {
    if (className != QLatin1String("QComboBox")) return nullptr;
    auto* box = qobject_cast<QComboBox*>(object);
    return box ? new AccessibleComboBox(box) : nullptr;
}

}  // namespace

void nameComboBoxes() {
    static const bool installed = [] {
        QAccessible::installFactory(comboBoxes);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QtTest>
#include <QtWidgets>

#include "core/ConfigurationSet.h"
#include "tests/WindowControls.h"
#include "translations/Translations.h"
#include "ui/compare/CompareDialog.h"
#include "ui/dialogs/frmEditMessage.h"
#include "ui/dialogs/frmEditNo.h"
#include "ui/dialogs/frmProgress.h"
#include "ui/history/HistoryWindow.h"
#include "ui/mainwindow/frmMain.h"
#include "ui/station/StationTile.h"
#include "ui/station/StationWindow.h"
#include "ui/traffic/TrafficMonitor.h"

namespace {

// The roles a user operates; a screen reader announces each by its name alone.
bool isControl(QAccessible::Role role) {
    switch (role) {
        case QAccessible::PushButton:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::ComboBox:
        case QAccessible::EditableText:
        case QAccessible::SpinBox:
        case QAccessible::Slider:
        case QAccessible::ProgressBar:
        case QAccessible::Table:
        case QAccessible::List:
        case QAccessible::Tree:
        case QAccessible::PageTab:
            return true;
        default:
            return false;
    }
}

// An item view's cells and a combo box's list are its content, not controls of their own.
bool holdsContent(QAccessible::Role role) {
    return role == QAccessible::Table || role == QAccessible::List || role == QAccessible::Tree ||
           role == QAccessible::ComboBox;
}

struct Control {
    QString name, path;
};

void collect(QAccessibleInterface* node, const QString& path, QList<Control>& found) {
    if (!node || node->state().invisible) return;
    const QString here =
        path + u'/' +
        (node->object() ? node->object()->objectName() : QString::number(int(node->role())));
    if (isControl(node->role())) found.append({node->text(QAccessible::Name), here});
    if (holdsContent(node->role())) return;
    for (int i = 0; i < node->childCount(); ++i)
        collect(node->child(i), here, found);
}

// Every visible control of `window` without a name, or with a name another one shares.
QStringList nameFaults(QWidget* window) {
    QList<Control> controls;
    collect(QAccessible::queryAccessibleInterface(window), QString(), controls);
    QStringList faults;
    QHash<QString, QString> seen;
    for (const Control& c : controls) {
        if (c.name.trimmed().isEmpty())
            faults << QStringLiteral("%1 has no name").arg(c.path);
        else if (seen.contains(c.name))
            faults << QStringLiteral("%1 and %2 share \"%3\"").arg(seen[c.name], c.path, c.name);
        else
            seen.insert(c.name, c.path);
    }
    if (controls.isEmpty())
        faults << QStringLiteral("%1 shows no control").arg(window->objectName());
    return faults;
}

QString nameOf(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

}  // namespace

// Every window within reach: to a screen reader, every control by a name of its own in every
// language; on the screen, every window wholly inside its available area.
class tst_reach : public QObject {
    Q_OBJECT

    QTemporaryDir settings;

    void check(QWidget* window) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QStringList faults = nameFaults(window);
        for (const QString& fault : faults)
            qWarning().noquote() << fault;
        QVERIFY2(faults.isEmpty(), qPrintable(faults.value(0)));
    }

private slots:
    void initTestCase() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    }
    void cleanup() { i18n::uninstall(); }

    void windows_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("page");  // of the main window's channels
        QTest::newRow("en") << "en" << 1;
        QTest::newRow("de") << "de" << 2;
        QTest::newRow("fr") << "fr" << frmMain::Pages;
    }
    void windows() {
        QFETCH(QString, language);
        QFETCH(int, page);
        i18n::install(QLocale(language));
        frmMain window;
        window.selectPage(page);
        check(&window);
        frmEditNo number{QStringLiteral("0049301234567"), nullptr, 3};
        check(&number);
        frmEditMessage message{QStringLiteral("Fire"), nullptr, 12};
        check(&message);
        frmProgress progress(&window);
        check(&progress);
        ConfigurationSet unit;
        unit.phoneNo[0] = QStringLiteral("01234");
        safety::CompareDialog compare(ConfigurationSet(), unit, ConfigurationSet::PhoneCount,
                                      QStringLiteral("Unit"));
        check(&compare);
        HistoryWindow history(nullptr);
        check(&history);
        traffic::TrafficMonitor monitor;
        check(&monitor);
        station::StationWindow stationWindow(nullptr);
        check(&stationWindow);
    }

    // The names say which row a control serves, and follow the page the rows show.
    void rowNames_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("port") << 1 << "cmbComm"
                              << "Port";
        QTest::newRow("slave ID") << 1 << "cmbSlaveID"
                                  << "Slave ID";
        QTest::newRow("phone 3") << 1 << "txtPhoneNo_2"
                                 << "Phone number 3";
        QTest::newRow("edit phone 3") << 1 << "cmdEditNo_2"
                                      << "Edit phone number 3";
        QTest::newRow("channel 60") << 4 << "chkChEnable_11"
                                    << "Channel 60 enabled";
        QTest::newRow("edit channel 60") << 4 << "cmdEditMsg_11"
                                         << "Edit message of channel 60";
    }
    void rowNames() {
        QFETCH(int, page);
        QFETCH(QString, control);
        QFETCH(QString, name);
        frmMain window;
        window.selectPage(page);
        auto* c = ::control(&window, control);
        QCOMPARE(nameOf(c), name);
        // What is shown stays as it was; a box's entry is its value.
        if (auto* box = qobject_cast<QComboBox*>(c))
            QCOMPARE(QAccessible::queryAccessibleInterface(c)->text(QAccessible::Value),
                     box->currentText());
        if (auto* box = qobject_cast<QCheckBox*>(c))
            QCOMPARE(box->text(), QStringLiteral("Channel %1").arg(name.split(u' ').at(1)));
        if (auto* button = qobject_cast<QPushButton*>(c))
            QVERIFY(button->text().startsWith(QStringLiteral("Edit ")));
    }

    // Opened partly off a small screen, a tool window comes back inside it, shrunk to fit.
    void onScreen_data() {
        QTest::addColumn<QString>("window");
        for (const char* window : {"traffic", "history", "station"})
            QTest::newRow(window) << window;
    }
    void onScreen() {
        QFETCH(QString, window);
        std::unique_ptr<QWidget> w;
        if (window == "traffic") w = std::make_unique<traffic::TrafficMonitor>();
        if (window == "history") w = std::make_unique<HistoryWindow>(nullptr);
        if (window == "station") w = std::make_unique<station::StationWindow>(nullptr);
        const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
        w->move(room.bottomRight() - QPoint(100, 100));
        w->resize(room.size() + QSize(200, 200));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QVERIFY2(room.contains(w->frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(w->frameGeometry().x())
                                .arg(w->frameGeometry().y())
                                .arg(w->frameGeometry().width())
                                .arg(w->frameGeometry().height())));
    }

    // A unit's tiles: each Dismiss button names its port.
    void tiles() {
        QWidget area;
        area.setObjectName(QStringLiteral("tiles"));
        auto* layout = new QVBoxLayout(&area);
        for (const char* port : {"/dev/ttyUSB0", "/dev/ttyUSB1"})
            layout->addWidget(new station::StationTile(QLatin1String(port), &area));
        check(&area);
    }
};

QTEST_MAIN(tst_reach)
#include "tst_reach.moc"

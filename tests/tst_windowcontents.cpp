// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "ui/mainwindow/WindowContents.h"

namespace {

// A set that tells one window's contents from another.
ConfigurationSet setNamed(const QString& name) {
    ConfigurationSet set;
    set.channelMessage[0] = name;
    return set;
}

}  // namespace

// What the status bar says, the modified mark and the undo, after what a technician does in
// a row. Steps: "read" (whole), "cut" (a read cut short), "load", "load145" (phones 1-16 only),
// "edit", "take" (values from a comparison), "save", "write", "undo".
class tst_windowcontents : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void steps_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("undo");        // WindowContents::Undo after the steps
        QTest::addColumn<QString>("undone");  // the set an undo hands back; null: none
        const int none = int(WindowContents::Undo::None), read = int(WindowContents::Undo::Read),
                  load = int(WindowContents::Undo::Load);
        auto row = [](const char* name, const QString& steps, const QString& status, bool modified,
                      int undo, const QString& undone) {
            QTest::newRow(name) << steps.split(' ', Qt::SkipEmptyParts) << status << modified
                                << undo << undone;
        };
        row("start", "", "Start values", false, none, {});
        row("read", "read", "Read from /dev/ttyUSB0 at 14:02", false, read, "before read");
        row("read cut short", "cut",
            "Read from /dev/ttyUSB0 at 14:02, cut short after 40 of 99 exchanges; the rest is as "
            "it was before",
            false, read, "before read");
        row("edits then read: read clears the mark", "edit read", "Read from /dev/ttyUSB0 at 14:02",
            false, read, "before read");
        row("read then edit: no undo left", "read edit",
            "Read from /dev/ttyUSB0 at 14:02; edited since", true, none, {});
        row("load", "load", "Loaded site.cfg", false, load, "before load");
        row("load of 145 records", "load145",
            "Loaded site.cfg, the file holds phone numbers 1-16 only; 17-32 were kept from before",
            false, load, "before load");
        row("edit, undo of nothing keeps the edit", "edit undo", "Start values; edited since", true,
            none, {});
        row("edit, load, undo: the edit is back", "edit load undo", "Start values; edited since",
            true, none, {});
        // Values taken from a comparison are edits, yet undoable as one step.
        row("read, then values taken", "read take", "Read from /dev/ttyUSB0 at 14:02; edited since",
            true, int(WindowContents::Undo::Take), "before take");
        row("saved", "read edit save", "Saved to site.cfg", false, none, {});
        row("written", "load edit write", "Written to /dev/ttyUSB0 at 14:02", false, none, {});
    }
    void steps() {
        QFETCH(QStringList, steps);
        QFETCH(QString, status);
        QFETCH(bool, modified);
        QFETCH(int, undo);
        QFETCH(QString, undone);
        const QString port = "/dev/ttyUSB0", file = "/home/tech/site.cfg";
        const QDateTime at(QDate(2026, 3, 1), QTime(14, 2, 30));
        WindowContents w;
        for (const QString& step : std::as_const(steps)) {
            const bool reading = step == "read" || step == "cut";
            if (reading || step.startsWith("load"))
                w.replacing(setNamed(reading ? "before read" : "before load"),
                            reading ? WindowContents::Undo::Read : WindowContents::Undo::Load);
            if (reading) w.read(port, at, step == "cut" ? 40 : 99, 99);
            if (step.startsWith("load")) w.loaded(file, step == "load145");
            if (step == "take") {
                w.replacing(setNamed("before take"), WindowContents::Undo::Take);
                w.taken();
            }
            if (step == "edit") w.edited();
            if (step == "save") w.saved(file);
            if (step == "write") w.written(port, at);
            if (step == "undo") w.takeUndo();
        }
        QCOMPARE(w.statusText(), status);
        QCOMPARE(w.modified(), modified);
        QCOMPARE(int(w.undoKind()), undo);
        const std::optional<ConfigurationSet> back = w.takeUndo();
        QCOMPARE(back ? back->channelMessage[0] : QString(), undone);
        QCOMPARE(w.undoKind(), WindowContents::Undo::None);  // one level only
        QVERIFY(!w.takeUndo());
    }
};

QTEST_MAIN(tst_windowcontents)
#include "tst_windowcontents.moc"

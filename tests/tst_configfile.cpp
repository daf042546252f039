#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ConfigFile.h"
#include "frmMain.h"

Q_DECLARE_METATYPE(ConfigurationSet)

namespace {

QByteArray line(const QByteArray& value) {
    return value + "\r\n";
}
QByteArray quoted(const QByteArray& text) {
    return line('"' + text + '"');
}

// The records of a file, written out by hand (ASCII texts only).
QList<QByteArray> recordsOf(const ConfigurationSet& set) {
    QList<QByteArray> out{line(QByteArray::number(set.slaveId))};
    for (int k = 0; k < 16; ++k)
        out << quoted(set.phoneNo[k].toLatin1());
    for (int i = 0; i < 64; ++i)
        out << line(set.channelEnable[i] ? "-1" : "0") << quoted(set.channelMessage[i].toLatin1());
    for (int k = 16; k < 32; ++k)
        out << quoted(set.phoneNo[k].toLatin1());
    return out;
}
QByteArray join(const QList<QByteArray>& records, int count = 161) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += records[i];
    return bytes;
}

// Two sets that differ in every value.
ConfigurationSet filled(const QString& tag, int slaveId, qint16 oddFlag) {
    ConfigurationSet set;
    set.slaveId = slaveId;
    for (int k = 0; k < 32; ++k)
        set.phoneNo[k] = tag + QString::number(k + 1);
    for (int i = 0; i < 64; ++i) {
        set.channelEnable[i] = i % 2 ? oddFlag : qint16(-1 - oddFlag);
        set.channelMessage[i] = tag + QStringLiteral(" msg %1").arg(i + 1);
    }
    return set;
}
const ConfigurationSet fresh = filled("new", 7, FlagTrue);
const ConfigurationSet old = filled("old", 1, FlagFalse);

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}
bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

class tst_configfile : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }

    // Modal windows are answered from the event loop; a step that never finds its window is
    // caught by the watchdog, which closes whatever is open so the test cannot hang.
    QTimer watchdog;
    int pendingSteps = 0;
    void onModal(std::function<void(QWidget*)> step, QWidget* notThis = nullptr) {
        ++pendingSteps;
        auto* poll = new QTimer(&watchdog);
        connect(poll, &QTimer::timeout, this, [=, this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == notThis) return;
            poll->stop();
            poll->deleteLater();
            --pendingSteps;
            QMetaObject::invokeMethod(
                modal, [=] { step(modal); }, Qt::QueuedConnection);
        });
        poll->start(20);
    }
    // Types the name into Qt's own dialog (selectFile() leaves a focused name box alone).
    void accept(QWidget* modal, const QString& name) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
        static_cast<QDialog*>(dialog)->accept();  // with the dialog's own checks
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, this, [] {
            for (int i = 0; i < 10 && QApplication::activeModalWidget(); ++i)
                QApplication::activeModalWidget()->close();
        });
    }
    void init() { watchdog.start(5000); }
    void cleanup() {
        QVERIFY2(watchdog.isActive(), "a modal window did not show up or did not close");
        watchdog.stop();
        qDeleteAll(watchdog.findChildren<QTimer*>());
        QCOMPARE(std::exchange(pendingSteps, 0), 0);
    }

    void serialize_data() {
        QTest::addColumn<ConfigurationSet>("set");
        QTest::addColumn<QByteArray>("bytes");
        QByteArray empty = line("0"), door = line("3") + quoted("911234567890"), all;
        for (int k = 0; k < 16; ++k)
            empty += quoted("");
        for (int k = 1; k < 16; ++k)
            door += quoted("");
        door += line("-1") + quoted("Door open");
        for (int b = 0; b < 256; ++b)
            if (b != '"') all += char(b);
        QByteArray bytes = empty + line("0") + quoted(all + '\x1a');
        for (int i = 0; i < 64; ++i)
            empty += line("0") + quoted("");
        QCOMPARE(empty.size(), 515);
        for (int i = 1; i < 64; ++i) {
            door += line("0") + quoted("");
            bytes += line("0") + quoted("");
        }
        QByteArray phones;
        for (int k = 16; k < 32; ++k)
            phones += quoted(k == 31 ? "32" : "");

        ConfigurationSet doorSet, bytesSet;
        doorSet.slaveId = 3;
        doorSet.phoneNo[0] = QStringLiteral("911234567890");
        doorSet.channelEnable[0] = FlagTrue;
        doorSet.channelMessage[0] = QStringLiteral("Door open");
        // The last character is not in the code page.
        bytesSet.channelMessage[0] = QStringDecoder("windows-1252").decode(all) + QChar(0x4e2d);
        bytesSet.channelEnable[1] = 5;  // only -1 counts as set
        bytesSet.phoneNo[31] = QStringLiteral("32");
        QTest::newRow("empty") << ConfigurationSet{} << empty + quoted("").repeated(16);
        QTest::newRow("door open") << doorSet << door + quoted("").repeated(16);
        QTest::newRow("every byte, phone 32") << bytesSet << bytes + phones;
    }
    void serialize() {
        QFETCH(ConfigurationSet, set);
        QFETCH(QByteArray, bytes);
        QVERIFY(ConfigFile::save(path("s.cfg"), set, nullptr));
        QCOMPARE(readAll(path("s.cfg")), bytes);
    }

    void parse_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("stoppedAt");  // record named in the message; 0 for none
        QTest::addColumn<ConfigurationSet>("expected");
        const QList<QByteArray> full = recordsOf(fresh);
        QTest::newRow("complete") << join(full) << 0 << fresh;
        QTest::newRow("extra records") << join(full) + "\"x\"\r\n1,,,\"" << 0 << fresh;
        ConfigurationSet older = fresh, cut = old, early = old;
        for (int k = 16; k < 32; ++k)
            older.phoneNo[k] = old.phoneNo[k];
        QTest::newRow("older 145 records") << join(full, 145) << 0 << older;
        // Lines 1-100: up to channel 41 and the flag of 42, whose message is missing.
        cut.slaveId = early.slaveId = fresh.slaveId;
        for (int k = 0; k < 16; ++k)
            cut.phoneNo[k] = early.phoneNo[k] = fresh.phoneNo[k];
        for (int i = 0; i < 41; ++i) {
            cut.channelEnable[i] = fresh.channelEnable[i];
            cut.channelMessage[i] = fresh.channelMessage[i];
        }
        QTest::newRow("ends after line 100") << join(full, 100) << 101 << cut;
        QTest::newRow("100 without CR LF") << join(full, 100).chopped(2) << 101 << cut;

        QList<QByteArray> edited = full;
        edited[0] = line("40");     // no entry of the list: the selection stays
        edited[1] = "  \"+49\"\n";  // blanks, lone LF
        edited[2] = "bare,";
        edited[17] = line("5");
        edited[18] = quoted("a,b\r\nc");
        edited[20] = quoted("say \"hi\", \"bye");
        ConfigurationSet editedSet = fresh;
        editedSet.slaveId = old.slaveId;
        editedSet.phoneNo[0] = QStringLiteral("+49");
        editedSet.phoneNo[1] = QStringLiteral("bare");
        editedSet.channelEnable[0] = FlagTrue;
        editedSet.channelMessage[0] = QStringLiteral("a,b\r\nc");
        editedSet.channelMessage[1] = QStringLiteral("say ");
        QTest::newRow("edited by hand") << join(edited) << 0 << editedSet;

        // Records 18 and 19: flag and message of channel 1.
        const QList<std::tuple<const char*, int, QByteArray>> broken{
            {"flag out of range", 18, line("40000")},
            {"flag not a number", 18, line("yes")},
            {"message of 100 KiB", 19, quoted(QByteArray(100 * 1024, 'x'))}};
        for (const auto& [name, record, bad] : broken) {
            edited = full;
            edited[record - 1] = bad;
            QTest::newRow(name) << join(edited) << record << early;
        }
    }
    void parse() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, stoppedAt);
        QFETCH(ConfigurationSet, expected);
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        const ConfigFile::LoadResult result = ConfigFile::parse(buffer, old);
        QVERIFY(result.set == expected);
        QCOMPARE(result.ok, stoppedAt == 0);
        if (stoppedAt) QVERIFY(result.error.contains(QStringLiteral("record %1").arg(stoppedAt)));
    }

    void roundTripAndMissingFile() {
        ConfigurationSet set = fresh;
        set.channelMessage[5] = QStringLiteral("Fire, floor 2\r\nCall 112\n\u00e9\u20ac &");
        set.channelMessage[6] = set.phoneNo[3] = QString();
        QVERIFY(ConfigFile::save(path("r.cfg"), set, nullptr));
        QVERIFY(ConfigFile::load(path("r.cfg"), old).set == set);
        const ConfigFile::LoadResult missing = ConfigFile::load(path("none.cfg"), old);
        QVERIFY(!missing.ok && !missing.error.isEmpty() && missing.set == old);
    }

    // Writes that fail part way (file size limit, EFBIG) leave the old file as it was.
    void saveFailsPartWay() {
        const QByteArray before = "old content\r\n";
        for (const int limit : {0, 200, 1 << 20}) {
            QVERIFY(writeFile(path("limit.cfg"), before));
            const pid_t child = fork();
            if (child == 0) {
                signal(SIGXFSZ, SIG_IGN);
                const rlimit small{rlim_t(limit), rlim_t(limit)};
                setrlimit(RLIMIT_FSIZE, &small);
                QString error;
                _exit(ConfigFile::save(path("limit.cfg"), old, &error) ? 1
                      : error.isEmpty()                                ? 2
                                                                       : 0);
            }
            int status = -1;
            QCOMPARE(waitpid(child, &status, 0), child);
            QCOMPARE(WEXITSTATUS(status), limit > 200 ? 1 : 0);
            QCOMPARE(readAll(path("limit.cfg")), limit > 200 ? join(recordsOf(old)) : before);
            const QStringList left =
                QDir(dir.path()).entryList({"limit.cfg*"}, QDir::Files | QDir::Hidden);
            QCOMPARE(left, QStringList{"limit.cfg"});  // no temporary file stays behind
        }
    }

    void saveAndLoadThroughTheWindow() {
        frmMain w;
        w.show();
        w.cmbSlaveID->setCurrentIndex(3);
        w.txtPhoneNo[20]->setText(QStringLiteral("2100"));
        w.chkChEnable[0]->setChecked(true);
        w.ChannelMessage[40] = QStringLiteral("forty-one");
        const QString file = path("window.cfg");
        QVERIFY(writeFile(file, "to be replaced"));
        onModal([&](QWidget* dialog) {
            onModal(
                [](QWidget* box) {  // replace the existing file?
                    qobject_cast<QMessageBox*>(box)->button(QMessageBox::Yes)->click();
                },
                dialog);
            accept(dialog, file);
        });
        w.cmdFileSave->click();
        QByteArray expected = line("3") + quoted("").repeated(16) + line("-1") + quoted("");
        for (int i = 1; i < 64; ++i)
            expected += line("0") + quoted(i == 40 ? "forty-one" : "");
        for (int k = 16; k < 32; ++k)
            expected += quoted(k == 20 ? "2100" : "");
        QCOMPARE(readAll(file), expected);

        // Cancel leaves page 1 selected; the next dialog offers the name chosen last.
        w.ChannelMessage[40].clear();
        w.txtPhoneNo[20]->clear();
        w.cmbSlaveID->setCurrentIndex(9);
        w.selectPage(3);
        onModal([](QWidget* dialog) { dialog->close(); });
        w.cmdFileLoad->click();
        QCOMPARE(w.currentPage(), 1);
        QCOMPARE(w.cmbSlaveID->currentIndex(), 9);
        w.selectPage(2);
        QString offered;
        onModal([&](QWidget* dialog) {
            offered = qobject_cast<QFileDialog*>(dialog)->selectedFiles().value(0);
            static_cast<QDialog*>(dialog)->accept();
        });
        w.cmdFileLoad->click();
        QCOMPARE(offered, file);
        QCOMPARE(w.currentPage(), 1);
        QCOMPARE(w.cmbSlaveID->currentIndex(), 3);
        QCOMPARE(w.txtPhoneNo[20]->text(), QStringLiteral("2100"));
        QVERIFY(w.chkChEnable[0]->isChecked());
        QCOMPARE(w.ChannelMessage[40], QStringLiteral("forty-one"));
    }

    void failuresAreReported_data() {
        QTest::addColumn<QString>("file");  // empty: no slave ID selected, no dialog
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("no slave ID") << QString() << "Save to File"
                                     << "Select a slave ID from the list before saving.";
        QTest::newRow("folder is a file") << "plain/x.cfg"
                                          << "Save to File"
                                          << "plain/x.cfg";
        QTest::newRow("short file") << "short.cfg"
                                    << "Load from File"
                                    << "record 101";
    }
    void failuresAreReported() {
        QFETCH(QString, file);
        QFETCH(QString, caption);
        QFETCH(QString, mentions);
        QVERIFY(writeFile(path("plain"), "keep me"));
        QVERIFY(writeFile(path("short.cfg"), join(recordsOf(fresh), 100)));
        frmMain w;
        w.show();
        QMessageBox* box = nullptr;
        QString text;
        auto answer = [&](QWidget* modal) {
            box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box && box->icon() == QMessageBox::Warning && box->windowTitle() == caption);
            text = box->text();
            box->close();
        };
        if (file.isEmpty()) {
            w.cmbSlaveID->setEditable(true);
            w.cmbSlaveID->setEditText(QStringLiteral("77"));
            onModal(answer);
        } else {
            onModal([&](QWidget* dialog) {
                onModal(answer, dialog);
                accept(dialog, path(file));
            });
        }
        (caption.startsWith("Save") ? w.cmdFileSave : w.cmdFileLoad)->click();
        QVERIFY2(text.contains(mentions), qPrintable(text));
        QCOMPARE(readAll(path("plain")), QByteArray("keep me"));
        if (file == "short.cfg") QCOMPARE(w.ChannelMessage[40], fresh.channelMessage[40]);
    }
};

QTEST_MAIN(tst_configfile)
#include "tst_configfile.moc"

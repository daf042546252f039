// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
#include <QtWidgets>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "configfile/ConfigDocument.h"
#include "configfile/ConfigFile.h"
#include "configfile/ConfigJson.h"
#include "configfile/Records.h"
#include "core/Escape.h"
#include "tests/WindowControls.h"
#include "tests/support/ModalDriver.h"
#include "ui/mainwindow/frmMain.h"

using records::RecordReader;

class tst_configfile : public QObject {
    Q_OBJECT

    // Two sets that differ in every value.
    static ConfigurationSet filled(const QString& tag, int slaveId, qint16 oddFlag) {
        ConfigurationSet set{slaveId, {}, {}, {}};
        for (int i = 0; i < 64; ++i) {
            if (i < 32) set.phoneNo[i] = tag + QString::number(i + 1);
            set.channelEnable[i] = i % 2 ? oddFlag : qint16(-1 - oddFlag);
            set.channelMessage[i] = tag + QStringLiteral(" msg %1").arg(i + 1);
        }
        return set;
    }
    const ConfigurationSet fresh = filled("new", 7, FlagTrue), old = filled("old", 1, FlagFalse);
    // Lines `from` to `to` - 1 of the file holding `set` (none of its texts holds a line break).
    static QByteArray lines(const ConfigurationSet& set, int from, int to = 161) {
        return configfile::serialize(set).split('\n').mid(from, to - from).join('\n') + '\n';
    }
    static QByteArray quoted(const QByteArray& text) { return '"' + text + "\"\r\n"; }

    // The main window, shown, with its file buttons and the line saying what it holds.
    struct Window : frmMain {
        Window() { show(); }
        QPushButton* const save = control<QPushButton>(this, "cmdFileSave");
        QPushButton* const load = control<QPushButton>(this, "cmdFileLoad");
        QString contents() const { return findChild<QLabel*>("lblContents")->text(); }
    };

    QTemporaryDir dir;
    QString openedIn;  // the folder the last file dialog opened in
    QString path(const QString& name) const { return dir.filePath(name); }
    QByteArray readAll(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }
    bool writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    // Clicks `button` and answers what it shows: Qt's own file dialog gets `name` typed in as a
    // user would (empty: cancel), and a warning box must follow exactly when `mention` is given,
    // and mention it. Whatever is still open after five seconds is closed, so nothing hangs.
    void use(QAbstractButton* button, const QString& name, const QString& mention = {}) {
        QStringList shown;
        const testsupport::ModalDriver driver(
            [&](QWidget* modal) {
                if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                    shown << "file dialog";
                    openedIn = dialog->directory().absolutePath();
                    if (name.isEmpty()) return dialog->reject();
                    // The dialog selects the file chosen last once its folder has loaded, and a
                    // selected row outranks typed text; a user typing a name replaces it.
                    dialog->findChild<QAbstractItemView*>("listView")->clearSelection();
                    dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path(name));
                    static_cast<QDialog*>(dialog)->accept();  // with the dialog's own checks
                } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                    const bool warns =
                        box->icon() == QMessageBox::Warning && box->text().contains(mention);
                    shown << box->windowTitle() + (warns ? " warns" : ": " + box->text());
                    box->close();
                }
            },
            5000);
        button->click();
        QCOMPARE(shown.join(", "),
                 "file dialog" + (mention.isEmpty() ? "" : ", " + button->text() + " warns"));
        QCOMPARE(driver.stuck, QStringList());
    }

private slots:
    void initTestCase() {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        // The folder the window remembers goes here, not into the user's own settings.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path("settings"));
    }

    // `values`: what each read gave, or how it failed. A record longer than the limit is not
    // consumed, so it comes last.
    void reader_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<bool>("integers");  // else texts
        auto row = [](const char* name, const QByteArray& bytes, const QStringList& values,
                      bool integers = false) {
            QTest::newRow(name) << bytes << values << integers;
        };
        row("separators", "a\r\nb\rc\nd,e\n\rf\" g\r\n\r\n \t",
            {"a", "b", "c", "d", "e", "", "f\" g", "", "end"});
        row("quoted", "  \"x,y\r\nz \" ,1\r\n\"unfinished", {"x,y\r\nz ", "1", "end"});
        row("quote in quotes", "\"say \"hi, you\" now\"\r\n\"b\"\r\n1", {"say ", "b", "1"});
        row("integers",
            "0\r\n+5\r\n0012, 7 \t\r\n32767\n32768\r\n-32769\r\n99999999999999999999\r\n"
            "\r\n1 2\r\n\"5\"\r\n-\r\n-32768",
            {"0", "5", "12", "7", "32767", "range", "range", "range", "nan", "nan", "nan", "nan",
             "-32768"},
            true);
        const QByteArray limit(RecordReader::MaxRecordBytes, 'a');
        row("64 KiB", limit + ",\"" + limit + "\"\r\n" + limit + "a", {limit, limit, "long"});
        row("64 KiB + 1 quoted", '"' + limit + "a\"", {"long"});
        // CR LF split across two reads of the device is still one separator.
        const QByteArray seam(RecordReader::ChunkBytes - 1, 's');
        row("CR LF across a chunk seam", seam + "\r\nb", {seam, "b", "end"});
    }
    void reader() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, values);
        QFETCH(bool, integers);
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        RecordReader reader(buffer);
        const char* const names[] = {"ok", "end", "nan", "range", "long", "error"};
        QStringList read;
        while (read.size() < values.size()) {
            QString text;
            qint16 number = 0;
            const auto status = integers ? reader.readInteger(&number) : reader.readText(&text);
            read << (status != RecordReader::Status::Ok ? names[int(status)]
                     : integers                         ? QString::number(number)
                                                        : text);
        }
        QCOMPARE(read, values);
    }

    void serialize() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            if (b != '"') all += char(b);
        const ConfigurationSet door{3, {"911234567890"}, {FlagTrue}, {"Door open"}};
        // The last character is not in the code page; only -1 counts as set.
        ConfigurationSet bytes{
            0, {}, {0, 5}, {QStringDecoder("windows-1252").decode(all) + QChar(0x4e2d)}};
        bytes.phoneNo[31] = QStringLiteral("32");
        const QByteArray none = quoted(""), channel = "0\r\n" + none;
        const QByteArray empty =
            "0\r\n" + none.repeated(16) + channel.repeated(64) + none.repeated(16);
        QCOMPARE(configfile::serialize({}), empty);
        QCOMPARE(configfile::serialize(door), "3\r\n" + quoted("911234567890") + none.repeated(15) +
                                                  "-1\r\n" + quoted("Door open") +
                                                  channel.repeated(63) + none.repeated(16));
        // Phone numbers 1-16 only: the 145 records of the first format, nothing after them.
        QCOMPARE(configfile::serialize(door, 16),
                 configfile::serialize(door).chopped(none.size() * 16));
        QVERIFY(configfile::save(path("s.cfg"), bytes, nullptr));
        const QByteArray expected = "0\r\n" + none.repeated(16) + "0\r\n" + quoted(all + '\x1a') +
                                    channel.repeated(63) + none.repeated(15) + quoted("32");
        QCOMPARE(readAll("s.cfg"), expected);
        // Loaded and written again, every byte but '"' survives.
        QCOMPARE(configfile::serialize(configfile::load(path("s.cfg"), old).set), expected);
        const configfile::LoadResult missing = configfile::load(path("none.cfg"), old);
        QVERIFY(!missing.ok && !missing.error.isEmpty() && missing.set == old);
    }

    // A write that fails part way (file size limit, EFBIG) leaves the old file as it was.
    void saveFailsPartWay() {
        QVERIFY(writeFile("limit.cfg", "old"));
        const pid_t child = fork();
        if (child == 0) {
            signal(SIGXFSZ, SIG_IGN);
            const rlimit small{200, 200};
            setrlimit(RLIMIT_FSIZE, &small);
            QString error;
            _exit(configfile::save(path("limit.cfg"), old, &error) ? 1 : 2 * error.isEmpty());
        }
        int status = -1;
        QCOMPARE(waitpid(child, &status, 0), child);
        QCOMPARE(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0);
        QCOMPARE(readAll("limit.cfg"), "old");
        // No temporary file stays behind.
        QCOMPARE(QDir(dir.path()).entryList({"limit.cfg*"}, QDir::Files | QDir::Hidden),
                 QStringList{"limit.cfg"});
    }

    // What a save must not write over or into. `target` is what stands at the path beforehand:
    // nothing, a regular file, a pipe (a folder takes the same refusal), or a link to a regular
    // file.
    void refusedSaves_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("quoteIn");   // phone slot 0..31, 32 + channel; -1 none
        QTest::addColumn<QString>("says");  // empty: saved
        QTest::newRow("quote in phone 17, new name")
            << "none" << 16
            << "phone number 17 holds a double quote (\"), which a record file "
               "cannot hold; save as JSON instead";
        QTest::newRow("quote in a message, old file kept")
            << "file" << 32 + 2 << "the message of channel 3 holds a double quote";
        QTest::newRow("pipe") << "fifo" << -1 << "exists and is not a regular file";
        QTest::newRow("link to a file: its target replaced") << "link" << -1 << "";
    }
    void refusedSaves() {
        QFETCH(QString, target);
        QFETCH(int, quoteIn);
        QFETCH(QString, says);
        const QString name = QStringLiteral("refused-%1").arg(QTest::currentDataTag());
        const QString at = path(name);
        if (target == "file") QVERIFY(writeFile(name, "old"));
        if (target == "fifo") QCOMPARE(::mkfifo(QFile::encodeName(at).constData(), 0600), 0);
        if (target == "link") {
            QVERIFY(writeFile(name + ".target", "old"));
            QVERIFY(QFile::link(at + ".target", at));
        }
        ConfigurationSet set = fresh;
        if (quoteIn >= 32)
            set.channelMessage[quoteIn - 32] = QStringLiteral("Door \"open\"");
        else if (quoteIn >= 0)
            set.phoneNo[quoteIn] = QStringLiteral("x\"");
        QString error;
        QCOMPARE(configfile::save(at, set, &error), says.isEmpty());
        QVERIFY2(error.contains(says), qPrintable(error));
        const QFileInfo after(at);
        if (target == "none") QVERIFY(!after.exists());
        if (target == "file") QCOMPARE(readAll(name), "old");
        if (target == "fifo") QVERIFY(after.exists() && !after.isFile() && !after.isDir());
        if (target == "link") {
            QVERIFY(after.isSymLink());
            QCOMPARE(readAll(name + ".target"), configfile::serialize(set));
        }
        // Nothing is left half-written beside it.
        QCOMPARE(QDir(dir.path())
                     .entryList({name + "*"}, QDir::AllEntries | QDir::System | QDir::Hidden)
                     .size(),
                 target == "none"   ? 0
                 : target == "link" ? 2
                                    : 1);
    }

    // A text holding NUL then CR would be cut on the line, the rest taken for commands; such a
    // document is refused with the value named. NUL or CR alone is fine, and so is a text longer
    // than the window's editor takes, with a note.
    void documentTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("json");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("says");  // the error's start, or the notes when accepted
        const QString nulCr = QStringLiteral("a") + QChar(0) + QStringLiteral("\rb");
        QTest::newRow("NUL CR") << nulCr << false << true
                                << "record 27 (the message of channel 5): holds NUL followed by CR";
        QTest::newRow("NUL, LF, CR apart")
            << QStringLiteral("a") + QChar(0) + "\n\rb" << false << false << "";
        QTest::newRow("200 characters in JSON")
            << QString(200, 'm') << true << false
            << "channel 5 message: 200 characters; the window's editor cuts it to 160 when edited";
    }
    void documentTexts() {
        QFETCH(QString, text);
        QFETCH(bool, json);
        QFETCH(bool, refused);
        QFETCH(QString, says);
        ConfigurationSet set = fresh;
        set.channelMessage[4] = text;
        const ConfigDocument doc =
            ConfigDocument::parse(json ? configjson::serialize(set) : configfile::serialize(set));
        QCOMPARE(doc.ok, !refused);
        QVERIFY2(refused ? doc.error.startsWith(says) : doc.error.isEmpty(), qPrintable(doc.error));
        if (refused) return;
        QCOMPARE(doc.set, set);
        QCOMPARE(doc.notes.join('\n'), says);
    }

    // Control characters from a file or a unit are shown escaped wherever the tool prints them;
    // JSON escapes them too, and reads them back unchanged.
    void escapes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("escaped");
        QTest::addColumn<QString>("literal");
        QTest::newRow("plain, quotes and backslash kept") << "Door \"1\" \\ é€"
                                                          << "Door \"1\" \\ é€"
                                                          << "\"Door \\\"1\\\" \\\\ é€\"";
        QTest::newRow("ESC, CR LF, tab") << "\x1b[2J\r\n\t"
                                         << "\\u001b[2J\\r\\n\\t"
                                         << "\"\\u001b[2J\\r\\n\\t\"";
        QTest::newRow("DEL and C1")
            << QString(QChar(0x7f)) + QChar(0x9d) + QChar(0x81) + QChar(0xa0)
            << QString("\\u007f\\u009d\\u0081") + QChar(0xa0)
            << QString("\"\\u007f\\u009d\\u0081") + QChar(0xa0) + "\"";
    }
    void escapes() {
        QFETCH(QString, text);
        QFETCH(QString, escaped);
        QFETCH(QString, literal);
        QCOMPARE(escape::controls(text), escaped);
        QCOMPARE(escape::unprintable(text), escaped);  // shown to a person the same way
        QCOMPARE(configjson::literal(text), literal);
        ConfigurationSet set = fresh;
        set.channelMessage[0] = text;
        const QByteArray json = configjson::serialize(set);
        for (const QChar c : QString::fromUtf8(json))
            QVERIFY(c == u'\n' || !escape::isControl(c));
        const configjson::ParseResult back = configjson::parse(json);
        QVERIFY2(back.ok, qPrintable(back.error));
        QCOMPARE(back.set, set);
    }

    // Text shown to a person: what would act or hide is escaped, the rest shows as itself.
    void shown_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        // Controls, DEL and C1 are among escapes' rows.
        QTest::newRow("direction override, zero-width space, line separator")
            << QString("a") + QChar(0x202e) + QChar(0x200b) + QChar(0x2028) + "b"
            << "a\\u202e\\u200b\\u2028b";
        QTest::newRow("emoji kept, half a pair escaped")
            << QString("\U0001F600") + QChar(0xd800) + "x" << QString("\U0001F600") + "\\ud800x";
    }
    void shown() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(escape::unprintable(text), shown);
    }

    // Values longer than the window's boxes are saved whole, and the line saying what the window
    // holds counts them once they are loaded.
    void longValuesThroughTheWindow() {
        Window w;
        ConfigurationSet longer = old;
        longer.phoneNo[20] = QStringLiteral("4930123456789012");
        longer.channelMessage[63] = QString(170, u'm');
        w.applyConfiguration(longer);
        use(w.save, "longer.cfg");
        w.applyConfiguration(old);
        use(w.load, "longer.cfg");
        QVERIFY(w.configuration() == longer);
        QVERIFY2(w.contents().startsWith("Loaded longer.cfg") &&
                     w.contents().contains("Values longer than their boxes: 2, kept whole"),
                 qPrintable(w.contents()));
    }

    void throughTheWindow() {
        QVERIFY(writeFile("plain", "keep me") && writeFile("short.cfg", lines(fresh, 0, 100)));
        // Any flag but 0 counts as set; what follows the last record is not read.
        QVERIFY(writeFile("older.cfg", lines(fresh, 0, 145)) &&
                writeFile("edited.cfg",
                          lines(fresh, 0, 17) + "5\r\n" + lines(fresh, 18) + "\"x\"\r\n1,,,\""));
        Window w;
        // A text the record file cannot hold is refused with a box naming it.
        ConfigurationSet quoted = fresh;
        quoted.channelMessage[5] = QStringLiteral("say \"hi\"");
        w.applyConfiguration(quoted);
        use(w.save, "quoted.cfg", "the message of channel 6 holds a double quote");
        w.applyConfiguration(fresh);
        use(w.save, "window.cfg");
        QCOMPARE(readAll("window.cfg"), configfile::serialize(fresh));
        use(w.save, "plain/x.cfg", "plain/x.cfg");
        QCOMPARE(readAll("plain"), "keep me");
        // Cancel changes nothing, yet Load still shows page 1.
        w.applyConfiguration(old);
        w.selectPage(3);
        use(w.save, {});
        use(w.load, {});
        QCOMPARE(readAll("window.cfg"), configfile::serialize(fresh));
        QCOMPARE(w.currentPage(), 1);
        QVERIFY(w.configuration() == old);

        // What a file does not hold, or holds after where reading stopped, stays as it was.
        w.statusBar()->showMessage(QStringLiteral("Read complete."), 15000);
        use(w.load, "older.cfg");
        QCOMPARE(configfile::serialize(w.configuration()), lines(fresh, 0, 145) + lines(old, 145));
        // The status bar says so, not hidden behind an earlier read's message, and Undo Load puts
        // back what the window held.
        QVERIFY2(
            w.contents().startsWith("Loaded older.cfg") && w.contents().contains("17-32 were kept"),
            qPrintable(w.contents()));
        QVERIFY(w.statusBar()->currentMessage().isEmpty() &&
                w.findChild<QLabel*>("lblContents")->isVisible());
        auto* undo = w.findChild<QAction*>("actUndo");
        QVERIFY(undo->isEnabled() && undo->text() == "&Undo Load");
        undo->trigger();
        QVERIFY(w.configuration() == old && !undo->isEnabled());
        use(w.load, "older.cfg");
        use(w.load, "edited.cfg");
        QCOMPARE(configfile::serialize(w.configuration()),
                 lines(fresh, 0, 17) + "-1\r\n" + lines(fresh, 18));
        w.applyConfiguration(old);
        // Lines 1-100: up to channel 41 and the flag of 42, whose message is missing.
        use(w.load, "short.cfg", "record 101");
        QCOMPARE(configfile::serialize(w.configuration()), lines(fresh, 0, 99) + lines(old, 99));

        // A later run opens its file dialog in the folder used last.
        frmMain later;
        use(control<QPushButton>(&later, "cmdFileLoad"), {});
        QCOMPARE(openedIn, QDir(dir.path()).absolutePath());
    }
};

QTEST_MAIN(tst_configfile)
#include "tst_configfile.moc"

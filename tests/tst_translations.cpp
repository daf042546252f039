// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
#include <QtWidgets>

#include "journal/JournalTarget.h"
#include "provision/Sheet.h"
#include "provision/UnitValues.h"
#include "tests/WindowControls.h"
#include "translations/Translations.h"
#include "ui/dialogs/frmEditMessage.h"
#include "ui/dialogs/frmEditNo.h"
#include "ui/dialogs/frmProgress.h"
#include "ui/history/HistoryWindow.h"
#include "ui/mainwindow/frmMain.h"
#include "ui/station/StationWindow.h"
#include "ui/traffic/TrafficMonitor.h"

Q_DECLARE_METATYPE(std::function<QString()>)

namespace {

struct Message {
    QString context, source;
    QStringList forms;  // the translation; a text with a number has one per plural form
    bool unfinished = false;
};

// A text with a number (numerus="yes") has its translation in <numerusform>s, one a form.
QList<Message> readCatalogue(const QString& path) {
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return messages;
    QXmlStreamReader xml(&file);
    QString context;
    bool numerus = false;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"name") context = xml.readElementText();
        if (xml.name() == u"message")
            numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
        if (xml.name() == u"source") messages.append({context, xml.readElementText(), {}, false});
        if (messages.isEmpty()) continue;
        if (xml.name() == u"translation") {
            messages.last().unfinished =
                xml.attributes().value(QLatin1String("type")) == u"unfinished";
            if (!numerus) messages.last().forms << xml.readElementText();
        }
        if (xml.name() == u"numerusform") messages.last().forms << xml.readElementText();
    }
    return messages;
}

// The %1, %2 ... a text fills in; a translation that drops or adds one shows the wrong thing.
QStringList placeholders(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%(\\d+|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& m : marker.globalMatch(text))
        found << m.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

QString describe(const QWidget* w, const QString& text, int need, int room) {
    return QStringLiteral("%1 \"%2\" needs %3 px, has %4")
        .arg(w->objectName(), text)
        .arg(need)
        .arg(room);
}

// The width a button needs for its text: a push button's size hint without the minimum width
// some styles give every button (its text keeps the style's margin from the frame), a check
// box's indicator, spacing and text, which runs to its right edge.
int neededWidth(const QAbstractButton* button) {
    const QStyle* style = button->style();
    const int text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width();
    if (qobject_cast<const QCheckBox*>(button))
        return text + style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
    return text + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
           2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
}

// Where the style draws a group box's title.
int titleRight(const QGroupBox* frame) {
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.textAlignment = frame->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return frame->style()
        ->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame)
        .right();
}

// Where a line edit draws its hint: its contents less the two-pixel margin either side.
int placeholderRoom(const QLineEdit* edit) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame()
                           ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                           : 0;
    return edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit).width() - 4;
}

// Every fixed text of `root` whose width exceeds its box.
QStringList cutOff(const QWidget* root) {
    QStringList faults;
    for (const QWidget* w : root->findChildren<QWidget*>()) {
        const QFontMetrics fm = w->fontMetrics();
        if (const auto* frame = qobject_cast<const QGroupBox*>(w)) {
            if (titleRight(frame) >= frame->width())
                faults << describe(w, frame->title(), titleRight(frame) + 1, frame->width());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            // A button without text (a table's corner) has nothing to cut.
            if (!button->text().isEmpty() && neededWidth(button) > button->width())
                faults << describe(w, button->text(), neededWidth(button), button->width());
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(w);
                   edit && !edit->placeholderText().isEmpty()) {
            if (placeholderRoom(edit) < fm.horizontalAdvance(edit->placeholderText()))
                faults << describe(w, edit->placeholderText(),
                                   fm.horizontalAdvance(edit->placeholderText()),
                                   placeholderRoom(edit));
        } else if (const auto* label = qobject_cast<const QLabel*>(w);
                   label && !label->wordWrap()) {
            const int need =
                fm.size(Qt::TextSingleLine | Qt::TextShowMnemonic, label->text()).width();
            if (!label->text().isEmpty() && need > label->contentsRect().width())
                faults << describe(w, label->text(), need, label->contentsRect().width());
        }
    }
    return faults;
}

struct Term {
    QRegularExpression english;  // the word, and its plural, as a whole word
    QString translated;
};

// The glossary's column `column` (1 German, 2 French) for every English term.
QList<Term> glossary(int column) {
    QList<Term> terms;
    QFile file(QStringLiteral(QX_SOURCE_DIR "/translations/glossary.tsv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return terms;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QStringList cells = line.split(u'\t');
        if (line.startsWith(u'#') || cells.size() != 3) continue;
        terms.append({QRegularExpression(QStringLiteral("(?<![\\w-])%1(s|'s)?(?![\\w-])")
                                             .arg(QRegularExpression::escape(cells[0])),
                                         QRegularExpression::CaseInsensitiveOption),
                      cells[column]});
    }
    return terms;
}

// A menu's access key splits a word ("Ger&at"); the word counts as written without it.
QString withoutAccessKey(QString text) {
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(u'&')
        .replace(u'\x01', u'&');
}

// One line each, as a failure message would cut a long list short.
void report(const QStringList& faults) {
    for (const QString& fault : faults)
        qWarning().noquote() << fault;
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 faults").arg(faults.size())));
}

}  // namespace

// The catalogues: complete for the sources as they are, and every translation fits where the
// window shows it.
class tst_translations : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { i18n::uninstall(); }

    void complete_data() {
        QTest::addColumn<QString>("catalogue");
        for (const QString& path : QStringLiteral(QX_CATALOGUES).split(u','))
            QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
    }
    // lupdate over the sources into a copy: a text new in the code arrives unfinished there.
    void complete() {
        QFETCH(QString, catalogue);
        QTemporaryDir dir;
        const QString copy = dir.filePath(QFileInfo(catalogue).fileName());
        QVERIFY(QFile::copy(catalogue, copy));
        QFile(copy).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        // Includes name their folder from the top of the tree; lupdate needs it to find the
        // classes a tr() belongs to.
        QStringList args{QStringLiteral("-silent"), QStringLiteral("-locations"),
                         QStringLiteral("none"),    QStringLiteral("-no-obsolete"),
                         QStringLiteral("-I"),      QStringLiteral(QX_SOURCE_DIR)};
        for (const QString& folder : QStringLiteral(QX_TRANSLATED_FOLDERS).split(u','))
            args << QStringLiteral(QX_SOURCE_DIR "/") + folder;
        args << QStringLiteral("-ts") << copy;
        QProcess lupdate;
        lupdate.start(QStringLiteral(QX_LUPDATE), args);
        QVERIFY(lupdate.waitForFinished(60000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());

        const QList<Message> messages = readCatalogue(copy);
        QVERIFY(!messages.isEmpty());
        QStringList faults;
        for (const Message& m : messages) {
            const QString where = m.context + QStringLiteral(": \"") + m.source + u'"';
            if (m.unfinished || m.forms.contains(QString()))
                faults << QStringLiteral("no finished translation for ") + where;
            for (const QString& form : m.forms) {
                if (!form.isEmpty() && placeholders(m.source) != placeholders(form))
                    faults << QStringLiteral("other placeholders in the translation of ") + where;
            }
        }
        report(faults);
    }

    // A text naming a glossary term says it with the glossary's word in every translation.
    void glossary_data() {
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<int>("column");
        for (const QString& path : QStringLiteral(QX_CATALOGUES).split(u',')) {
            const int column = path.endsWith(QLatin1String("_de.ts"))   ? 1
                               : path.endsWith(QLatin1String("_fr.ts")) ? 2
                                                                        : 0;
            QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path << column;
        }
    }
    void glossary() {
        QFETCH(QString, catalogue);
        QFETCH(int, column);
        QVERIFY2(column > 0, "the glossary has no column for this language");
        const QList<Term> terms = ::glossary(column);
        QVERIFY(terms.size() >= 3);
        QStringList faults;
        for (const Message& m : readCatalogue(catalogue)) {
            for (const Term& term : terms) {
                if (!term.english.match(withoutAccessKey(m.source)).hasMatch()) continue;
                for (const QString& form : m.forms) {
                    const QString shown = withoutAccessKey(form);
                    // Kept in English, it is a command word ("backup" for --action).
                    if (term.english.match(shown).hasMatch()) continue;
                    if (!shown.contains(term.translated, Qt::CaseInsensitive))
                        faults << QStringLiteral("\"%1\" lacks \"%2\" for \"%3\"")
                                      .arg(form, term.translated, m.source);
                }
            }
        }
        faults.removeDuplicates();
        report(faults);
    }

    // Texts looked up at run time under the context the catalogue files them in; a helper that
    // names another context leaves them in English.
    void lookedUp_data() {
        QTest::addColumn<std::function<QString()>>("text");
        QTest::addColumn<QString>("german");
        // The journal URL's errors come from one file under one context, so one stands for them;
        // the provision texts of a free function and of a helper class once went by per-file
        // contexts.
        QTest::newRow("journal URL with a password") << std::function<QString()>([] {
            QString error;
            journal::Target::parse("postgresql://u:secret@h/db", &error);
            return error;
        }) << "die Journal-URL darf kein Passwort enthalten";
        QTest::newRow("a value the unit cannot hold") << std::function<QString()>([] {
            return provision::check({"slave-id", "32", "--set"}).error;
        }) << "ist keine Slave-ID";
        QTest::newRow("a sheet's cell") << std::function<QString()>([] {
            return provision::Sheet::parse("port,phone.1\nx,\"open\n", "u.csv").error();
        }) << "wird nie geschlossen";
    }
    void lookedUp() {
        QFETCH(std::function<QString()>, text);
        QFETCH(QString, german);
        QVERIFY(i18n::install(QLocale(QLocale::German)));
        const QString said = text();
        QVERIFY2(said.contains(german), qPrintable(said));
    }

    void fits_data() {
        QTest::addColumn<QString>("language");
        for (const char* language : {"en", "de", "fr"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void fits() {
        QFETCH(QString, language);
        QCOMPARE(i18n::install(QLocale(language)), language != u"en");

        frmMain window;
        // Shown, so the status bar is laid out across the window as a user sees it.
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QStringList faults = cutOff(&window);
        window.selectPage(frmMain::Pages);  // the longest channel numbers
        control<QPushButton>(&window, "cmdConnect")->setText(frmMain::tr("Disconnect"));
        faults << cutOff(&window);
        frmEditNo number{QString()};
        faults << cutOff(&number);
        frmEditMessage message{QString()};
        faults << cutOff(&message);
        station::StationWindow stationWindow(nullptr);
        stationWindow.show();
        faults << cutOff(&stationWindow);
        traffic::TrafficMonitor monitor;
        monitor.setPaused(true);  // the longer texts
        monitor.layout()->activate();
        faults << cutOff(&monitor);
        HistoryWindow history(nullptr);  // no journal: its longest line shows
        history.show();
        faults << cutOff(&history);
        // Pictures of each window in each language, for a person to look at.
        const QString folder = qEnvironmentVariable("QX_TEST_OUTPUT", QDir::tempPath());
        for (QWidget* shown : std::initializer_list<QWidget*>{&window, &number, &message,
                                                              &stationWindow, &monitor, &history})
            shown->grab().save(
                QStringLiteral("%1/%2_%3.png").arg(folder, shown->objectName(), language));
        frmProgress progress(&window);
        for (const char* activity :
             {"Writing to device ...", "Reading from device ...", "Backing up the unit ...",
              "Reading back what was written ...", "Reading the unit to compare ..."}) {
            progress.setActivityText(frmMain::tr(activity));
            faults << cutOff(&progress);
        }
        faults.removeDuplicates();
        report(faults);
    }
};

QTEST_MAIN(tst_translations)
#include "tst_translations.moc"

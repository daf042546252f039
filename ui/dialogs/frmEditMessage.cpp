// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/frmEditMessage.h"

#include <QApplication>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <functional>

#include "core/Codepage.h"
#include "core/ConfigurationSet.h"
#include "core/Twips.h"
#include "ui/common/Placement.h"
#include "ui/common/Widgets.h"

// A message keeps its line breaks as CR LF, two characters, and both count toward the limit.
// The editor keeps one character per break instead, so the text is converted where it enters
// and leaves the dialog:
//   message            editor
//   CR LF          <-> paragraph break (U+2029 in the raw document text)
//   lone CR        <-> U+240D, the visible symbol for a carriage return
//   lone LF        <-> U+240A, the visible symbol for a line feed
// A lone CR or LF can only come from the unit or a file; shown as a symbol it survives an
// unchanged OK and the user can see and delete it. The two symbols (and U+2028/U+2029) cannot
// be typed or pasted, because Windows-1252 lacks them; only a caller handing in one of them
// would see it come back as CR, LF or CR LF.

namespace {

constexpr char16_t ParagraphBreak = 0x2029;
constexpr char16_t LineBreak = 0x2028;
constexpr char16_t CrSymbol = 0x240D;
constexpr char16_t LfSymbol = 0x240A;

constexpr QColor FullColour(192, 0, 0);  // the counter at the limit, and a refusal
constexpr int ClientWidth = 8508;
constexpr int ClientHeight = 3168;

constexpr twips::Place Layout[] = {
    {"txtMsg", 240, 240, 7935, 1695},     {"lblChars", 6600, 2040, 1575, 255},
    {"lblRefused", 240, 2040, 6255, 255}, {"cmdCancel", 1200, 2400, 1455, 495},
    {"cmdOK", 5400, 2400, 1455, 495},
};

// A control made with ui::make, in the place its name holds in the table.
template <class W>
W* placed(W* widget) {
    twips::place(widget, Layout);
    return widget;
}

bool isBreak(QChar c) {
    return c == ParagraphBreak || c == LineBreak;
}

// Length of editor text as the message will count it.
int weight(QStringView editorText) {
    int n = 0;
    for (QChar c : editorText)
        n += isBreak(c) ? 2 : 1;
    return n;
}

QString toEditor(const QString& message) {
    QString cut = message.left(frmEditMessage::MaxLength);
    if (!cut.isEmpty() && cut.back().isHighSurrogate()) cut.chop(1);
    QString out;
    out.reserve(cut.size());
    for (qsizetype i = 0; i < cut.size(); ++i) {
        const QChar c = cut.at(i);
        if (c == u'\r' && i + 1 < cut.size() && cut.at(i + 1) == u'\n') {
            out += u'\n';  // the editor makes a paragraph of it
            ++i;
        } else if (c == u'\r') {
            out += QChar(CrSymbol);
        } else if (c == u'\n') {
            out += QChar(LfSymbol);
        } else {
            out += c;
        }
    }
    return out;
}

QString fromEditor(QStringView editorText) {
    QString out;
    out.reserve(editorText.size() + 8);
    for (QChar c : editorText) {
        if (isBreak(c)) {
            out += QStringLiteral("\r\n");
        } else if (c == CrSymbol) {
            out += u'\r';
        } else if (c == LfSymbol) {
            out += u'\n';
        } else {
            out += c;
        }
    }
    return out;
}

// What a user may put into a message: what the code page holds, except the double quote,
// which the configuration file cannot hold inside a text, and control characters, which no
// key types either.
bool allowed(QChar c) {
    if (c == u'"' || c.category() == QChar::Other_Control) return false;
    return codepage::canEncode(QString(c));
}

// The editor: refuses characters that may not enter a message, and stops typing, pasting and
// dropping at the length limit, so no path can push the text past it.
class MessageEdit : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;
    std::function<void(QChar)> refused;  // told of each character a change leaves out

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    static bool insertsText(const QKeyEvent* e);
    QString fit(const QString& text) const;
};

bool isEnter(const QKeyEvent* e) {
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

bool withControl(const QKeyEvent* e) {
    return e->modifiers().testFlag(Qt::ControlModifier);
}

void MessageEdit::keyPressEvent(QKeyEvent* e) {
    if (isEnter(e) && withControl(e)) {
        e->ignore();  // the dialog's: accept from the text
        return;
    }
    if (isEnter(e)) {
        // Every Enter becomes a paragraph break; Shift+Enter would otherwise insert a line
        // separator, a second kind of break.
        const QString fitted = fit(QStringLiteral("\n"));
        if (!fitted.isEmpty()) insertPlainText(fitted);
        e->accept();
        return;
    }
    if (insertsText(e)) {
        const QString fitted = fit(e->text());
        if (fitted != e->text()) {
            if (!fitted.isEmpty()) insertPlainText(fitted);
            e->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(e);
}

void MessageEdit::inputMethodEvent(QInputMethodEvent* e) {
    if (e->commitString().isEmpty()) {
        QPlainTextEdit::inputMethodEvent(e);
        return;
    }
    QInputMethodEvent filtered(e->preeditString(), e->attributes());
    filtered.setCommitString(fit(e->commitString()), e->replacementStart(), e->replacementLength());
    QPlainTextEdit::inputMethodEvent(&filtered);
    e->setAccepted(filtered.isAccepted());
}

void MessageEdit::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText()) return;
    QMimeData fitted;
    fitted.setText(fit(source->text()));
    QPlainTextEdit::insertFromMimeData(&fitted);
}

// True when the base editor would insert the key's text rather than treat it as a command.
bool MessageEdit::insertsText(const QKeyEvent* e) {
    const QString text = e->text();
    if (text.isEmpty() || text.at(0).category() == QChar::Other_Control) return false;
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    return mods != Qt::ControlModifier && mods != (Qt::ControlModifier | Qt::ShiftModifier);
}

// The longest start of `text` that fits, refused characters dropped and every kind of line
// break made one "\n", which the editor turns into a paragraph break.
QString MessageEdit::fit(const QString& text) const {
    const int used = weight(document()->toRawText()) - weight(textCursor().selectedText());
    int room = frmEditMessage::MaxLength - used;
    QString out;
    for (qsizetype i = 0; i < text.size() && room > 0; ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n' || isBreak(c)) {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') ++i;
            if (room < 2) break;
            out += u'\n';
            room -= 2;
        } else if (c.isHighSurrogate() && i + 1 < text.size()) {
            ++i;  // no code page character lies outside the basic plane
        } else if (allowed(c)) {
            out += c;
            room -= 1;
        } else if (refused) {
            refused(c);
        }
    }
    return out;
}

}  // namespace

std::optional<QString> frmEditMessage::edit(const QString& stored, QWidget* owner, int channel) {
    frmEditMessage dlg(stored, owner, channel);
    dlg.exec();
    return dlg.edited();
}

frmEditMessage::frmEditMessage(const QString& stored, QWidget* owner, int channel)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmEditMessage"));
    setWindowTitle(channel > 0 ? tr("Edit Message - Channel %1").arg(channel) : tr("Edit Message"));
    setFixedSize(twips::px(ClientWidth), twips::px(ClientHeight));

    auto* edit = placed(ui::make<MessageEdit>("txtMsg", this));
    txtMsg = edit;
    txtMsg->setAccessibleName(channel > 0 ? tr("Message of channel %1").arg(channel)
                                          : tr("Message"));
    QFont editFont(QStringLiteral("Arial Rounded MT Bold"));
    editFont.setPointSizeF(12);
    editFont.setWeight(QFont::Normal);
    txtMsg->setFont(editFont);
    txtMsg->setTabChangesFocus(true);
    lblChars = placed(ui::make<QLabel>("lblChars", QStringLiteral("0/160"), this));
    QFont counterFont(QStringLiteral("MS Sans Serif"));
    counterFont.setPointSizeF(7.8);
    counterFont.setBold(true);
    lblChars->setFont(counterFont);
    QPalette red = lblChars->palette();
    red.setColor(QPalette::WindowText, FullColour);
    lblRefused = placed(ui::make<QLabel>("lblRefused", this));
    lblRefused->setPalette(red);
    // A character left out without a word looks like a broken keyboard: beep and say why.
    edit->refused = [this](QChar c) {
        QApplication::beep();
        lblRefused->setText(c == u'"'
                                ? tr("A double quote cannot be stored in a message.")
                                : tr("%1 cannot be stored: the unit's character set lacks it.")
                                      .arg(QStringLiteral("U+%1")
                                               .arg(c.unicode(), 4, 16, QLatin1Char('0'))
                                               .toUpper()));
    };
    cmdCancel = placed(ui::make<QPushButton>("cmdCancel", tr("Cancel"), this));
    cmdOK = placed(ui::make<QPushButton>("cmdOK", tr("OK"), this));
    // Neither is a default button: a dialog would otherwise make the first one its default.
    // Enter presses the focused one (see keyPressEvent).
    cmdCancel->setAutoDefault(false);
    cmdOK->setAutoDefault(false);
    cmdOK->setToolTip(tr("Keep this message (Ctrl+Enter from the text)"));
    setTabOrder(txtMsg, cmdOK);
    setTabOrder(cmdOK, cmdCancel);

    connect(cmdOK, &QPushButton::clicked, this, &frmEditMessage::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmEditMessage::cmdCancel_Click);
    // Any change at all (typing, paste, cut, delete, undo) brings the counter up to date.
    connect(txtMsg, &QPlainTextEdit::textChanged, this, &frmEditMessage::refreshCounter);

    txtMsg->setPlainText(toEditor(stored));
    txtMsg->moveCursor(QTextCursor::End);
    // The window keeps a longer message whole; only OK here would replace it with this start.
    if (stored.size() > MaxLength)
        lblRefused->setText(tr("The message holds %1 characters; the editor takes the first %2.")
                                .arg(stored.size())
                                .arg(MaxLength));
    refreshCounter();
    txtMsg->setFocus();
}

void frmEditMessage::refreshCounter() {
    const int used = weight(txtMsg->document()->toRawText());
    lblChars->setText(QString::number(used) + QStringLiteral("/160"));
    // Red says "no more room"; in red all along it would say nothing.
    QPalette look = lblChars->palette();
    look.setColor(QPalette::WindowText,
                  used >= MaxLength ? FullColour : palette().color(QPalette::WindowText));
    lblChars->setPalette(look);
}

void frmEditMessage::cmdOK_Click() {
    result = fromEditor(txtMsg->document()->toRawText());
    accept();
}

void frmEditMessage::cmdCancel_Click() {
    reject();
}

void frmEditMessage::keyPressEvent(QKeyEvent* event) {
    // Esc, which a dialog would take as reject(), does nothing: a stray key must not throw
    // away a message typed at length.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    // Enter in the text is a line break, so Ctrl+Enter accepts from there; on a button, Enter
    // presses it, as Space does.
    if (isEnter(event)) {
        auto* button = qobject_cast<QPushButton*>(focusWidget());
        if (withControl(event))
            cmdOK_Click();
        else if (button)
            button->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

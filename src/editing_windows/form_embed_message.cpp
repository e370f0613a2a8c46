#include "form_embed_message.h"

#include "button_row.h"
#include "help_topic.h"
#include "key_filter.h"
#include "page_settings.h"
#include "window_menu.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>
#include <QVBoxLayout>

namespace t40 {

namespace {

// Lets into a line only characters that fit one byte of the message (codes
// 20..126); anything else, typed, pasted or from an input method, is refused.
class MessageValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        for (QChar c : input)
            if (!IsMessageCode(c.unicode()))
                return Invalid;
        return input.size() <= MessageLineChars ? Acceptable : Invalid;
    }
};

} // namespace

FormEmbedMessage::FormEmbedMessage(RadioDocument& document, QWidget* parent)
    : PageWindow(MessagePageId, &SharedState::MessagePageOpen, parent)
    , document_(document)
{
    auto* lines = new QVBoxLayout;
    for (int i = 0; i < MessageLineCount; ++i) {
        auto* edit = new QLineEdit(this);
        TextEmbedMessage[i] = edit;
        edit->setMaxLength(MessageLineChars);
        edit->setValidator(new MessageValidator(edit));
        edit->setAttribute(Qt::WA_InputMethodEnabled, false);
        QFont fixed = edit->font();
        fixed.setFamily(QStringLiteral("Monospace"));
        fixed.setStyleHint(QFont::TypeWriter);
        edit->setFont(fixed);
        // Room for a whole line of 32 characters.
        edit->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QString(34, QLatin1Char('W'))) + 12);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this, i] {
            Edited = true;
            LineEdited[std::size_t(i)] = true;
        });
        connect(edit, &QLineEdit::returnPressed, this, [this, i] { TextEmbedMessage_KeyPress(i, KeyEnter); });
        lines->addWidget(edit);
    }

    CommandClose = new QPushButton(this);
    CommandHelp = new QPushButton(this);
    connect(CommandClose, &QPushButton::clicked, this, &FormEmbedMessage::CommandClose_Click);
    connect(CommandHelp, &QPushButton::clicked, this, &FormEmbedMessage::CommandHelp_Click);
    auto* buttons = ButtonRow({ CommandClose, CommandHelp });

    auto* page = new QVBoxLayout(this);
    page->addLayout(lines);
    page->addStretch();
    page->addLayout(buttons);

    fillCaptions();
    resize(sizeHint());

    EnterPressed = false;
    AnalyseEmbeddedInformation();
    registerPage();
}

void FormEmbedMessage::fillCaptions()
{
    setWindowTitle(tr("Embedded Message"));
    CommandClose->setText(tr("&Close"));
    CommandHelp->setText(tr("&Help"));
}

void FormEmbedMessage::AnalyseEmbeddedInformation()
{
    const MessageLines text = ReadMessageLines(document_);
    for (int i = 0; i < MessageLineCount; ++i)
        TextEmbedMessage[i]->setText(text[i]);
    Edited = false;
    LineEdited = {};
}

void FormEmbedMessage::FreshEmbeddedInformation()
{
    if (!Edited)
        return;
    bool stored = true;
    for (int i = 0; i < MessageLineCount; ++i)
        if (LineEdited[std::size_t(i)] && WriteMessageLine(document_, i, TextEmbedMessage[i]->text()))
            LineEdited[std::size_t(i)] = false;
        else if (LineEdited[std::size_t(i)])
            stored = false;
    if (stored)
        Edited = false;
}

void FormEmbedMessage::TextEmbedMessage_LostFocus(int index)
{
    FreshEmbeddedInformation();
    if (!EnterPressed)
        return;
    if (index == 0) {
        TextEmbedMessage[1]->setFocus(Qt::TabFocusReason);
        TextEmbedMessage[1]->selectAll();
    } else {
        CommandClose->setFocus(Qt::TabFocusReason);
    }
    EnterPressed = false;
}

void FormEmbedMessage::TextEmbedMessage_KeyPress(int index, int keyAscii)
{
    if (keyAscii != KeyEnter || index < 0 || index >= MessageLineCount)
        return;
    EnterPressed = true;
    TextEmbedMessage_LostFocus(index);
}

bool FormEmbedMessage::event(QEvent* event)
{
    // A line still being typed when the page closes is kept.
    if (event->type() == QEvent::Close)
        FreshEmbeddedInformation();
    return PageWindow::event(event);
}

bool FormEmbedMessage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        for (int i = 0; i < MessageLineCount; ++i)
            if (watched == TextEmbedMessage[i])
                TextEmbedMessage_LostFocus(i);
    }
    return PageWindow::eventFilter(watched, event);
}

void FormEmbedMessage::CommandClose_Click()
{
    FreshEmbeddedInformation();
    closePage();
}

void FormEmbedMessage::CommandHelp_Click()
{
    ShowHelpTopic(QStringLiteral("embmsg.htm"));
}

} // namespace t40

#include "form_qt_dqt_copy.h"

#include "button_row.h"
#include "code_entry.h"
#include "help_topic.h"
#include "radio_document.h"
#include "shared_state.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace t40 {

FormQtDqtCopy::FormQtDqtCopy(RadioDocument& document, int channel, const QString& decodeText, QWidget* parent)
    : QDialog(parent)
    , document_(document)
    , channel_(channel)
{
    setObjectName(QStringLiteral("FormQtDqtCopy"));
    LabelDecode = new QLabel(this);
    TextDecode = new QLineEdit(decodeText, this);
    TextDecode->setReadOnly(true);
    LabelEncode = new QLabel(this);
    ComboEncode = new QComboBox(this);
    SetUpCodeChooser(ComboEncode);
    ComboEncode->installEventFilter(this);
    ComboEncode->lineEdit()->installEventFilter(this);
    CommandOK = new QPushButton(this);
    CommandCancel = new QPushButton(this);
    CommandHelp = new QPushButton(this);
    for (QPushButton* b : { CommandOK, CommandCancel, CommandHelp })
        b->setAutoDefault(false);

    auto* fields = new QGridLayout;
    fields->addWidget(LabelDecode, 0, 0);
    fields->addWidget(TextDecode, 0, 1);
    fields->addWidget(LabelEncode, 1, 0);
    fields->addWidget(ComboEncode, 1, 1);
    auto* buttons = ButtonRow({ CommandOK, CommandCancel, CommandHelp });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(CommandOK, &QPushButton::clicked, this, &FormQtDqtCopy::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(CommandHelp, &QPushButton::clicked, this, &FormQtDqtCopy::CommandHelp_Click);
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        auto within = [this](QWidget* w) {
            return w && (w == ComboEncode || ComboEncode->isAncestorOf(w) || w->window() == ComboEncode->view()->window());
        };
        if (within(old) && !within(now))
            ComboEncode_LostFocus();
    });
    Form_Load();
}

FormQtDqtCopy::~FormQtDqtCopy()
{
    disconnect(focusWatch_);
}

void FormQtDqtCopy::Form_Load()
{
    setWindowTitle(tr("QT/DQT Copy"));
    LabelDecode->setText(tr("Decode"));
    LabelEncode->setText(tr("Encode"));
    CommandOK->setText(tr("&OK"));
    CommandCancel->setText(tr("&Cancel"));
    CommandHelp->setText(tr("&Help"));
    FillSignallingCodeList(ComboEncode);
    ComboEncode->setCurrentIndex(ComboEncode->findText(TextDecode->text(), Qt::MatchExactly));
    ComboEncode->setEditText(TextDecode->text());
    ComboEncode->lineEdit()->selectAll();
    ComboEncode->setFocus();
    okPending_ = false;
}

void FormQtDqtCopy::ComboEncode_LostFocus()
{
    if (done_)
        return;
    const QString text = ComboEncode->currentText();
    if (!IsNoneText(text)) {
        QString normalised;
        SignallingCode::fromTyped(text, State().DecimalSeparator, &normalised);
        ComboEncode->setEditText(normalised);
    }
    if (okPending_) {
        okPending_ = false;
        CommandOK_Click();
    }
}

void FormQtDqtCopy::CommandOK_Click()
{
    if (done_)
        return;
    done_ = true;
    SharedState& s = State();
    const QString text = ComboEncode->currentText();
    document_.copyEncode(channel_, IsNoneText(text) ? SignallingCode::none() : SignallingCode::fromTyped(text, s.DecimalSeparator));
    accept();
}

void FormQtDqtCopy::CommandHelp_Click()
{
    ShowHelpTopic(QStringLiteral("qtdqtcopy.htm"));
}

bool FormQtDqtCopy::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == ComboEncode || watched == ComboEncode->lineEdit()) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter normalises the code and then confirms it.
            okPending_ = true;
            ComboEncode_LostFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace t40

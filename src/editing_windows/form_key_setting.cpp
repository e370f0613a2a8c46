#include "form_key_setting.h"

#include "value_texts.h"
#include "button_row.h"
#include "help_topic.h"
#include "page_settings.h"
#include "window_menu.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace t40 {

FormKeySetting::FormKeySetting(RadioDocument& document, QWidget* parent)
    : PageWindow(KeyPageId, &SharedState::KeyPageOpen, parent)
    , document_(document)
{
    static const char* const keyNames[] = { "PF1", "PF2", "PF1_Long", "PF2_Long" };
    auto* keys = new QGridLayout;
    for (int i = 0; i < KeyCount; ++i) {
        LabelKeySet[i] = new QLabel(QString::fromLatin1(keyNames[i]), this);
        ComboKeySet[i] = new QComboBox(this);
        LabelKeySet[i]->setObjectName(QStringLiteral("LabelKeySet%1").arg(i));
        ComboKeySet[i]->setObjectName(QStringLiteral("ComboKeySet%1").arg(i));
        ComboKeySet[i]->setMinimumWidth(140);
        keys->addWidget(LabelKeySet[i], i, 0);
        keys->addWidget(ComboKeySet[i], i, 1);
        connect(ComboKeySet[i], &QComboBox::activated, this, [this, i] { ComboKeySet_Click(i); });
    }
    keys->setColumnStretch(2, 1);

    CommandClose = new QPushButton(this);
    CommandHelp = new QPushButton(this);
    connect(CommandClose, &QPushButton::clicked, this, &FormKeySetting::CommandClose_Click);
    connect(CommandHelp, &QPushButton::clicked, this, &FormKeySetting::CommandHelp_Click);
    auto* buttons = ButtonRow({ CommandClose, CommandHelp });

    auto* page = new QVBoxLayout(this);
    page->addLayout(keys);
    page->addStretch();
    page->addLayout(buttons);

    fillCaptions();
    resize(sizeHint().expandedTo(QSize(300, 0)));

    AnalyseKeySetting();
    registerPage();
    followChanges(document_, { FieldOffset(FieldId::KeyPf1), FieldEnd(FieldId::KeyPf2) }, Decoding,
                  [this] { AnalyseKeySetting(); });
}

void FormKeySetting::fillCaptions()
{
    setWindowTitle(tr("Key Setting"));
    for (QComboBox* list : ComboKeySet) {
        list->clear();
        for (int position = 0; position < KeyFunctionCount; ++position)
            list->addItem(ValueName(Values::KeyFunction, KeyCodeOfPosition(position)));
    }
    CommandClose->setText(tr("&Close"));
    CommandHelp->setText(tr("&Help"));
}

void FormKeySetting::AnalyseKeySetting()
{
    Decoding = true;
    const KeySettings keys = ReadKeys(document_);
    for (int i = 0; i < KeyCount; ++i)
        ComboKeySet[i]->setCurrentIndex(qMax(0, keys.function[i]));
    Decoding = false;
}

void FormKeySetting::ComboKeySet_Click(int index)
{
    if (Decoding || index < 0 || index >= KeyCount || ComboKeySet[index]->currentIndex() < 0)
        return;
    KeySettings keys = ReadKeys(document_);
    keys.function[index] = ComboKeySet[index]->currentIndex();
    Decoding = true;
    WriteKeys(document_, keys);
    Decoding = false;
}

void FormKeySetting::CommandClose_Click()
{
    closePage();
}

void FormKeySetting::CommandHelp_Click()
{
    ShowHelpTopic(QStringLiteral("keyassign.htm"));
}

} // namespace t40

#include "code_entry.h"

#include "channel.h"
#include "key_filter.h"
#include "shared_state.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QLineEdit>

namespace t40 {

void FillSignallingCodeList(QComboBox* list)
{
    list->addItems(CodeListTexts(State().DecimalSeparator));
}

void SetUpCodeChooser(QComboBox* combo)
{
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setMaxVisibleItems(20);
    GuardLineEdit(
        combo->lineEdit(),
        [](const QString& text, bool hasSelection, int& key) {
            FilterCodeKey(text, hasSelection, key, State().DecimalSeparator);
        },
        combo);
}

} // namespace t40
